#include "framework/win32/Win32.h"

#include "framework/ComError.h"
#include "framework/win32/Ownership.h"

bool AfxSystemMessageText(HRESULT hr, CString& text) {
    char* buffer = nullptr; // allocated by the system
    const DWORD length =
        ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, nullptr,
                         static_cast<DWORD>(hr), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                         reinterpret_cast<LPSTR>(&buffer), 0, nullptr);
    const CLocalMemory owner(buffer);
    if (length == 0) {
        return false;
    }
    text = CString(buffer, static_cast<int>(length));
    return true;
}
