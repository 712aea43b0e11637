#pragma once

#include <optional>
#include <string>

namespace headless::detail {

// The value of a Win32 constant that the resource script uses by name (window, dialog and
// control styles, standard command ids), or nothing for a name the table lacks.
std::optional<long long> Win32Constant(const std::string& name);

} // namespace headless::detail
