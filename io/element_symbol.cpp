#include "io/element_symbol.h"

#include <cctype>

#include "model/element_data.h"

namespace {

bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool isLower(char c) { return c >= 'a' && c <= 'z'; }
bool isLetter(char c) { return isUpper(c) || isLower(c); }

// Two letters when they name an element, else the first alone.
std::string leadingElement(char first, char second) {
    if (second) {
        const std::string pair{first, second};
        if (findElementRow(pair) > 0) return pair;
    }
    return std::string(1, first);
}

}  // namespace

std::string elementSymbolFromType(const std::string& typeSymbol) {
    if (findElementRow(typeSymbol) > 0 || typeSymbol.empty() || !isLetter(typeSymbol[0])) return typeSymbol;
    const char first = static_cast<char>(std::toupper(static_cast<unsigned char>(typeSymbol[0])));
    const char second = typeSymbol.size() > 1 && isLetter(typeSymbol[1])
                            ? static_cast<char>(std::tolower(static_cast<unsigned char>(typeSymbol[1])))
                            : '\0';
    return leadingElement(first, second);
}

std::string elementSymbolFromLabel(const std::string& label) {
    if (label.empty() || !isUpper(label[0])) return std::string();
    return leadingElement(label[0], label.size() > 1 && isLower(label[1]) ? label[1] : '\0');
}
