#pragma once

#include <string_view>

// The number at the start of `text` (after leading white space), rounded to
// float; reading stops at the first character that cannot continue it, so
// "1.234(5)" gives 1.234. Text without a number ("?", ".") gives 0.
// Independent of the process locale. "nan", "inf" and values beyond the float
// range come through as NaN or infinity for the caller to reject.
float parseFloat(std::string_view text);
