#pragma once

#include "framework/CString.h"

#include <string>

// Replaces the file at an ANSI path with exactly these bytes, whole or not at all: the
// bytes go to a temporary file in the same folder, which then takes the target's place in
// one step. FALSE, with the target as it was and no temporary file left, when the folder is
// missing, the target carries the read-only attribute, or writing or replacing fails.
BOOL AfxReplaceFile(const CString& path, const std::string& bytes); // backend
