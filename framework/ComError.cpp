#include "framework/ComError.h"

#include <cstdio>

namespace {

// The text the system has none for: a dispatch error number, or the code in hexadecimal.
CString FallbackMessage(HRESULT hr) {
    const auto code = static_cast<std::uint32_t>(hr);
    const std::uint32_t dispatchCode =
        (code >= 0x80040200u && code <= 0x8004FFFFu) ? code - 0x80040200u : 0;
    char text[32];
    if (dispatchCode != 0) {
        std::snprintf(text, sizeof text, "IDispatch error #%d", static_cast<int>(dispatchCode));
    } else {
        std::snprintf(text, sizeof text, "Unknown error 0x%0lX", static_cast<unsigned long>(code));
    }
    return CString(text);
}

} // namespace

const char* CComError::ErrorMessage() const {
    if (!m_message) {
        CString text;
        if (AfxSystemMessageText(m_hr, text)) {
            std::string bytes = text.Bytes();
            if (bytes.size() > 1 && bytes.back() == '\n') {
                bytes.pop_back();
                if (!bytes.empty() && bytes.back() == '\r') {
                    bytes.pop_back();
                }
            }
            m_message = CString(std::move(bytes));
        } else {
            m_message = FallbackMessage(m_hr);
        }
    }
    return *m_message;
}
