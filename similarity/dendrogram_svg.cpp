#include "similarity/dendrogram_svg.h"

#include <cstddef>
#include <sstream>

namespace {

constexpr const char* kReplacement = "\xEF\xBF\xBD";

// Length of the valid UTF-8 sequence starting at text[i], or 0.
std::size_t utf8Length(const std::string& text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // overlong
        if (lead == 0xED) high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;   // overlong
        if (lead == 0xF4) high = 0x8F;  // beyond U+10FFFF
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
    return length;
}

std::string escaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            const std::size_t length = utf8Length(text, i);
            if (length == 0) {
                out += kReplacement;
                ++i;
            } else {
                out.append(text, i, length);
                i += length;
            }
            continue;
        }
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&apos;"; break;
            default:
                if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
                    out += kReplacement;
                else
                    out += static_cast<char>(c);
        }
        ++i;
    }
    return out;
}

std::string colour(Rgb c) {
    return "rgb(" + std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue) + ")";
}

void write(std::ostream& out, const LayoutRect& r) {
    out << "<rect x=\"" << r.left << "\" y=\"" << r.top << "\" width=\"" << r.width << "\" height=\"" << r.height
        << "\" fill=\"" << colour(r.fill) << "\" stroke=\"black\" stroke-width=\"" << r.penWidth << "\"/>\n";
}

void write(std::ostream& out, const LayoutLine& l) {
    out << "<line x1=\"" << l.x1 << "\" y1=\"" << l.y1 << "\" x2=\"" << l.x2 << "\" y2=\"" << l.y2
        << "\" stroke=\"black\" stroke-width=\"" << l.penWidth << "\"/>\n";
}

void write(std::ostream& out, const LayoutText& t) {
    // Hanging baseline: y is the top of the text, as the window draws it. Set
    // on each text because SVG 1.1 viewers do not inherit it from a group.
    out << "<text x=\"" << t.x << "\" y=\"" << t.y << "\" dominant-baseline=\"hanging\">" << escaped(t.text)
        << "</text>\n";
}

}  // namespace

std::string dendrogramSvg(const DendrogramLayout& layout, const std::string& title) {
    std::ostringstream out;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" << layout.width << "\" height=\""
        << layout.height << "\" viewBox=\"0 0 " << layout.width << ' ' << layout.height << "\">\n"
        << "<title>" << escaped(title) << "</title>\n"
        << "<g font-family=\"sans-serif\" font-size=\"11px\" fill=\"black\">\n";
    for (const LayoutItem& item : layout.items) {
        // Shapes carry their own fill, so the group's black fill only reaches the texts.
        std::visit([&](const auto& shape) { write(out, shape); }, item);
    }
    out << "</g>\n</svg>\n";
    return out.str();
}
