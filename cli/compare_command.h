#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// `tessara-cli compare [--method M] [options] PATH...`: the similarity matrix
// of every structure named, as the command window shows it, or as JSON/CSV,
// and the dendrogram as SVG.
int runCompareCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
