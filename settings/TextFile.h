#pragma once

#include "framework/CString.h"

#include <string>
#include <string_view>

// The bytes of a file as the launcher writes its files: single-byte text, tabs for
// indentation, and CR LF after every line, the last one included. A line feed inside a
// text is stored as CR LF too, as a text-mode stream would store it.
class CTextFile {
public:
    // A line of fixed text or stored markup, written as it is.
    void Line(int tabs, std::string_view text);
    // An element line: the start tag, the value, the end tag. The characters that would
    // end or break the markup ("&", "<", ">") are written as entity references, so the
    // file stays well-formed and reads back to the same value.
    void Element(int tabs, std::string_view name, const CString& value);

    const std::string& Bytes() const { return m_bytes; }

private:
    void Text(std::string_view text);
    void Indent(int tabs) { m_bytes.append(static_cast<std::size_t>(tabs), '\t'); }
    void EndLine() { m_bytes += "\r\n"; }

    std::string m_bytes;
};
