#include "symmetry/space_group_lookup.h"

#include <cctype>
#include <cstring>

#include "symmetry/schoenflies_symbol.h"
#include "symmetry/setting_extension.h"

namespace {

constexpr std::size_t maxNameLength = 20;
constexpr std::size_t maxExtensionLength = 5;

bool isDropped(char c) { return c == '_' || std::isspace(static_cast<unsigned char>(c)); }
char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Copies the kept characters of `text`; false when more than `limit` are kept.
bool clean(std::string_view text, std::size_t limit, std::string& out) {
    out.clear();
    for (char c : text) {
        if (isDropped(c)) continue;
        if (out.size() == limit) return false;
        out.push_back(c);
    }
    return true;
}

// The label without '_' and blanks, cut at its first '='.
std::string labelCore(std::string_view label) {
    std::string core;
    for (char c : label) {
        if (c == '=') break;
        if (!isDropped(c)) core.push_back(c);
    }
    return core;
}

bool isBar(char c) { return c == '-' || c == 'B' || c == 'b'; }

bool matchDirect(const std::string& label, std::string_view name) {
    if (label.size() != name.size()) return false;
    for (std::size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '-' ? !isBar(name[i]) : lower(label[i]) != lower(name[i])) return false;
    }
    return true;
}

// A bar before a digit in the label may stand after that digit in the name.
bool matchBarAfterDigit(const std::string& label, std::string_view name) {
    std::size_t i = 0, j = 0;
    while (i < label.size()) {
        if (label[i] == '-' && i + 1 < label.size() && isDigit(label[i + 1])) {
            if (j + 1 >= name.size() || name[j] != label[i + 1] || !isBar(name[j + 1])) return false;
            i += 2;
            j += 2;
            continue;
        }
        if (j >= name.size() || lower(label[i]) != lower(name[j])) return false;
        ++i;
        ++j;
    }
    return j == name.size();
}

// Cubic symbols are often written without the bar over the 3 ("Fd3m").
bool matchCubicWithoutBar(std::string label, std::string_view name) {
    for (std::size_t i = 0; i + 1 < label.size(); ++i)
        if (label[i] == '-' && label[i + 1] == '3') label.erase(i, 1);
    return matchDirect(label, name);
}

// First and second label of a row; fields split at blanks, tabs and '='.
void firstTwoLabels(std::string_view labels, std::string_view& first, std::string_view& second) {
    std::string_view found[2];
    int count = 0;
    std::size_t i = 0;
    while (i < labels.size() && count < 2) {
        while (i < labels.size() && std::strchr(" \t=", labels[i])) ++i;
        const std::size_t start = i;
        while (i < labels.size() && !std::strchr(" \t=", labels[i])) ++i;
        if (i > start) found[count++] = labels.substr(start, i - start);
    }
    first = found[0];
    second = found[1];
}

struct Request {
    int number = -1;           // known number (digits or Schoenflies), else -1
    ExtensionInfo info;        // the caller's extension combined with the suffix
    bool suffixOrigin = false; // an origin was given by a trailing S or Z
};

// Whether `row` is the setting asked for; `labelIndex` is 1 or 2 when the
// name matched the row's first or second label, 0 otherwise.
bool accepts(const Request& request, const SpaceGroupSetting& row, const ExtensionInfo& rowInfo,
             int labelIndex) {
    const ExtensionInfo& caller = request.info;
    if (row.number >= 3 && row.number <= 15) {
        if (request.suffixOrigin || caller.basisChoice || caller.axisCode.size() > 2) return false;
        if (!caller.axisCode.empty()) {
            if (rowInfo.axisCode != caller.axisCode) return false;
        } else if (labelIndex != 2 && rowInfo.axisCode != "b") {
            return false;
        }
        char wantedCell = caller.cellChoice;
        if (!wantedCell) wantedCell = rowInfo.cellChoice == '1' ? '1' : '\0';
        const char rowCell = rowInfo.cellChoice;
        return (!wantedCell && labelIndex == 2) || rowCell == wantedCell ||
               (!rowCell && wantedCell == '1') || (!wantedCell && rowCell == '1');
    }
    if (rowInfo.basisChoice) {
        if (caller.originChoice || caller.cellChoice || !caller.axisCode.empty()) return false;
        return caller.basisChoice ? caller.basisChoice == rowInfo.basisChoice : rowInfo.basisChoice == 'H';
    }
    if (caller.basisChoice) return false;
    const char co = caller.originChoice, ro = rowInfo.originChoice;
    if (!(co == ro || (!co && ro == '1') || (!ro && co == '1'))) return false;
    if (!caller.axisCode.empty())
        return rowInfo.axisCode == caller.axisCode || (caller.axisCode == "abc" && rowInfo.axisCode.empty());
    return labelIndex != 0 || rowInfo.axisCode.empty();
}

// One walk over the table; scans after the first look at monoclinic rows only.
const SpaceGroupSetting* scan(const Request& request, std::string_view name, bool monoclinicOnly) {
    for (const SpaceGroupSetting& row : spaceGroupSettingTable) {
        if (monoclinicOnly && row.number > 15) break;
        int labelIndex = 0;
        if (request.number < 0) {
            std::string_view first, second;
            firstTwoLabels(row.labels, first, second);
            if (matchSpaceGroupLabel(row.number, first, name)) labelIndex = 1;
            else if (!second.empty() && matchSpaceGroupLabel(row.number, second, name)) labelIndex = 2;
        }
        ExtensionInfo rowInfo;
        if (!parseExtension(row.extension, rowInfo)) return nullptr;
        if (row.number != request.number && labelIndex == 0) continue;
        if (accepts(request, row, rowInfo, labelIndex)) return &row;
    }
    return nullptr;
}

// The last rewriting: a trailing axis letter ("P21c") names the unique axis.
bool trailingAxisName(const std::string& name, std::string& out) {
    if (name.size() < 2) return false;
    const char axis = lower(name.back());
    if (axis != 'a' && axis != 'b' && axis != 'c') return false;
    out = expandMonoclinicSymbol(axis, std::string_view(name).substr(0, name.size() - 1));
    return out.size() <= maxNameLength;
}

}  // namespace

bool matchSpaceGroupLabel(int number, std::string_view label, std::string_view name) {
    const std::string core = labelCore(label);
    std::string cleanName;
    for (char c : name)
        if (!isDropped(c)) cleanName.push_back(c);
    return matchDirect(core, cleanName) || matchBarAfterDigit(core, cleanName) ||
           (number >= 195 && matchCubicWithoutBar(core, cleanName));
}

std::string expandMonoclinicSymbol(char axis, std::string_view name) {
    if (name.empty()) return std::string();
    const std::string lattice(1, name.front());
    const std::string rest(name.substr(1));
    if (axis == 'a') return lattice + rest + "11";
    if (axis == 'c') return lattice + "11" + rest;
    return lattice + "1" + rest + "1";
}

const SpaceGroupSetting* findSpaceGroupSetting(std::string_view symbol) {
    const std::size_t colon = symbol.find(':');
    std::string name, extension;
    if (!clean(symbol.substr(0, colon), maxNameLength, name) || name.empty()) return nullptr;
    if (colon != std::string_view::npos &&
        !clean(symbol.substr(colon + 1), maxExtensionLength, extension))
        return nullptr;

    char suffixOrigin = '\0', suffixBasis = '\0';
    if (name.size() >= 2) {
        switch (name.back()) {
            case 'S': case 's': suffixOrigin = '1'; break;
            case 'Z': case 'z': suffixOrigin = '2'; break;
            case 'H': case 'h': suffixBasis = 'H'; break;
            case 'R': case 'r': suffixBasis = 'R'; break;
            default: break;
        }
        if (suffixOrigin || suffixBasis) name.pop_back();
    }

    Request request;
    if (std::isalpha(static_cast<unsigned char>(name.front()))) {
        request.number = findSchoenfliesNumber(name);
    } else {
        int value = 0;
        for (char c : name) {
            if (!isDigit(c) || value > 230) return nullptr;
            value = value * 10 + (c - '0');
        }
        if (value < 1 || value > 230) return nullptr;
        request.number = value;
    }

    ExtensionInfo& info = request.info;
    if (!parseExtension(extension, info)) return nullptr;
    if (suffixOrigin) {
        if (info.originChoice && info.originChoice != suffixOrigin) return nullptr;
        info.originChoice = suffixOrigin;
        request.suffixOrigin = true;
    }
    if (suffixBasis) {
        if (info.basisChoice && info.basisChoice != suffixBasis) return nullptr;
        info.basisChoice = suffixBasis;
    }
    if (info.originChoice && info.basisChoice) return nullptr;

    if (const SpaceGroupSetting* row = scan(request, name, false)) return row;
    if (request.number >= 0 || info.axisCode.size() > 2) return nullptr;

    // Short monoclinic symbols: unique axis b (or the caller's), then c, then a
    // trailing axis letter.
    std::string rewritten;
    if (name.size() <= 18) {
        const char axis = info.axisCode.empty() ? 'b' : info.axisCode.front();
        if (const SpaceGroupSetting* row = scan(request, expandMonoclinicSymbol(axis, name), true)) return row;
        if (!info.axisCode.empty()) return nullptr;
        if (const SpaceGroupSetting* row = scan(request, expandMonoclinicSymbol('c', name), true)) return row;
    }
    if (!info.axisCode.empty() || !trailingAxisName(name, rewritten)) return nullptr;
    return scan(request, rewritten, true);
}
