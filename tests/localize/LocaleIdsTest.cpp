#include "localize/LocaleIds.h"

#include "support/ScopedEnv.h"

#include <set>

#include <gtest/gtest.h>

TEST(LocaleIds, PosixNamesAndRegionalIdentifiersLeadToTheLanguageAndItsMainCountry)
{
    EXPECT_EQ(LocaleIdFromPosix("de_DE.UTF-8"), 1031);
    EXPECT_EQ(LocaleIdFromPosix("de_AT.UTF-8"), 3079);
    EXPECT_EQ(LocaleIdFromPosix("cs_CZ@euro"), 1029);
    EXPECT_EQ(LocaleIdFromPosix("en_GB"), 2057);
    EXPECT_EQ(LocaleIdFromPosix("pt_BR.utf8"), 1046);
    // An unknown territory falls back to the language's main country.
    EXPECT_EQ(LocaleIdFromPosix("de_BE.UTF-8"), 1031);
    EXPECT_EQ(LocaleIdFromPosix("en_ZA"), 1033);
    for (const char* none : {"", "C", "POSIX", "C.UTF-8", "xx_YY", "_DE"})
        EXPECT_EQ(LocaleIdFromPosix(none), 0) << none;

    EXPECT_EQ(PrimaryLocaleId(3079), 1031);
    EXPECT_EQ(PrimaryLocaleId(2057), 1033);
    EXPECT_EQ(PrimaryLocaleId(1029), 1029);
    EXPECT_EQ(PosixLanguage(3079), "de");
    EXPECT_EQ(PosixLanguage(0), "");
    EXPECT_EQ(PosixLanguage(1), "");
}

TEST(LocaleIds, TheUserLocaleFollowsTheCLibrarysOrderOfVariables)
{
    const ScopedEnv all("LC_ALL", "");
    const ScopedEnv messages("LC_MESSAGES", "cs_CZ.UTF-8");
    const ScopedEnv lang("LANG", "de_DE.UTF-8");
    EXPECT_EQ(UserLocaleId(), 1029);
    {
        const ScopedEnv overriding("LC_ALL", "en_GB.UTF-8");
        EXPECT_EQ(UserLocaleId(), 2057);
    }
    const ScopedEnv noMessages("LC_MESSAGES", nullptr);
    EXPECT_EQ(UserLocaleId(), 1031);
    const ScopedEnv noLang("LANG", nullptr);
    EXPECT_EQ(UserLocaleId(), 0);
}

TEST(LocaleIds, EveryLanguageHasAnIdentifierOfItsOwnThatNamesItAgain)
{
    std::set<int32_t> seen;
    for (const char* code : {"ar", "bg", "ca", "zh", "cs", "da", "de", "el", "en", "es", "fi", "fr", "he", "hu", "is",
                             "it", "ja", "ko", "nl", "nb", "nn", "pl", "pt", "ro", "ru", "hr", "sk", "sv", "tr", "uk",
                             "sl", "et", "lv", "lt", "sr"}) {
        const int32_t id = LocaleIdFromPosix(code);
        EXPECT_TRUE(seen.insert(id).second) << code << " shares " << id;
        EXPECT_EQ(PosixLanguage(id), code) << id;
    }
    EXPECT_EQ(LocaleIdFromPosix("no"), LocaleIdFromPosix("nb")) << "two names of one language";
}
