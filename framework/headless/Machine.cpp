#include "framework/headless/Machine.h"

namespace headless {

detail::Machine& detail::TheMachine() {
    static Machine machine;
    return machine;
}

void Reset() {
    detail::TheMachine() = detail::Machine{};
}

const std::vector<MessageBoxRecord>& MessageBoxes() {
    return detail::TheMachine().messageBoxes;
}

const std::vector<ProcessStart>& ProcessStarts() {
    return detail::TheMachine().processStarts;
}

const std::vector<DWORD>& Sleeps() {
    return detail::TheMachine().sleeps;
}

const std::vector<std::string>& Events() {
    return detail::TheMachine().events;
}

bool ControlContainerEnabled() {
    return detail::TheMachine().controlContainerEnabled;
}

void FailNextCreateInstance(HRESULT hr) {
    detail::TheMachine().createInstanceFailure = hr;
}

void FailReplace(int call, ReplaceStep step) {
    detail::TheMachine().replaceFailure = detail::Machine::ReplaceFailure{call, step};
}

void QueueUser(UserScript script) {
    detail::TheMachine().userScripts.push_back(std::move(script));
}

std::vector<IconDraw> IconDraws() {
    return detail::TheMachine().iconDraws;
}

PaintCount Paints() {
    return detail::TheMachine().paints;
}

} // namespace headless
