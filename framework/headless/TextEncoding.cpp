#include "framework/headless/TextEncoding.h"

#include "framework/Utf8.h"

#include <cstdint>

namespace headless::detail {

namespace {

// The characters of bytes 0x80 to 0x9F; the other bytes above 0x7F are their own code points.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ToAnsi(char32_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) {
        return static_cast<char>(ch);
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == ch) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

void AppendUtf8(std::string& text, char32_t ch) {
    if (ch < 0x80) {
        text += static_cast<char>(ch);
    } else if (ch < 0x800) {
        text += static_cast<char>(0xC0 | (ch >> 6));
        text += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (ch >> 12));
        text += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (ch & 0x3F));
    }
}

} // namespace

std::string Utf8ToAnsi(const std::string& utf8) {
    std::string ansi;
    for (std::size_t pos = 0; pos < utf8.size();) {
        ansi += ToAnsi(AfxDecodeUtf8(utf8, pos));
    }
    return ansi;
}

std::string AnsiToUtf8(const std::string& ansi) {
    std::string utf8;
    for (const char byte : ansi) {
        const auto value = static_cast<unsigned char>(byte);
        AppendUtf8(utf8, value >= 0x80 && value <= 0x9F ? kHighControls[value - 0x80] : value);
    }
    return utf8;
}

} // namespace headless::detail
