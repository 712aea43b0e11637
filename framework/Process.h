#pragma once

#include "framework/CString.h"

// Starts a program with a command line and a show state, in the working folder given,
// without waiting for it; nonzero when it started.
BOOL AfxStartProcess(const char* commandLine, int nCmdShow, const char* workingFolder); // backend

// Pauses the thread (Sleep).
void AfxSleep(DWORD milliseconds); // backend
