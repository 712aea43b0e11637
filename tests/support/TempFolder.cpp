#include "tests/support/TempFolder.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velkan-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder");
    }
    m_path = pattern;
}

TempFolder::~TempFolder() {
    std::error_code error;
    // Read-only files and folders left by a test must not keep their folder alive.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(m_path, error)) {
        chmod(entry.path().c_str(), 0700);
    }
    std::filesystem::remove_all(m_path, error);
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
