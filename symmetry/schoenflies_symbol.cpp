#include "symmetry/schoenflies_symbol.h"

#include <array>
#include <cctype>

namespace {

struct CrystalClass {
    const char* name;
    int groups;  // consecutive space-group numbers of this class
};

// Classes in space-group number order; the running index restarts per class.
constexpr std::array<CrystalClass, 32> crystalClasses = {{
    {"C1", 1},  {"Ci", 1},   {"C2", 3},  {"Cs", 4},   {"C2h", 6}, {"D2", 9},   {"C2v", 22},
    {"D2h", 28}, {"C4", 6},  {"S4", 2},  {"C4h", 6},  {"D4", 10}, {"C4v", 12}, {"D2d", 12},
    {"D4h", 20}, {"C3", 4},  {"C3i", 2}, {"D3", 7},   {"C3v", 6}, {"D3d", 6},  {"C6", 6},
    {"C3h", 1},  {"C6h", 2}, {"D6", 6},  {"C6v", 4},  {"D3h", 4}, {"D6h", 4},  {"T", 5},
    {"Th", 7},   {"O", 8},   {"Td", 6},  {"Oh", 10},
}};

const std::array<std::string, 231>& symbolTable() {
    static const std::array<std::string, 231> table = [] {
        std::array<std::string, 231> symbols;
        int number = 1;
        for (const CrystalClass& cls : crystalClasses)
            for (int index = 1; index <= cls.groups; ++index)
                symbols[number++] = std::string(cls.name) + "^" + std::to_string(index);
        return symbols;
    }();
    return table;
}

bool matches(std::string_view symbol, std::string_view name) {
    if (symbol.size() != name.size()) return false;
    for (std::size_t i = 0; i < symbol.size(); ++i) {
        const unsigned char s = static_cast<unsigned char>(symbol[i]);
        const unsigned char n = static_cast<unsigned char>(name[i]);
        if (s == '^' && !std::isalnum(n)) continue;
        if (std::tolower(s) != std::tolower(n)) return false;
    }
    return true;
}

}  // namespace

std::string schoenfliesSymbol(int number) {
    return number >= 1 && number <= 230 ? symbolTable()[number] : std::string();
}

int findSchoenfliesNumber(std::string_view name) {
    for (int number = 1; number <= 230; ++number)
        if (matches(symbolTable()[number], name)) return number;
    return -1;
}
