#include "taggedline.h"

#include <QList>

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* line;
    const char* key;
    const char* expected;
};

// O and C stand for the opening and closing markers.
#define O "<$@$>"
#define C "</$@$>"

const Case kCases[] = {
    {O "nazwisko" C "abc", "nazwisko", "abc"},
    {O "nazwisko" C "abc", "", "nazwisko"},
    {O "mail" C, "mail", ""},
    {"nazwisko abc", "nazwisko", "0"},
    {"nazwisko abc", "", "0"},
    {O "imieniny" C "12.03", "urodziny", "0"},
    // Another key whose text occurs in the value: the reader removes it wherever it stands.
    {O "telefony" C "mail 123", "mail", "telefony 123"},
    {O "notatka" C "send mail", "mail", "notatkasend "},
    {O "notatka" C "a" C "b", "notatka", "a" C "b"},
    {O "notatka" C "a" C "b", "", "notatka"},
    {"ab" O "k" C "v", "", "abk"},
    {O "klucz", "klucz", "0"},
    {O "klucz", "", "0"},
    {O "nip" C "123", "NIP", "0"},
    {"", "nazwisko", "0"},
    {"", "", "0"},
    // A value holding the markers and its own key reads back unchanged.
    {O "notatka" C "x" O "notatka" C "y", "notatka", "x" O "notatka" C "y"},
    {O "0" C, "", "0"},
};

TEST(ExtractField, FollowsTheRemovalRules)
{
    for (const Case& c : kCases)
        EXPECT_EQ(ExtractField(c.line, c.key), QByteArray(c.expected)) << "line: " << c.line << " key: " << c.key;
}

TEST(TaggedFields, GivesWhatTheKeyFirstPatternGives)
{
    QList<QByteArray> lines;
    for (const Case& c : kCases)
        lines.append(c.line);
    // Lines that look written but are not, and lines the reader takes apart in odd ways.
    lines += {O C "bez klucza",  O "0" C "x", "nazw" O "isko" C "Jan", " " O "nazwisko" C "Jan",
              O "ulica" C C "5", O "grupa" C, O O "x" C "y",           O "a" O C "b"};
    for (const QByteArray& line : lines) {
        const TaggedFields fields(line);
        const QByteArray key = ExtractField(line, QByteArray());
        EXPECT_EQ(fields.key(), key) << line.toStdString();
        EXPECT_EQ(fields.value(), ExtractField(line, key)) << line.toStdString();
    }
}

TEST(TaggedLine, BuildsALineTheReaderTakesApart)
{
    const QByteArray line = taggedLine("ulica", "Długa 5");
    EXPECT_EQ(line, O "ulica" C "Długa 5");
    EXPECT_EQ(ExtractField(line, ""), "ulica");
    EXPECT_EQ(ExtractField(line, "ulica"), "Długa 5");
}

TEST(TaggedLine, ValueCannotBreakTheLineOrEndTheFile)
{
    EXPECT_EQ(taggedLine("notatka", "a\r\nb\x1A"
                                    "c"),
              O "notatka" C "a  b c");
}

} // namespace
