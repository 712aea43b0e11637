#pragma once

#include <cstddef>
#include <string>

// Options files of a chosen size, grown from a game options file (the demo installation's) in
// one of two ways. Each reads as a valid game options file of about `size` bytes, CR LF lines.
enum class CSampleShape {
    // The Multiplayer section repeated: many short elements, most of them read and overwritten.
    ManyElements,
    // One Multiplayer section whose chat messages, message of the day and addresses are long
    // texts with entity references: few elements, and every byte of them kept in the table.
    LongValues,
};

// Throws std::invalid_argument when `base` has no Multiplayer section.
std::string OptionsSample(const std::string& base, CSampleShape shape, std::size_t size);
