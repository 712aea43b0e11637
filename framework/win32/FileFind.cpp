#include "framework/win32/Win32.h"

#include "framework/FileFind.h"
#include "framework/win32/Ownership.h"

#include <utility>

struct CFileFind::Search {
    CFindHandle handle;
};

BOOL CFileFind::FindFile(const char* name) {
    Close();
    WIN32_FIND_DATAA found{};
    CFindHandle handle(::FindFirstFileA(name, &found));
    if (!handle) {
        return FALSE;
    }
    m_search = new Search{std::move(handle)};
    return TRUE;
}

void CFileFind::Close() {
    delete std::exchange(m_search, nullptr);
}
