#pragma once

#include <string>

#include "similarity/dendrogram_layout.h"

// A standalone SVG document of the layout in the same pixel coordinates as
// the window paints it: texts anchored at their top-left corner in an 11px
// sans-serif font, the title in a <title> element. Text is XML-escaped; bytes
// that are not valid UTF-8 and control characters XML cannot hold become
// U+FFFD, so any file name can go into the title.
std::string dendrogramSvg(const DendrogramLayout& layout, const std::string& title);
