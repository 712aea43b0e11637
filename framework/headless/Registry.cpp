#include "framework/Registry.h"

#include "framework/headless/Machine.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

constexpr LONG kErrorFileNotFound = 2;
constexpr LONG kErrorInvalidHandle = 6;
constexpr LONG kErrorInvalidParameter = 87;
constexpr LONG kErrorMoreData = 234;
constexpr DWORD kRegSz = 1;

} // namespace

namespace headless {

bool detail::CaseInsensitiveLess::operator()(const std::string& left,
                                             const std::string& right) const {
    return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(),
                                        [](char a, char b) {
                                            return std::tolower(static_cast<unsigned char>(a)) <
                                                   std::tolower(static_cast<unsigned char>(b));
                                        });
}

bool detail::KeyExists(const RegistryStore& store, const std::string& path) {
    if (path.empty()) {
        return true; // HKEY_LOCAL_MACHINE itself
    }
    const CaseInsensitiveLess less;
    const std::string prefix = path + "\\";
    return std::any_of(store.begin(), store.end(), [&](const auto& key) {
        const std::string& name = key.first;
        const bool same = !less(name, path) && !less(path, name);
        if (same || name.size() <= prefix.size()) {
            return same;
        }
        const std::string head = name.substr(0, prefix.size());
        return !less(head, prefix) && !less(prefix, head);
    });
}

void SetRegistryValue(const char* subKey, const char* valueName, std::string bytes, DWORD type) {
    detail::TheMachine().registry[subKey][valueName ? valueName : ""] = {std::move(bytes), type};
}

void SetRegistryString(const char* subKey, const char* valueName, const std::string& text) {
    SetRegistryValue(subKey, valueName, text + '\0', kRegSz);
}

} // namespace headless

struct CRegKey::Key {
    std::string path;
};

LONG CRegKey::OpenLocalMachine(const char* subKey) {
    const std::string path = subKey ? subKey : "";
    if (!headless::detail::KeyExists(headless::detail::TheMachine().registry, path)) {
        return kErrorFileNotFound;
    }
    Close();
    m_key = new Key{path};
    return AFX_ERROR_SUCCESS;
}

LONG CRegKey::QueryValue(const char* valueName, BYTE* data, DWORD* size) const {
    if (m_key == nullptr) {
        return kErrorInvalidHandle;
    }
    if (data != nullptr && size == nullptr) {
        return kErrorInvalidParameter;
    }
    const auto& registry = headless::detail::TheMachine().registry;
    const auto key = registry.find(m_key->path);
    if (key == registry.end()) {
        return kErrorFileNotFound;
    }
    const auto value = key->second.find(valueName ? valueName : "");
    if (value == key->second.end()) {
        return kErrorFileNotFound;
    }
    const std::string& bytes = value->second.bytes;
    const auto length = static_cast<DWORD>(bytes.size());
    if (data == nullptr) {
        if (size != nullptr) {
            *size = length;
        }
        return AFX_ERROR_SUCCESS;
    }
    if (length > *size) {
        // The system leaves the buffer undefined here; make any caller that reads it see junk.
        std::memset(data, 'X', *size);
        *size = length;
        return kErrorMoreData;
    }
    std::memcpy(data, bytes.data(), bytes.size());
    *size = length;
    return AFX_ERROR_SUCCESS;
}

void CRegKey::Close() {
    delete m_key;
    m_key = nullptr;
}
