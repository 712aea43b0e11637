#pragma once

#include "framework/CString.h"

// Looks for directory entries by name; only existence is used here.
class CFileFind {
public:
    CFileFind() = default;
    ~CFileFind() { Close(); }
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // Nonzero when an entry (file or folder) of that full name exists.
    BOOL FindFile(const char* name); // backend
    void Close();                    // backend

private:
    struct Search;
    Search* m_search = nullptr; // owned; freed by Close
};
