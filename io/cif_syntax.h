#pragma once

#include <string>
#include <string_view>
#include <vector>

// The value written after a data name in one CIF line, `position` being just
// after the name: the text inside the first pair of double or else single
// quotes, else the text up to a '(' (a standard uncertainty), else the rest of
// the line. Not trimmed.
std::string extractCifValue(std::string_view line, std::size_t position);

// The tokens of one CIF line: white-space separated, a quoted token ('…' or
// "…", closed by the quote followed by white space or the line's end) is one
// token without its quotes, and '#' outside quotes starts a comment.
std::vector<std::string> cifTokens(std::string_view line);

// Lower-case copy, for CIF's case-insensitive data names.
std::string lowerCase(std::string_view text);
