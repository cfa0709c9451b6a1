#pragma once

#include <string_view>
#include <vector>

#include "symmetry/space_group_setting.h"
#include "symmetry/symmetry_operation.h"

// The operations of the setting a space-group text resolves to, identity
// first; empty when the text resolves to no setting. Blanks and tabs in front
// of the text are skipped.
std::vector<SymmetryOperation> generateSpaceGroupOperations(std::string_view symbolText);

// The operations generated from one Hall symbol (no lookup, no caching).
std::vector<SymmetryOperation> operationsFromHallSymbol(std::string_view hallSymbol);

// A space-group text resolved once: the setting (null when none) and its
// operations. Both lookups are memoised and safe to call from several threads,
// so loading thousands of structures of one group generates it once.
struct ResolvedSpaceGroup {
    const SpaceGroupSetting* setting = nullptr;
    const std::vector<SymmetryOperation>* operations = nullptr;  // never null
};
ResolvedSpaceGroup resolveSpaceGroup(std::string_view symbolText);
