// Arbitrary text as a space-group symbol: the lookup and the operation
// generator must neither crash nor contradict each other.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "fuzz_checks.h"
#include "io/run_log.h"
#include "symmetry/space_group_lookup.h"
#include "symmetry/space_group_operations.h"

using fuzzcheck::isIdentity;
using fuzzcheck::require;

namespace {

void requireValidRow(const SpaceGroupSetting* setting) {
    if (!setting) return;
    const std::size_t row = settingIndex(*setting);
    require(row < spaceGroupSettingCount && &spaceGroupSettingTable[row] == setting);
    require(setting->number >= 1 && setting->number <= 230);
}

std::string_view withoutLeadingBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setRunLogEnabled(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    requireValidRow(findSpaceGroupSetting(text));

    // The generator skips leading blanks and tabs before its lookup.
    const SpaceGroupSetting* setting = findSpaceGroupSetting(withoutLeadingBlanks(text));
    requireValidRow(setting);
    const std::vector<SymmetryOperation> operations = generateSpaceGroupOperations(text);
    require(operations.empty() == (setting == nullptr));
    if (!operations.empty()) require(isIdentity(operations.front()));

    // The memoised route the readers take must give the same answer.
    const ResolvedSpaceGroup resolved = resolveSpaceGroup(text);
    require(resolved.setting == setting);
    require(resolved.operations != nullptr && resolved.operations->size() == operations.size());
    return 0;
}
