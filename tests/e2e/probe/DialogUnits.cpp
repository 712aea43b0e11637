#include "DialogUnits.h"

#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "Text.h"

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

struct ModuleFreer {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using UniqueModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFreer>;

struct WindowDestroyer {
    void operator()(HWND window) const { DestroyWindow(window); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

constexpr WORD kExtendedSignature = 0xFFFF;

// Where the fields that matter here stand in the two template layouts.
struct TemplateLayout {
    size_t style;
    size_t itemCount;
    size_t menu;
};
constexpr TemplateLayout kExtendedLayout = {12, 16, 26};
constexpr TemplateLayout kPlainLayout = {0, 8, 18};

TemplateLayout LayoutOf(const std::vector<BYTE>& dialogTemplate) {
    WORD signature = 0;
    std::memcpy(&signature, dialogTemplate.data() + 2, sizeof signature);
    return signature == kExtendedSignature ? kExtendedLayout : kPlainLayout;
}

// Steps over a menu or class field: empty, an ordinal, or a terminated UTF-16 name.
size_t SkipNameOrOrdinal(const std::vector<BYTE>& data, size_t offset) {
    if (offset + 2 > data.size()) {
        return data.size();
    }
    WORD first = 0;
    std::memcpy(&first, data.data() + offset, sizeof first);
    if (first == 0) {
        return offset + 2;
    }
    if (first == 0xFFFF) {
        return offset + 4;
    }
    for (; offset + 2 <= data.size(); offset += 2) {
        WORD unit = 0;
        std::memcpy(&unit, data.data() + offset, sizeof unit);
        if (unit == 0) {
            return offset + 2;
        }
    }
    return data.size();
}

std::wstring CaptionOf(const std::vector<BYTE>& dialogTemplate) {
    if (dialogTemplate.size() < kExtendedLayout.menu) {
        return {};
    }
    size_t offset = LayoutOf(dialogTemplate).menu;
    offset = SkipNameOrOrdinal(dialogTemplate, offset);
    offset = SkipNameOrOrdinal(dialogTemplate, offset);
    std::wstring caption;
    for (; offset + 2 <= dialogTemplate.size(); offset += 2) {
        wchar_t unit = 0;
        std::memcpy(&unit, dialogTemplate.data() + offset, sizeof unit);
        if (unit == 0) {
            break;
        }
        caption += unit;
    }
    return caption;
}

struct TemplateSearch {
    std::wstring caption;
    std::vector<BYTE> found;
};

BOOL CALLBACK MatchTemplate(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR searchAddress) {
    auto* search = reinterpret_cast<TemplateSearch*>(searchAddress);
    HRSRC resource = FindResourceW(module, name, type);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const auto* bytes = static_cast<const BYTE*>(loaded ? LockResource(loaded) : nullptr);
    if (!bytes) {
        return TRUE;
    }
    std::vector<BYTE> dialogTemplate(bytes, bytes + SizeofResource(module, resource));
    if (CaptionOf(dialogTemplate) != search->caption) {
        return TRUE;
    }
    search->found = std::move(dialogTemplate);
    return FALSE;
}

INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

std::wstring ImagePathOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    wchar_t path[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    if (!process || !QueryFullProcessImageNameW(process.get(), 0, path, &length)) {
        return {};
    }
    return std::wstring(path, length);
}

// Wine answers MapDialogRect for its caller's own windows only. A dialog made here from the
// header of the same template has the same font, and so the same dialog units.
bool MapWithOwnTemplate(HWND dialog, RECT& rect) {
    const std::wstring image = ImagePathOf(dialog);
    UniqueModule module(
        image.empty() ? nullptr : LoadLibraryExW(image.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!module) {
        return false;
    }
    TemplateSearch search = {WindowText(dialog), {}};
    EnumResourceNamesW(module.get(), RT_DIALOG, MatchTemplate, reinterpret_cast<LONG_PTR>(&search));
    if (search.found.empty()) {
        return false;
    }
    // A hidden copy without controls: only the header decides the dialog units.
    std::vector<BYTE>& header = search.found;
    const TemplateLayout layout = LayoutOf(header);
    DWORD style = 0;
    std::memcpy(&style, header.data() + layout.style, sizeof style);
    style &= ~static_cast<DWORD>(WS_VISIBLE);
    std::memcpy(header.data() + layout.style, &style, sizeof style);
    std::memset(header.data() + layout.itemCount, 0, sizeof(WORD));
    // Templates must be DWORD-aligned.
    std::vector<DWORD> aligned((header.size() + sizeof(DWORD) - 1) / sizeof(DWORD));
    std::memcpy(aligned.data(), header.data(), header.size());
    UniqueWindow probe(CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                                  reinterpret_cast<LPCDLGTEMPLATEW>(aligned.data()),
                                                  nullptr, IgnoreMessages, 0));
    return probe && MapDialogRect(probe.get(), &rect);
}

} // namespace

bool MapDialogUnits(HWND dialog, RECT& rect) {
    RECT mapped = rect;
    if (MapDialogRect(dialog, &mapped)) {
        rect = mapped;
        return true;
    }
    return MapWithOwnTemplate(dialog, rect);
}
