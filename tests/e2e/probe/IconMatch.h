#pragma once

#include <windows.h>

#include <string>

// Which of the system's message-box icons a picture control shows, told by its pixels on the
// screen: "exclamation", "hand", "question", "asterisk", or "other" when it is none of them.
// The icon handle of another process says nothing in this one, but its pixels do.
std::string IdentifyIcon(HWND picture);
