#include "settings/TextFile.h"

void CTextFile::Line(int tabs, std::string_view text) {
    Indent(tabs);
    Text(text);
    EndLine();
}

void CTextFile::Element(int tabs, std::string_view name, const CString& value) {
    Indent(tabs);
    m_bytes += '<';
    m_bytes += name;
    m_bytes += '>';
    for (const char ch : value.Bytes()) {
        switch (ch) {
        case '&':
            m_bytes += "&amp;";
            break;
        case '<':
            m_bytes += "&lt;";
            break;
        case '>':
            m_bytes += "&gt;";
            break;
        case '\n':
            m_bytes += "\r\n";
            break;
        default:
            m_bytes += ch;
        }
    }
    m_bytes += "</";
    m_bytes += name;
    m_bytes += '>';
    EndLine();
}

void CTextFile::Text(std::string_view text) {
    for (const char ch : text) {
        if (ch == '\n') {
            m_bytes += '\r';
        }
        m_bytes += ch;
    }
}
