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

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace

bool AfxIsValidUtf8(const std::string& bytes) {
    const auto* next = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = next + bytes.size();
    while (next < end) {
        const unsigned char lead = *next;
        int following = 0;
        unsigned long codePoint = 0;
        unsigned long smallest = 0;
        if (lead < 0x80) {
            ++next;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            following = 1;
            codePoint = lead & 0x1F;
            smallest = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            following = 2;
            codePoint = lead & 0x0F;
            smallest = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            following = 3;
            codePoint = lead & 0x07;
            smallest = 0x10000;
        } else {
            return false;
        }
        if (end - next <= following) {
            return false;
        }
        for (int i = 1; i <= following; ++i) {
            if (!IsContinuation(next[i])) {
                return false;
            }
            codePoint = (codePoint << 6) | (next[i] & 0x3F);
        }
        if (codePoint < smallest || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
            return false;
        }
        next += following + 1;
    }
    return true;
}

bool AfxIsAnsiDocument(const std::string& bytes) {
    return !HasByteOrderMarkOrWideStart(bytes) && !DeclaresEncoding(bytes) &&
           !AfxIsValidUtf8(bytes);
}
