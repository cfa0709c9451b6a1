#include "symmetry/setting_extension.h"

#include <array>
#include <cctype>

namespace {

struct AxisCode {
    std::string_view text;
    std::string_view canonical;
};

// Walked in this order; the first text that prefixes the input wins ("bb" twice).
constexpr std::array<AxisCode, 24> axisCodeTable = {{
    {"abc", "abc"}, {"ba-c", "ba-c"}, {"cab", "cab"}, {"-cba", "-cba"},
    {"bca", "bca"}, {"a-cb", "a-cb"}, {"bac", "ba-c"}, {"cba", "-cba"},
    {"acb", "a-cb"}, {"-b", "-b"},    {"b-", "-b"},    {"bb", "-b"},
    {"bb", "-b"},   {"-c", "-c"},     {"c-", "-c"},    {"bc", "-c"},
    {"cb", "-c"},   {"-a", "-a"},     {"a-", "-a"},    {"ba", "-a"},
    {"ab", "-a"},   {"b", "b"},       {"c", "c"},      {"a", "a"},
}};

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    return true;
}

// Consumes an axis code from the front of `text`.
bool takeAxisCode(std::string_view& text, ExtensionInfo& info) {
    for (const AxisCode& code : axisCodeTable)
        if (startsWithNoCase(text, code.text)) {
            info.axisCode = code.canonical;
            text.remove_prefix(code.text.size());
            return true;
        }
    return false;
}

// Consumes one code character from the front of `text`.
bool takeCodeCharacter(std::string_view& text, ExtensionInfo& info) {
    if (text.empty()) return false;
    switch (text.front()) {
        case '1': case '2': info.originChoice = info.cellChoice = text.front(); break;
        case '3': info.cellChoice = '3'; break;
        case 'S': case 's': info.originChoice = '1'; break;
        case 'Z': case 'z': info.originChoice = '2'; break;
        case 'H': case 'h': info.basisChoice = 'H'; break;
        case 'R': case 'r': info.basisChoice = 'R'; break;
        default: return false;
    }
    text.remove_prefix(1);
    return true;
}

}  // namespace

bool parseExtension(std::string_view text, ExtensionInfo& info) {
    info = ExtensionInfo{};
    if (text.empty()) return true;
    if (takeCodeCharacter(text, info)) {
        takeAxisCode(text, info);
    } else {
        if (!takeAxisCode(text, info)) return false;
        takeCodeCharacter(text, info);
    }
    return text.empty();
}
