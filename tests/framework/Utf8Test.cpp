#include "framework/Utf8.h"

#include <gtest/gtest.h>

namespace {

TEST(AnsiDocument, OnlyUndeclaredTextThatIsNotUtf8IsTakenForTheAnsiCodePage) {
    const struct {
        const char* name;
        std::string bytes;
        bool ansi;
    } cases[] = {
        {"ASCII", "<a>x</a>", false},
        {"UTF-8", "<a>Caf\xC3\xA9</a>", false},
        {"Windows-1252", "<a>Caf\xE9</a>", true},
        {"an overlong form", "<a>\xC0\xAF</a>", true},
        {"a surrogate", "<a>\xED\xA0\x80</a>", true},
        {"a sequence cut short at the end", "<a>\xE2\x82", true},
        {"a declared encoding", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>\xE9</a>",
         false},
        {"a declaration without encoding", "<?xml version=\"1.0\"?><a>\xE9</a>", true},
        {"a UTF-8 byte order mark", "\xEF\xBB\xBF<a>\xE9</a>", false},
        {"UTF-16 with a mark", std::string("\xFF\xFE<\0a\0>\0", 8), false},
        {"UTF-16 without a mark", std::string("<\0a\0>\0\xE9\0", 8), false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(AfxIsAnsiDocument(test.bytes), test.ansi);
    }
}

} // namespace
