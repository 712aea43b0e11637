#include "bench/OptionsSamples.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace {

constexpr std::string_view kSectionStart = "\t<Multiplayer>\r\n";
constexpr std::string_view kSectionEnd = "\t</Multiplayer>\r\n";
constexpr std::string_view kPhrase = "Hold the ridge &amp; wait for &lt;Alpha&gt; at dawn. ";

constexpr int kChatMessages = 10;
constexpr int kAddresses = 12;
constexpr int kLongValues = kChatMessages + 1 + kAddresses;

struct Parts {
    std::string head;
    std::string section; // from its start tag to its end tag, both lines included
    std::string tail;
};

Parts SplitAtMultiplayer(const std::string& base) {
    const std::size_t start = base.find(kSectionStart);
    const std::size_t end = base.find(kSectionEnd);
    if (start == std::string::npos || end == std::string::npos || end < start) {
        throw std::invalid_argument("the options file has no Multiplayer section");
    }
    const std::size_t after = end + kSectionEnd.size();
    return {base.substr(0, start), base.substr(start, after - start), base.substr(after)};
}

// Whole phrases, so that no entity reference is cut, at least one.
std::string LongText(std::size_t length) {
    std::string text(kPhrase);
    while (text.size() + kPhrase.size() <= length) {
        text += kPhrase;
    }
    return text;
}

std::string Element(const char* name, const std::string& value) {
    return std::string("\t\t<") + name + ">" + value + "</" + name + ">\r\n";
}

std::string LongSection(std::size_t size) {
    const std::string text = LongText(size / kLongValues);
    std::string section(kSectionStart);
    for (int message = 0; message < kChatMessages; ++message) {
        section += Element("ChatMsg", text);
    }
    section += Element("MOTD", text);
    for (int address = 0; address < kAddresses; ++address) {
        section += Element("IPAddress", text);
    }
    return section.append(kSectionEnd);
}

} // namespace

std::string OptionsSample(const std::string& base, CSampleShape shape, std::size_t size) {
    const Parts parts = SplitAtMultiplayer(base);
    const std::size_t fixed = parts.head.size() + parts.tail.size();
    const std::size_t room = size > fixed ? size - fixed : 0;
    std::string sample = parts.head;
    if (shape == CSampleShape::ManyElements) {
        const std::size_t section = parts.section.size();
        const std::size_t copies = std::max<std::size_t>(1, (room + section / 2) / section);
        for (std::size_t copy = 0; copy < copies; ++copy) {
            sample += parts.section;
        }
    } else {
        sample += LongSection(room);
    }
    return sample + parts.tail;
}
