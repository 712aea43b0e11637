#pragma once

#include <string>

namespace headless::detail {

// A path as the program writes it, with backslashes, made into one the file system takes.
std::string ToPosixPath(const std::string& path);

} // namespace headless::detail
