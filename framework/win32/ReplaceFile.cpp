#include "framework/win32/Win32.h"

#include "framework/ReplaceFile.h"
#include "framework/win32/Ownership.h"

#include <algorithm>
#include <cstdio>

namespace {

// A file that is deleted when this object goes, unless it was kept.
class CTemporaryFile {
public:
    explicit CTemporaryFile(std::string path) : m_path(std::move(path)) {}
    ~CTemporaryFile() {
        if (!m_kept) {
            ::DeleteFileA(m_path.c_str());
        }
    }
    CTemporaryFile(const CTemporaryFile&) = delete;
    CTemporaryFile& operator=(const CTemporaryFile&) = delete;

    const char* Path() const { return m_path.c_str(); }
    // The file has taken the target's place: nothing is left to delete.
    void Dismiss() { m_kept = true; }

private:
    std::string m_path;
    bool m_kept = false;
};

bool WriteAll(HANDLE file, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 20));
        DWORD done = 0;
        if (!::WriteFile(file, bytes.data() + written, chunk, &done, nullptr) || done == 0) {
            return false;
        }
        written += done;
    }
    return true;
}

} // namespace

BOOL AfxReplaceFile(const CString& path, const std::string& bytes) {
    const DWORD attributes = ::GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return FALSE;
    }

    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".tmp~%lu", ::GetCurrentProcessId());
    CTemporaryFile temporary(path.Bytes() + suffix);
    {
        const CKernelHandle file(::CreateFileA(temporary.Path(), GENERIC_WRITE, 0, nullptr,
                                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            return FALSE;
        }
        if (!WriteAll(file.get(), bytes) || !::FlushFileBuffers(file.get())) {
            return FALSE;
        }
    }
    if (!::MoveFileExA(temporary.Path(), path,
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return FALSE;
    }
    temporary.Dismiss();
    return TRUE;
}
