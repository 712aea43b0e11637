#pragma once

#include "framework/Dialog.h"

#include <functional>
#include <string>
#include <vector>

// The simulated machine of the headless build, as tests see and drive it: the
// registry, what the program showed and started, and its dialogs, worked like a user would.
namespace headless {

// Everything back to a fresh machine: registry, records, queued user scripts, injected
// failures and the records of painting. Dialogs that are open stay open.
void Reset();

// A registry value under HKEY_LOCAL_MACHINE, stored as REG_SZ with its terminating NUL.
void SetRegistryString(const char* subKey, const char* valueName, const std::string& text);
// A registry value with exactly these bytes and this type.
void SetRegistryValue(const char* subKey, const char* valueName, std::string bytes, DWORD type);

struct MessageBoxRecord {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};
// Every box shown, in order; each was answered with IDOK.
const std::vector<MessageBoxRecord>& MessageBoxes();

struct ProcessStart {
    std::string commandLine;
    int show;
    std::string workingFolder;
};
const std::vector<ProcessStart>& ProcessStarts();
const std::vector<DWORD>& Sleeps();

// Everything observable, in order: "box: <text>", "start: <command line>", "sleep: <ms>",
// "replace: <path as the program gave it>" (a file replaced), "coinit", "oleinit".
const std::vector<std::string>& Events();
// Whether the program enabled the hosting of controls in dialogs.
bool ControlContainerEnabled();

// The next creation of an XML document object fails with this result.
void FailNextCreateInstance(HRESULT hr);

// The steps of replacing a file, in order: the temporary file is created, written, flushed
// to the disk and closed, then takes the target's place.
enum class ReplaceStep { Create, Write, Flush, Close, Rename };
// The call-th replacement of a file since the last Reset (the first is 1) fails at that
// step, as a full disk or a file held by another program would make it fail; Write fails
// with half of the bytes written. Every other replacement succeeds as usual.
void FailReplace(int call, ReplaceStep step);

// What the user does while a dialog runs: one script per DoModal, taken in order. A dialog
// whose script returns without having ended it is closed by the user with the close box.
using UserScript = std::function<void(CDialog&)>;
void QueueUser(UserScript script);

// The user's hands. Each acts only as a user could: on a dialog that is open and not
// disabled by a dialog above it, and on a control that is visible and enabled.
// Click: a button takes the focus, an automatic check box toggles, then the dialog gets
// BN_CLICKED; an edit box only takes the focus; pictures and frames ignore it.
void Click(CDialog& dialog, int id);
// Moves the focus to a control that can take it (not a picture, text or frame).
void Focus(CDialog& dialog, int id);
// Appends text to the edit box that has the focus.
void Type(CDialog& dialog, const std::string& text);
enum class Key { Enter, Escape, Tab };
// Tab: to the next visible, enabled tab stop in template order, wrapping around.
// Enter: clicks the push button that has the focus, else the default push button.
// Escape: the dialog gets the IDCANCEL command.
void Press(CDialog& dialog, Key key);
// A command from the system menu or the caption (WM_SYSCOMMAND).
void SysCommand(CDialog& dialog, UINT command);
void SetIconic(CDialog& dialog, bool iconic);
// The client area's size in pixels; by default the template's size at 6 by 13 pixels per
// 4 by 8 dialog units.
void SetClientSize(CDialog& dialog, int width, int height);
// The system asks the dialog to paint itself (WM_PAINT).
void Paint(CDialog& dialog);

// What the user sees.
struct ControlView {
    int id;
    std::string className; // as the system names it: "Button", "Static", "Edit"
    std::string text;
    DWORD style;
    DWORD exStyle;
    bool visible;
    bool enabled;
    int check;
    int x, y, cx, cy; // dialog units
};
// The controls in template order.
std::vector<ControlView> Controls(const CDialog& dialog);
// The first control with that id; throws std::out_of_range when there is none.
ControlView Control(const CDialog& dialog, int id);
// The id of the control with the focus; 0 when none has it.
int FocusedId(const CDialog& dialog);
std::string Caption(const CDialog& dialog);

struct MenuItem {
    UINT flags;
    UINT_PTR id;
    std::string text;
};
std::vector<MenuItem> SystemMenu(const CDialog& dialog);
HICON BigIcon(const CDialog& dialog);
HICON SmallIcon(const CDialog& dialog);

struct IconDraw {
    int x;
    int y;
    HICON icon;
};
// Icons drawn while painting, in order.
std::vector<IconDraw> IconDraws();
// Paintings that the program began and ended itself (CPaintDC).
struct PaintCount {
    int begun;
    int ended;
};
PaintCount Paints();

// True once EndDialog was called for the dialog's current run.
bool IsEnded(const CDialog& dialog);
// The dialogs whose modal run is going on, the first opened first.
std::vector<CDialog*> OpenDialogs();

} // namespace headless
