#pragma once

#include "framework/win32/Win32.h"

#include "framework/CString.h"
#include "framework/win32/Ownership.h"

// Conversions between the program's ANSI text and the UTF-16 of the COM objects. A failure
// is raised as CComError: E_OUTOFMEMORY when a string cannot be allocated, otherwise the
// system's error code as a result code.

// Bytes in the ANSI code page as a BSTR.
CBstr AfxAnsiToBstr(const char* bytes, int length);
// A BSTR in the ANSI code page; a null BSTR gives an empty text.
CString AfxBstrToAnsi(BSTR text);
