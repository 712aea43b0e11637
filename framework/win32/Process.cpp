#include "framework/win32/Win32.h"

#include "framework/Process.h"
#include "framework/win32/Ownership.h"

#include <cstring>
#include <vector>

BOOL AfxStartProcess(const char* commandLine, int nCmdShow, const char* workingFolder) {
    // CreateProcessA may write into the command line it is given.
    std::vector<char> writableCommandLine(commandLine, commandLine + std::strlen(commandLine) + 1);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(nCmdShow);
    PROCESS_INFORMATION started{};
    if (!::CreateProcessA(nullptr, writableCommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          workingFolder, &startup, &started)) {
        return FALSE;
    }
    // Nobody waits for the new process: its handles go at once.
    const CKernelHandle process(started.hProcess);
    const CKernelHandle thread(started.hThread);
    return TRUE;
}

void AfxSleep(DWORD milliseconds) {
    ::Sleep(milliseconds);
}
