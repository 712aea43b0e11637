#include "framework/FileFind.h"

#include "framework/headless/Path.h"

#include <sys/stat.h>

struct CFileFind::Search {
    std::string path;
};

BOOL CFileFind::FindFile(const char* name) {
    Close();
    const std::string path = headless::detail::ToPosixPath(name != nullptr ? name : "");
    // The system finds nothing for a name that ends with a separator.
    if (path.empty() || path.back() == '/') {
        return FALSE;
    }
    struct stat entry {};
    if (lstat(path.c_str(), &entry) != 0) {
        return FALSE;
    }
    m_search = new Search{path};
    return TRUE;
}

void CFileFind::Close() {
    delete m_search;
    m_search = nullptr;
}
