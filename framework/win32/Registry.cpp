#include "framework/win32/Win32.h"

#include "framework/Registry.h"
#include "framework/win32/Ownership.h"

#include <utility>

struct CRegKey::Key {
    CRegKeyHandle handle;
};

LONG CRegKey::OpenLocalMachine(const char* subKey) {
    Close();
    CRegKeyHandle handle;
    const LONG result =
        ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey, 0, KEY_QUERY_VALUE, handle.put());
    if (result == ERROR_SUCCESS) {
        m_key = new Key{std::move(handle)};
    }
    return result;
}

LONG CRegKey::QueryValue(const char* valueName, BYTE* data, DWORD* size) const {
    if (m_key == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    return ::RegQueryValueExA(m_key->handle.get(), valueName, nullptr, nullptr, data, size);
}

void CRegKey::Close() {
    delete std::exchange(m_key, nullptr);
}
