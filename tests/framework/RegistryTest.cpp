#include "framework/Registry.h"
#include "framework/headless/Headless.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kKey = "SOFTWARE\\Vendor\\Product";
constexpr LONG kFileNotFound = 2;
constexpr LONG kMoreData = 234;
constexpr DWORD kRegSz = 1;
constexpr DWORD kRegDword = 4;

TEST(Registry, OpeningFindsKeysWithoutRegardToCase) {
    const struct {
        const char* subKey;
        LONG result;
    } cases[] = {
        {kKey, 0},
        {"software\\VENDOR\\product", 0},
        {"SOFTWARE\\Vendor", 0}, // a parent of a key with values exists too
        {"SOFTWARE\\Vend", kFileNotFound},
        {"SOFTWARE\\Vendor\\Product\\Sub", kFileNotFound},
        {"SOFTWARE\\Other", kFileNotFound},
    };
    headless::Reset();
    headless::SetRegistryString(kKey, "Path", "C:\\Games");
    for (const auto& test : cases) {
        SCOPED_TRACE(test.subKey);
        CRegKey key;
        EXPECT_EQ(key.OpenLocalMachine(test.subKey), test.result);
    }
}

TEST(Registry, QueryingCopiesTheRawBytesWhenTheyFit) {
    const struct {
        const char* name;
        std::string stored;
        DWORD type;
        const char* queried;
        DWORD size; // offered to a buffer of 8 bytes filled with '.'
        LONG result;
        DWORD sizeAfter;
        std::string buffer;
    } cases[] = {
        {"room to spare", std::string("abc\0", 4), kRegSz, "Path", 8, 0, 4,
         std::string("abc\0....", 8)},
        {"an exact fit", std::string("abc\0", 4), kRegSz, "Path", 4, 0, 4,
         std::string("abc\0....", 8)},
        {"one byte short", std::string("abc\0", 4), kRegSz, "Path", 3, kMoreData, 4, "XXX....."},
        {"nothing offered", std::string("abc\0", 4), kRegSz, "Path", 0, kMoreData, 4, "........"},
        {"names without regard to case", std::string("abc\0", 4), kRegSz, "PATH", 8, 0, 4,
         std::string("abc\0....", 8)},
        {"a missing value", std::string("abc\0", 4), kRegSz, "Other", 8, kFileNotFound, 8,
         "........"},
        {"a text stored without its end", "abcd", kRegSz, "Path", 4, 0, 4, "abcd...."},
        {"another type, as bytes", std::string("\x2A\0\0\0", 4), kRegDword, "Path", 8, 0, 4,
         std::string("\x2A\0\0\0....", 8)},
        {"an empty value", "", kRegSz, "Path", 8, 0, 0, "........"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        headless::Reset();
        headless::SetRegistryValue(kKey, "Path", test.stored, test.type);
        CRegKey key;
        ASSERT_EQ(key.OpenLocalMachine(kKey), 0);
        std::string buffer(8, '.');
        DWORD size = test.size;
        EXPECT_EQ(key.QueryValue(test.queried, reinterpret_cast<BYTE*>(buffer.data()), &size),
                  test.result);
        EXPECT_EQ(size, test.sizeAfter);
        EXPECT_EQ(buffer, test.buffer);
    }
}

TEST(Registry, TextsAreStoredWithTheirEnd) {
    headless::Reset();
    headless::SetRegistryString(kKey, "Path", "C:\\GR");
    CRegKey key;
    ASSERT_EQ(key.OpenLocalMachine(kKey), 0);
    DWORD size = 0;
    EXPECT_EQ(key.QueryValue("Path", nullptr, &size), 0); // asks for the length only
    EXPECT_EQ(size, 6u);
}

TEST(Registry, ResetEmptiesTheRegistry) {
    headless::Reset();
    headless::SetRegistryString(kKey, "Path", "C:\\GR");
    headless::Reset();
    CRegKey key;
    EXPECT_EQ(key.OpenLocalMachine(kKey), kFileNotFound);
}

} // namespace
