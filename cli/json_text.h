#pragma once

#include <string>
#include <string_view>

// Small helpers for the JSON the command-line tool prints.

// A quoted JSON string with the necessary escapes.
std::string jsonString(std::string_view text);

// The shortest decimal text that reads back as the same float ("0.5",
// "0.33333334", "1"); "null" for NaN and infinities, which JSON cannot hold.
std::string jsonNumber(float value);
