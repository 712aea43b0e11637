#include "framework/win32/Win32.h"

#include "framework/CString.h"

#include <vector>

BOOL CString::LoadString(UINT id) {
    // LoadStringA cuts a text to the buffer without saying so: a text that fills the
    // buffer is loaded again into a larger one.
    std::vector<char> buffer(256);
    int length = 0;
    while ((length = ::LoadStringA(::GetModuleHandleA(nullptr), id, buffer.data(),
                                   static_cast<int>(buffer.size()))) ==
           static_cast<int>(buffer.size()) - 1) {
        buffer.resize(buffer.size() * 2);
    }
    m_bytes.assign(buffer.data(), static_cast<std::size_t>(length));
    return length > 0 ? TRUE : FALSE;
}
