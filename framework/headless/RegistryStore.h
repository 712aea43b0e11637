#pragma once

#include "framework/AfxTypes.h"

#include <map>
#include <string>

namespace headless::detail {

// Orders names as the registry compares them: without regard to case.
struct CaseInsensitiveLess {
    bool operator()(const std::string& left, const std::string& right) const;
};

struct RegistryValue {
    std::string bytes;
    DWORD type;
};

// The keys under HKEY_LOCAL_MACHINE that hold values, each by its full path.
using RegistryStore =
    std::map<std::string, std::map<std::string, RegistryValue, CaseInsensitiveLess>,
             CaseInsensitiveLess>;

// Whether a key of that path exists: one that holds values, or one of their parents.
bool KeyExists(const RegistryStore& store, const std::string& path);

} // namespace headless::detail
