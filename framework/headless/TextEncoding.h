#pragma once

#include <string>

namespace headless::detail {

// UTF-8 text in the ANSI code page of the simulated system, Windows-1252, with '?' for
// every character that the code page cannot hold.
std::string Utf8ToAnsi(const std::string& utf8);

// Windows-1252 bytes as UTF-8. The five bytes that the code page leaves unassigned stand
// for the control characters of the same numbers, as on the system.
std::string AnsiToUtf8(const std::string& ansi);

} // namespace headless::detail
