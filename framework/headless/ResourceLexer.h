#pragma once

#include <string>
#include <vector>

namespace headless::detail {

struct ResourceToken {
    enum class Kind { Identifier, Number, String, Punctuation, Directive };
    Kind kind;
    std::string text; // a string's bytes without quotes and escapes; a directive's whole line
    long long number = 0;
    int line = 0;
};

// Splits the text of a resource script or of a header it includes into tokens. Comments
// are dropped; a preprocessor line becomes one Directive token.
std::vector<ResourceToken> TokenizeResourceText(const std::string& text);

} // namespace headless::detail
