#pragma once

#include <string>

#include <wx/string.h>

// The core speaks UTF-8 std::string (file names, reports, "Å"); the toolkit
// speaks wxString. File names that are not valid UTF-8 still show, byte by byte.
wxString toWx(const std::string& text);
std::string fromWx(const wxString& text);
