#pragma once

#include <string>

constexpr char32_t AFX_INVALID_UTF8 = 0xFFFFFFFF;

// Decodes the character at pos and moves past it; AFX_INVALID_UTF8 for a malformed sequence,
// after which pos has moved by one byte.
char32_t AfxDecodeUtf8(const std::string& bytes, std::size_t& pos);

// Whether the bytes are well-formed UTF-8: shortest forms only, no surrogates, nothing past
// U+10FFFF.
bool AfxIsValidUtf8(const std::string& bytes);

// Whether the bytes of an XML file are text in the ANSI code page: no byte order mark, no
// UTF-16 start, no encoding declaration, and not valid UTF-8. The launcher writes its files
// so, and an XML engine would take such a file for UTF-8 and refuse it.
bool AfxIsAnsiDocument(const std::string& bytes);
