#include "framework/MessageMap.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, entries};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

namespace {

bool Matches(const AFX_MSGMAP_ENTRY& entry, UINT message, WPARAM wParam) {
    if (entry.nMessage != message) {
        return false;
    }
    if (message != WM_COMMAND) {
        return true;
    }
    const UINT id = static_cast<UINT>(wParam & 0xFFFF);
    const UINT code = static_cast<UINT>((wParam >> 16) & 0xFFFF);
    return entry.nID == id && entry.nCode == code;
}

} // namespace

bool CCmdTarget::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfn != nullptr; ++entry) {
            if (Matches(*entry, message, wParam)) {
                *result = entry->pfn(this, wParam, lParam);
                return true;
            }
        }
    }
    return false;
}
