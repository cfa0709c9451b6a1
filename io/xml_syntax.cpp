#include "io/xml_syntax.h"

std::string extractXmlText(std::string_view line) {
    const std::size_t open = line.find('>');
    const std::size_t start = open == std::string_view::npos ? 0 : open + 1;
    const std::size_t end = line.find('<', start);
    return std::string(line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

std::string extractXmlAttribute(std::string_view line, std::string_view name) {
    auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    for (std::size_t at = line.find(name); at != std::string_view::npos; at = line.find(name, at + 1)) {
        if (at == 0 || !isSpace(line[at - 1])) continue;
        std::size_t p = at + name.size();
        while (p < line.size() && isSpace(line[p])) ++p;
        if (p >= line.size() || line[p] != '=') continue;
        ++p;
        while (p < line.size() && isSpace(line[p])) ++p;
        if (p >= line.size() || line[p] != '"') continue;
        const std::size_t close = line.find('"', p + 1);
        return std::string(line.substr(p + 1, close == std::string_view::npos ? std::string_view::npos : close - p - 1));
    }
    return std::string();
}
