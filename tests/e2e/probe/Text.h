#pragma once

#include <windows.h>

#include <string>

// UTF-8 for the report; the report is read by shell scripts, so it never carries UTF-16.
std::string Utf8(const std::wstring& text);

// The text in double quotes, with backslash escapes for quotes, backslashes and control
// characters, so that every item of the report stays on one line.
std::string Quoted(const std::wstring& text);

// A window's text as its owner answers WM_GETTEXT. GetWindowText cannot read the controls of
// another process, and a hung owner must not hang the report, hence the timeout.
std::wstring WindowText(HWND window);

std::wstring ClassName(HWND window);

// A rectangle as left,top,right,bottom.
std::string Coordinates(const RECT& rect);

// Handles and style words in a fixed width, so that the report lines line up from run to run.
std::string Hex32(unsigned long value);
