#include "framework/win32/Win32.h"

#include "framework/Utf8.h"
#include "framework/win32/AnsiDocument.h"
#include "framework/win32/Ownership.h"

namespace {

std::optional<std::string> ReadWholeFile(const char* path) {
    const CKernelHandle file(::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return std::nullopt;
    }
    std::string bytes;
    char chunk[65536];
    DWORD read = 0;
    do {
        if (!::ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr)) {
            return std::nullopt;
        }
        bytes.append(chunk, read);
    } while (read != 0);
    return bytes;
}

} // namespace

std::optional<std::string> AfxReadAnsiDocument(const char* path) {
    std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes || !AfxIsAnsiDocument(*bytes)) {
        return std::nullopt;
    }
    return bytes;
}
