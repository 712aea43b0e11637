#include "framework/Dialog.h"

#include "framework/headless/DialogBuilder.h"
#include "framework/headless/Machine.h"

#include <algorithm>

namespace {

using namespace headless::detail;

// One modal run: the dialog's window is open, and the window below it disabled, for as
// long as the object lives, whatever way the run ends.
class ModalRun {
public:
    ModalRun(CDialog& dialog, std::unique_ptr<HWND__> window, HWND owner)
        : m_dialog(dialog), m_window(std::move(window)), m_owner(owner) {
        if (m_owner != nullptr && (m_owner->style & kWsDisabled) == 0) {
            m_owner->style |= kWsDisabled;
            m_ownerDisabled = true;
        }
        OpenDialogWindows().push_back(m_window.get());
        m_dialog.m_hWnd = m_window.get();
    }
    ~ModalRun() {
        m_dialog.m_hWnd = nullptr;
        auto& open = OpenDialogWindows();
        open.erase(std::remove(open.begin(), open.end(), m_window.get()), open.end());
        if (m_ownerDisabled) {
            m_owner->style &= ~kWsDisabled;
        }
    }
    ModalRun(const ModalRun&) = delete;
    ModalRun& operator=(const ModalRun&) = delete;

    HWND Window() const { return m_window.get(); }

private:
    CDialog& m_dialog;
    std::unique_ptr<HWND__> m_window;
    HWND m_owner; // not owned
    bool m_ownerDisabled = false;
};

// The first control that the Tab key reaches, or null.
HWND FirstTabStop(HWND dialog) {
    for (const auto& child : dialog->children) {
        if ((child->style & kWsTabStop) != 0 && IsUsable(child.get())) {
            return child.get();
        }
    }
    return nullptr;
}

// What the user does while the dialog is open: the next queued script, then closing it.
void RunUser(CDialog& dialog, HWND window) {
    auto& scripts = TheMachine().userScripts;
    if (!scripts.empty()) {
        const headless::UserScript script = std::move(scripts.front());
        scripts.pop_front();
        script(dialog);
    }
    if (!window->ended) {
        SendToDialog(window, WM_SYSCOMMAND, kScClose, 0);
    }
    if (!window->ended) {
        dialog.EndDialog(IDCANCEL);
    }
}

} // namespace

INT_PTR CDialog::DoModal() {
    const auto& dialogs = ProgramResources().dialogs;
    const auto found = dialogs.find(m_nIDTemplate);
    if (found == dialogs.end()) {
        return -1;
    }
    const HWND owner = m_pParentWnd != nullptr ? m_pParentWnd->GetSafeHwnd() : ActiveWindow();
    ModalRun run(*this, BuildDialogWindow(found->second, *this), owner);
    const HWND window = run.Window();
    if (OnInitDialog()) {
        if (const HWND first = FirstTabStop(window)) {
            MoveFocus(window, first);
        }
    }
    if (!window->ended) {
        window->style |= kWsVisible;
        RunUser(*this, window);
    }
    return window->result;
}

void CDialog::EndDialog(int nResult) {
    if (m_hWnd == nullptr) {
        return;
    }
    m_hWnd->ended = true;
    m_hWnd->result = nResult;
}
