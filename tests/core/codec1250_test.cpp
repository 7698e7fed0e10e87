#include "codec1250.h"

#include <gtest/gtest.h>

namespace {

TEST(Codec1250, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = cp1250::toUnicode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(cp1250::fromUnicode(text), all);
}

TEST(Codec1250, MapsThePolishLetters)
{
    // ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ as stored.
    const QByteArray stored("\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF");
    const QString text = QString::fromUtf8("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    EXPECT_EQ(cp1250::toUnicode(stored), text);
    EXPECT_EQ(cp1250::fromUnicode(text), stored);
}

TEST(Codec1250, RefusesCharactersOutsideTheCodePage)
{
    // Never a substitute such as "?" or Ctrl-Z, which would end the file early.
    for (const char* utf8 : {"Żółw \xE2\x9C\x93", "\xE4\xB8\xAD", "\xF0\x9F\x98\x80", "\xC3\xB8"}) {
        QChar bad;
        EXPECT_FALSE(cp1250::fromUnicode(QString::fromUtf8(utf8), &bad)) << utf8;
        EXPECT_FALSE(bad.isNull());
    }
}

} // namespace
