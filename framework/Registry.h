#pragma once

#include "framework/AfxTypes.h"

// An open key of the registry, closed when the object goes.
class CRegKey {
public:
    CRegKey() = default;
    ~CRegKey() { Close(); }
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;

    // RegOpenKeyExA under HKEY_LOCAL_MACHINE, options 0, access KEY_QUERY_VALUE.
    // The system's result code: 0 when the key is open.
    LONG OpenLocalMachine(const char* subKey); // backend
    // RegQueryValueExA asking for no type: stores at most *size bytes of the value's data,
    // whatever its type, and sets *size to the data's length. The system's result code:
    // 0 when the data fitted, 234 (ERROR_MORE_DATA) when it did not, and then the buffer's
    // contents are undefined.
    LONG QueryValue(const char* valueName, BYTE* data, DWORD* size) const; // backend
    void Close();                                                          // backend

private:
    struct Key;
    Key* m_key = nullptr; // owned; freed by Close
};

constexpr LONG AFX_ERROR_SUCCESS = 0;
