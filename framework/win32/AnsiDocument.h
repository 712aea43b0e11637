#pragma once

#include <optional>
#include <string>

// The bytes of an XML file that the document object would misread: a file that has no
// byte order mark, declares no encoding and is not valid UTF-8 is text in the ANSI code
// page. Nothing for every other file, and for a file that cannot be read, which the
// document object then reads itself (or fails to).
std::optional<std::string> AfxReadAnsiDocument(const char* path);
