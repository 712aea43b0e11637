#include "framework/Utf8.h"

#include <cstring>

namespace {

bool StartsWith(const std::string& bytes, const char* prefix, std::size_t length) {
    return bytes.compare(0, length, prefix, length) == 0;
}

// UTF-8, UTF-16 in either byte order, or UTF-16 without a mark, whose first character
// is the '<' of the document.
bool HasByteOrderMarkOrWideStart(const std::string& bytes) {
    return StartsWith(bytes, "\xEF\xBB\xBF", 3) || StartsWith(bytes, "\xFF\xFE", 2) ||
           StartsWith(bytes, "\xFE\xFF", 2) || StartsWith(bytes, "<\0", 2) ||
           StartsWith(bytes, "\0<", 2);
}

bool DeclaresEncoding(const std::string& bytes) {
    if (!StartsWith(bytes, "<?xml", 5) || bytes.size() < 6 ||
        std::strchr(" \t\r\n", bytes[5]) == nullptr) {
        return false;
    }
    const std::size_t end = bytes.find("?>");
    return bytes.substr(0, end).find("encoding") != std::string::npos;
}

} // namespace

char32_t AfxDecodeUtf8(const std::string& bytes, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(bytes[pos++]);
    if (lead < 0x80) {
        return lead;
    }
    int length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 1;
        value = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 2;
        value = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 3;
        value = lead & 0x07;
        minimum = 0x10000;
    } else {
        return AFX_INVALID_UTF8;
    }
    if (pos + static_cast<std::size_t>(length) > bytes.size()) {
        return AFX_INVALID_UTF8;
    }
    for (int i = 0; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[pos + static_cast<std::size_t>(i)]);
        if ((next & 0xC0) != 0x80) {
            return AFX_INVALID_UTF8;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return AFX_INVALID_UTF8;
    }
    pos += static_cast<std::size_t>(length);
    return value;
}

bool AfxIsValidUtf8(const std::string& bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        if (AfxDecodeUtf8(bytes, pos) == AFX_INVALID_UTF8) {
            return false;
        }
    }
    return true;
}

bool AfxIsAnsiDocument(const std::string& bytes) {
    return !HasByteOrderMarkOrWideStart(bytes) && !DeclaresEncoding(bytes) &&
           !AfxIsValidUtf8(bytes);
}
