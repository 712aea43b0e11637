#pragma once

#include "framework/AfxTypes.h"

#include <string>

// A counted string of single-byte characters in the system's ANSI code page.
class CString {
public:
    CString() = default;
    CString(const char* text) : m_bytes(text ? text : "") {}
    CString(const char* bytes, int length) : m_bytes(bytes, static_cast<std::size_t>(length)) {}
    explicit CString(std::string bytes) : m_bytes(std::move(bytes)) {}

    int GetLength() const { return static_cast<int>(m_bytes.size()); }
    bool IsEmpty() const { return m_bytes.empty(); }
    void Empty() { m_bytes.clear(); }
    const std::string& Bytes() const { return m_bytes; }
    operator const char*() const { return m_bytes.c_str(); }

    CString& operator+=(const CString& other) {
        m_bytes += other.m_bytes;
        return *this;
    }
    CString& operator+=(const char* text) {
        m_bytes += text;
        return *this;
    }
    CString& operator+=(char ch) {
        m_bytes += ch;
        return *this;
    }

    // Loads a string resource; an id the program does not have gives FALSE and an empty text.
    BOOL LoadString(UINT id);

    friend CString operator+(CString left, const CString& right) { return left += right; }
    friend CString operator+(CString left, const char* right) { return left += right; }
    friend bool operator==(const CString& left, const CString& right) {
        return left.m_bytes == right.m_bytes;
    }
    friend bool operator==(const CString& left, const char* right) { return left.m_bytes == right; }
    friend bool operator!=(const CString& left, const CString& right) { return !(left == right); }
    friend bool operator!=(const CString& left, const char* right) { return !(left == right); }

private:
    std::string m_bytes;
};
