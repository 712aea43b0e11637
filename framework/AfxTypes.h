#pragma once

#include <cstdint>

// The Win32 names the launcher is written in. On Windows they must be the very
// types the system headers declare, so that the backend can include both.
using BOOL = int;
using UINT = unsigned int;
using BYTE = unsigned char;
#ifdef _WIN32
using DWORD = unsigned long;
using LONG = long;
using HRESULT = long;
#ifdef _WIN64
using WPARAM = unsigned long long;
using LPARAM = long long;
using UINT_PTR = unsigned long long;
using INT_PTR = long long;
#else
using WPARAM = unsigned int;
using LPARAM = long;
using UINT_PTR = unsigned int;
using INT_PTR = int;
#endif
#else
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using HRESULT = std::int32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using INT_PTR = std::intptr_t;
#endif
using LRESULT = LPARAM;
static_assert(sizeof(HRESULT) == 4, "a result code is 32 bits wide");

using HWND = struct HWND__*;
using HICON = struct HICON__*;
using HCURSOR = HICON;
using HDC = struct HDC__*;
using HMENU = struct HMENU__*;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
