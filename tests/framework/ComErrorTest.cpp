#include "framework/ComError.h"

#include <gtest/gtest.h>

namespace {

TEST(ComError, MessageTextWithAndWithoutTheSystemsText) {
    const struct {
        std::uint32_t code;
        const char* message;
    } cases[] = {
        {0x80004003, "Invalid pointer"}, // the system's text, its line end removed
        {0x80040201, "IDispatch error #1"},       {0x8004FFFF, "IDispatch error #65023"},
        {0x80040200, "Unknown error 0x80040200"}, {0x80070005, "Unknown error 0x80070005"},
        {0x00000001, "Unknown error 0x1"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.code);
        const CComError error(AfxHResult(test.code));
        EXPECT_STREQ(error.ErrorMessage(), test.message);
        // Made once and kept for later requests.
        EXPECT_EQ(error.ErrorMessage(), error.ErrorMessage());
    }
}

} // namespace
