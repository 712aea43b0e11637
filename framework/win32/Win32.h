#pragma once

// The one way into the system's headers. Every source of this backend includes it first,
// before the framework's headers, so that the framework's constants give way to the system's.
#include <windows.h>

#include <ole2.h>

#include <msxml2.h>

// The system's "A"/"W" switching macros that share their names with framework members.
#undef AppendMenu
#undef GetWindowText
#undef LoadIcon
#undef LoadString
#undef MessageBox
#undef SendMessage
#undef SetWindowText
