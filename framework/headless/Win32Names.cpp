#include "framework/headless/Win32Names.h"

#include <map>

namespace headless::detail {

std::optional<long long> Win32Constant(const std::string& name) {
    static const std::map<std::string, long long> constants = {
        {"WS_POPUP", 0x80000000LL},
        {"WS_CHILD", 0x40000000},
        {"WS_VISIBLE", 0x10000000},
        {"WS_DISABLED", 0x08000000},
        {"WS_CAPTION", 0x00C00000},
        {"WS_BORDER", 0x00800000},
        {"WS_SYSMENU", 0x00080000},
        {"WS_GROUP", 0x00020000},
        {"WS_TABSTOP", 0x00010000},
        {"WS_EX_TRANSPARENT", 0x00000020},
        {"WS_EX_APPWINDOW", 0x00040000},
        {"DS_SETFONT", 0x40},
        {"DS_MODALFRAME", 0x80},
        {"BS_PUSHBUTTON", 0x0},
        {"BS_DEFPUSHBUTTON", 0x1},
        {"BS_AUTOCHECKBOX", 0x3},
        {"BS_GROUPBOX", 0x7},
        {"BS_CENTER", 0x300},
        {"BS_VCENTER", 0xC00},
        {"BS_PUSHLIKE", 0x1000},
        {"BS_FLAT", 0x8000},
        {"SS_LEFT", 0x0},
        {"SS_ICON", 0x3},
        {"SS_BITMAP", 0xE},
        {"SS_NOPREFIX", 0x80},
        {"SS_CENTERIMAGE", 0x200},
        {"ES_LEFT", 0x0},
        {"IDOK", 1},
        {"IDCANCEL", 2},
        {"VS_VERSION_INFO", 1},
    };
    const auto found = constants.find(name);
    if (found == constants.end()) {
        return std::nullopt;
    }
    return found->second;
}

} // namespace headless::detail
