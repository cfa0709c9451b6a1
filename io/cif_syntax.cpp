#include "io/cif_syntax.h"

#include <cctype>

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
}  // namespace

std::string extractCifValue(std::string_view line, std::size_t position) {
    const std::string_view rest = line.substr(std::min(position, line.size()));
    for (char quote : {'"', '\''}) {
        const std::size_t open = rest.find(quote);
        if (open == std::string_view::npos) continue;
        const std::size_t close = rest.find(quote, open + 1);
        return std::string(rest.substr(open + 1, close == std::string_view::npos ? std::string_view::npos
                                                                                   : close - open - 1));
    }
    return std::string(rest.substr(0, rest.find('(')));
}

std::vector<std::string> cifTokens(std::string_view line) {
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i])) ++i;
        if (i >= line.size() || line[i] == '#') break;
        const char quote = line[i];
        if (quote == '\'' || quote == '"') {
            // A quote closes the token only when white space or the line's end follows it.
            std::size_t close = i + 1;
            while (close < line.size() && !(line[close] == quote && (close + 1 == line.size() || isBlank(line[close + 1]))))
                ++close;
            tokens.emplace_back(line.substr(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i])) ++i;
        tokens.emplace_back(line.substr(start, i - start));
    }
    return tokens;
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}
