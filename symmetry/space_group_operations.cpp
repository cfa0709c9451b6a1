#include "symmetry/space_group_operations.h"

#include <mutex>
#include <string>
#include <unordered_map>

#include "symmetry/hall_symbol_parser.h"
#include "symmetry/space_group_lookup.h"

namespace {

std::string_view skipLeadingBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    return text;
}

const std::vector<SymmetryOperation>& cachedOperations(const SpaceGroupSetting& setting) {
    static std::once_flag flags[spaceGroupSettingCount];
    static std::vector<SymmetryOperation> operations[spaceGroupSettingCount];
    const std::size_t row = settingIndex(setting);
    std::call_once(flags[row], [&] { operations[row] = operationsFromHallSymbol(setting.hallSymbol); });
    return operations[row];
}

// Texts seen so far and the row they resolved to (-1: none). Bounded, since
// files may bring any number of distinct spellings.
const SpaceGroupSetting* cachedLookup(std::string_view text) {
    static std::mutex mutex;
    static std::unordered_map<std::string, int> rows;
    constexpr std::size_t maxEntries = 4096;
    {
        std::lock_guard<std::mutex> lock(mutex);
        const auto found = rows.find(std::string(text));
        if (found != rows.end()) return found->second < 0 ? nullptr : &spaceGroupSettingTable[found->second];
    }
    const SpaceGroupSetting* setting = findSpaceGroupSetting(text);
    std::lock_guard<std::mutex> lock(mutex);
    if (rows.size() >= maxEntries) rows.clear();
    rows.emplace(std::string(text), setting ? static_cast<int>(settingIndex(*setting)) : -1);
    return setting;
}

}  // namespace

std::vector<SymmetryOperation> operationsFromHallSymbol(std::string_view hallSymbol) {
    SpaceGroupBuilder builder;
    // Failures leave whatever the builder holds; the table's symbols never fail.
    parseHallSymbol(hallSymbol, builder);
    completeSpaceGroup(builder);
    return exportOperations(builder);
}

std::vector<SymmetryOperation> generateSpaceGroupOperations(std::string_view symbolText) {
    const SpaceGroupSetting* setting = findSpaceGroupSetting(skipLeadingBlanks(symbolText));
    return setting ? operationsFromHallSymbol(setting->hallSymbol) : std::vector<SymmetryOperation>{};
}

ResolvedSpaceGroup resolveSpaceGroup(std::string_view symbolText) {
    static const std::vector<SymmetryOperation> none;
    ResolvedSpaceGroup resolved;
    resolved.setting = cachedLookup(skipLeadingBlanks(symbolText));
    resolved.operations = resolved.setting ? &cachedOperations(*resolved.setting) : &none;
    return resolved;
}
