#pragma once

// Resource ids of the launcher, shared by the resource script and the code.
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_LAUNCHER_DIALOG 102
#define IDR_MAINFRAME 128
#define IDB_BACKGROUND 131
#define IDC_DISPLAY_INTRO 1004
#define IDC_WINDOW_MODE 1005
#define IDC_SHOW_FRAME_RATE 1006
#define IDC_QUICK_JOIN 1007
#define IDC_QUICK_SERVER 1008
#define IDC_JOIN_ADDRESS 1010
#define IDC_START 1011
#define IDM_ABOUTBOX 0x0010

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
