#pragma once

#include <string>
#include <string_view>

// Text between the first '>' of the line and the next '<' (from the line's
// start without '>', to its end without '<').
std::string extractXmlText(std::string_view line);

// The double-quoted value of attribute `name`, matched as a whole attribute
// name (white space before it, '=' after it), so "x" is never found inside
// Name="Ox1". Empty when the line has no such attribute.
std::string extractXmlAttribute(std::string_view line, std::string_view name);
