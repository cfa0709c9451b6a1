#include "io/parse_float.h"

#include <charconv>
#include <cmath>

float parseFloat(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r' ||
                               text[i] == '\v' || text[i] == '\f'))
        ++i;
    if (i < text.size() && text[i] == '+') ++i;  // from_chars takes no plus sign
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (end == first) return 0;
    if (error == std::errc::result_out_of_range) {
        // Overflow reads as infinity, underflow as zero.
        const bool negative = *first == '-';
        std::string_view digits(first, static_cast<std::size_t>(end - first));
        const bool tiny = digits.find("e-") != std::string_view::npos || digits.find("E-") != std::string_view::npos;
        if (tiny) return negative ? -0.0f : 0.0f;
        return negative ? -HUGE_VALF : HUGE_VALF;
    }
    return static_cast<float>(value);
}
