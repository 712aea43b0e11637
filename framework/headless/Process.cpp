#include "framework/Process.h"

#include "framework/headless/Machine.h"

BOOL AfxStartProcess(const char* commandLine, int nCmdShow, const char* workingFolder) {
    headless::detail::Machine& machine = headless::detail::TheMachine();
    machine.processStarts.push_back(
        {commandLine, nCmdShow, workingFolder != nullptr ? workingFolder : ""});
    machine.events.push_back(std::string("start: ") + commandLine);
    return TRUE;
}

void AfxSleep(DWORD milliseconds) {
    headless::detail::Machine& machine = headless::detail::TheMachine();
    machine.sleeps.push_back(milliseconds);
    machine.events.push_back("sleep: " + std::to_string(milliseconds));
}
