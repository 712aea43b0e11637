#include "framework/win32/Win32.h"

#include "framework/ComError.h"
#include "framework/win32/AnsiText.h"

#include <string>

namespace {

[[noreturn]] void ThrowLastError() {
    const DWORD error = ::GetLastError();
    throw CComError(AfxHResult(0x80070000u | error));
}

} // namespace

CBstr AfxAnsiToBstr(const char* bytes, int length) {
    const int wideLength =
        length == 0 ? 0 : ::MultiByteToWideChar(CP_ACP, 0, bytes, length, nullptr, 0);
    if (length != 0 && wideLength == 0) {
        ThrowLastError();
    }
    CBstr text(::SysAllocStringLen(nullptr, static_cast<UINT>(wideLength)));
    if (!text) {
        throw CComError(E_OUTOFMEMORY_RESULT);
    }
    if (length != 0 &&
        ::MultiByteToWideChar(CP_ACP, 0, bytes, length, text.get(), wideLength) == 0) {
        ThrowLastError();
    }
    return text;
}

CString AfxBstrToAnsi(BSTR text) {
    const int wideLength = static_cast<int>(::SysStringLen(text));
    if (wideLength == 0) {
        return CString();
    }
    const int length =
        ::WideCharToMultiByte(CP_ACP, 0, text, wideLength, nullptr, 0, nullptr, nullptr);
    if (length == 0) {
        ThrowLastError();
    }
    std::string bytes(static_cast<std::size_t>(length), '\0');
    if (::WideCharToMultiByte(CP_ACP, 0, text, wideLength, bytes.data(), length, nullptr,
                              nullptr) == 0) {
        ThrowLastError();
    }
    return CString(std::move(bytes));
}
