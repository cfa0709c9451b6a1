// Arbitrary text as a Hall symbol, through the whole generation: parse,
// complete, export. Whatever part of the text is understood must yield a
// bounded list of well-formed operations.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "fuzz_checks.h"
#include "io/run_log.h"
#include "symmetry/hall_symbol_parser.h"
#include "symmetry/space_group_builder.h"

using fuzzcheck::isIdentity;
using fuzzcheck::require;

namespace {

// At most four centring vectors, times the inversion when it sits at the origin.
constexpr std::size_t maxExported = static_cast<std::size_t>(maxOperations) * 4 * 2;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setRunLogEnabled(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    SpaceGroupBuilder builder;
    require(parseHallSymbol(text, builder) <= text.size());
    // Completed even after a parse failure, as the generator does.
    completeSpaceGroup(builder);

    const std::vector<SymmetryOperation> operations = exportOperations(builder);
    require(operations.size() <= maxExported);
    if (!operations.empty()) require(isIdentity(operations.front()));
    for (const SymmetryOperation& op : operations)
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) require(op.m[i][j] == -1.0f || op.m[i][j] == 0.0f || op.m[i][j] == 1.0f);
            require(op.m[i][3] > -0.5f && op.m[i][3] <= 0.5f);
        }
    return 0;
}
