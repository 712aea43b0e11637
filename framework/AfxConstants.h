#pragma once

// The Win32 constants the launcher uses, with the values the system gives them.
// The Windows backend includes the system headers first, so there these
// definitions give way to the system's own.

#ifndef IDOK
#define IDOK 1
#endif
#ifndef IDCANCEL
#define IDCANCEL 2
#endif

#ifndef MB_OK
#define MB_OK 0x00000000L
#endif
#ifndef MB_ICONSTOP
#define MB_ICONSTOP 0x00000010L
#endif
#ifndef MB_ICONEXCLAMATION
#define MB_ICONEXCLAMATION 0x00000030L
#endif

#ifndef SW_HIDE
#define SW_HIDE 0
#endif
#ifndef SW_SHOWNORMAL
#define SW_SHOWNORMAL 1
#endif
#ifndef SW_SHOW
#define SW_SHOW 5
#endif

#ifndef MF_STRING
#define MF_STRING 0x00000000L
#endif
#ifndef MF_SEPARATOR
#define MF_SEPARATOR 0x00000800L
#endif

#ifndef WM_PAINT
#define WM_PAINT 0x000F
#endif
#ifndef WM_ICONERASEBKGND
#define WM_ICONERASEBKGND 0x0027
#endif
#ifndef WM_QUERYDRAGICON
#define WM_QUERYDRAGICON 0x0037
#endif
#ifndef WM_COMMAND
#define WM_COMMAND 0x0111
#endif
#ifndef WM_SYSCOMMAND
#define WM_SYSCOMMAND 0x0112
#endif

#ifndef BN_CLICKED
#define BN_CLICKED 0
#endif
#ifndef EN_SETFOCUS
#define EN_SETFOCUS 0x0100
#endif

#ifndef BST_UNCHECKED
#define BST_UNCHECKED 0x0000
#endif

#ifndef SM_CXICON
#define SM_CXICON 11
#endif
#ifndef SM_CYICON
#define SM_CYICON 12
#endif

#ifndef ID_HELP
#define ID_HELP 0xE146
#endif
