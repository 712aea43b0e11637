#include "modfiles/ModFiles.h"

#include <gtest/gtest.h>

namespace {

TEST(ModsSettingsText, ListsTheExpansionsFoundAndTheMod) {
    const std::string header = "// MODS SETTINGS - LIST OF MODS ACTIVE ON THIS SYSTEM\r\n";
    const struct {
        BOOL mp1, mp2;
        std::string expected;
    } cases[] = {
        {TRUE, TRUE, header + "\"\\mods\\mp1\"\r\n\"\\mods\\mp2\"\r\n\"\\mods\\velkan\"\r\n"},
        {FALSE, 7, header + "\"\\mods\\mp2\"\r\n\"\\mods\\velkan\"\r\n"},
        {TRUE, FALSE, header + "\"\\mods\\mp1\"\r\n\"\\mods\\velkan\"\r\n"},
        {FALSE, FALSE, header + "\"\\mods\\velkan\"\r\n"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(std::to_string(test.mp1) + "/" + std::to_string(test.mp2));
        EXPECT_EQ(ModsSettingsText(test.mp1, test.mp2), test.expected);
    }
    EXPECT_EQ(header.size(), 55u);
}

TEST(UnlockedHeroesText, TheFixedListOfTwelveHeroes) {
    EXPECT_EQ(UnlockedHeroesText(), "<UnlockedHeroes>\r\n"
                                    "\t<Hero>buzz_gordon.atr</Hero>\r\n"
                                    "\t<Hero>dieter_munz.atr</Hero>\r\n"
                                    "\t<Hero>guram_osadze.atr</Hero>\r\n"
                                    "\t<Hero>henry_ramirez.atr</Hero>\r\n"
                                    "\t<Hero>scott_ibrahim.atr</Hero>\r\n"
                                    "\t<Hero>nigel_tunney.atr</Hero>\r\n"
                                    "\t<Hero>jack_stone.atr</Hero>\r\n"
                                    "\t<Hero>klaus_henkel.atr</Hero>\r\n"
                                    "\t<Hero>lindy_cohen.atr</Hero>\r\n"
                                    "\t<Hero>astra_galinksy.atr</Hero>\r\n"
                                    "\t<Hero>susan_grey.atr</Hero>\r\n"
                                    "\t<Hero>will_jacobs.atr</Hero>\r\n"
                                    "</UnlockedHeroes>\r\n");
}

} // namespace
