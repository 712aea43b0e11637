#pragma once

#include "settings/SettingsTable.h"

#include <string_view>

// What the reader does with an element of an options document, found by its name.
struct COptionsName {
    enum Action {
        Text,        // store the element's text
        Markup,      // store the element's whole markup, its own tags included
        FixedText,   // store a constant, whatever the element holds
        Section,     // read the element's children as another level
        AddressList, // the element's text into the next of the twelve address slots
        ChatList,    // the element's markup into the next of the ten chat message slots
    };

    std::string_view name;
    Action action;
    CString CSettingsTable::*member; // for Text, Markup and FixedText
    const char* fixedText;           // for FixedText
};

// The entry for an element name, compared exactly and case-sensitively; null when the
// launcher does not know the element.
const COptionsName* FindOptionsName(std::string_view name);
