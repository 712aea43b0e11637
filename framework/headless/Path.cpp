#include "framework/headless/Path.h"

#include <algorithm>

std::string headless::detail::ToPosixPath(const std::string& path) {
    std::string converted = path;
    std::replace(converted.begin(), converted.end(), '\\', '/');
    return converted;
}
