#include "fieldtext.h"

#include "support.h"

#include <gtest/gtest.h>

namespace {

TEST(StorableText, KeepsTheCodePagesTextAndNamesFieldAndCharacterOfAnyOther)
{
    struct Case {
        const char* utf8;
        const char* error; // empty when the text is stored
    };
    const Case cases[] = {
        {"", ""},
        {"Łódź, ul. Żółkiewskiego 5 – „Dom”", ""},
        {"Jan \xE2\x98\xBA Nowak", "Pole „ulica” zawiera znak „\xE2\x98\xBA”, którego nie można zapisać."},
        // A character of two code units is named whole.
        {"a\xF0\x9F\x8E\x82", "Pole „ulica” zawiera znak „\xF0\x9F\x8E\x82”, którego nie można zapisać."},
    };
    for (const Case& c : cases) {
        QString error;
        const auto bytes = storableText(QString::fromUtf8(c.utf8), QStringLiteral("ulica"), &error);
        EXPECT_EQ(error, QString::fromUtf8(c.error)) << c.utf8;
        if (*c.error == 0)
            EXPECT_EQ(bytes, cp(c.utf8)) << c.utf8;
        else
            EXPECT_FALSE(bytes) << c.utf8;
    }
}

} // namespace
