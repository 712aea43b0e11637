#include "framework/ComError.h"

#include <map>

// The few texts of the system's message table that the program can meet.
bool AfxSystemMessageText(HRESULT hr, CString& text) {
    static const std::map<std::uint32_t, const char*> texts = {
        {0x80004002u, "No such interface supported\r\n"},
        {0x80004003u, "Invalid pointer\r\n"},
        {0x8007000Eu, "Not enough memory resources are available to complete this operation.\r\n"},
    };
    const auto found = texts.find(static_cast<std::uint32_t>(hr));
    if (found == texts.end()) {
        return false;
    }
    text = found->second;
    return true;
}
