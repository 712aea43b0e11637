#pragma once

#include "framework/CString.h"

#include <optional>

// A failing COM result raised as an exception, with the system's message text for it.
class CComError {
public:
    explicit CComError(HRESULT hr) : m_hr(hr) {}

    HRESULT Error() const { return m_hr; }

    // Made on first request and kept: the system's text without its line end, or
    // "IDispatch error #n" / "Unknown error 0x..." when the system has none.
    const char* ErrorMessage() const;

private:
    HRESULT m_hr;
    mutable std::optional<CString> m_message;
};

// The system's message text for a result code, exactly as it gives it (line end included);
// false when it has none.
bool AfxSystemMessageText(HRESULT hr, CString& text);

constexpr HRESULT AfxHResult(std::uint32_t code) {
    return static_cast<HRESULT>(code);
}

constexpr HRESULT E_POINTER_RESULT = AfxHResult(0x80004003);
constexpr HRESULT E_OUTOFMEMORY_RESULT = AfxHResult(0x8007000E);
