#include "languagechoice.h"

#include "profilefile.h"
#include "settings.h"
#include "support.h"

#include <gtest/gtest.h>

namespace {

QList<std::pair<int, QByteArray>> pairs(const QList<LanguageText>& texts)
{
    QList<std::pair<int, QByteArray>> out;
    for (const LanguageText& t : texts)
        out.append({t.id, t.text});
    return out;
}

QByteArray savedLanguage(const TempDir& dir)
{
    return ProfileFile(settingsPathIn(dir.path())).readString("jezyk", "nazwa", "(none)");
}

TEST(LanguageMenu, ListsTheBuiltInLanguageAndEveryLanguageFile)
{
    TempDir dir;
    ProfileFile opcje(settingsPathIn(dir.path()));
    LanguageMenu menu = BuildLanguageMenu(dir.path(), opcje);
    EXPECT_EQ(menu.captions, QList<QByteArray>({"Polski"}));
    EXPECT_EQ(menu.checked, 0);
    EXPECT_FALSE(menu.buttonEnabled);

    dir.write("lng/a.lng", crlf({"<$@$>jezyk</$@$>English"}));
    dir.write("lng/b.lng", crlf({"<$@$>jezyk</$@$>Deutsch"}));
    dir.write("lng/c.lng", crlf({"<$@$>jezyk</$@$>English"}));
    dir.write("lng/d.lng", crlf({"<$@$>jezyki</$@$>Nie"}));

    const struct {
        const char* saved; // nullptr: no setting
        int checked;
    } cases[] = {
        {nullptr, 0},   {"", 0},        {"Deutsch", 2},
        {"DEUTSCH", 2}, {"English", 3}, // two files of one name: the last matching item is checked
        {"Klingon", 0},                 // its file is gone
    };
    for (const auto& c : cases) {
        if (c.saved) {
            ASSERT_TRUE(opcje.writeString("jezyk", "nazwa", c.saved, nullptr));
        }
        menu = BuildLanguageMenu(dir.path(), opcje);
        EXPECT_EQ(menu.captions, QList<QByteArray>({"Polski", "English", "Deutsch", "English"}));
        EXPECT_TRUE(menu.buttonEnabled);
        EXPECT_EQ(menu.checked, c.checked) << (c.saved ? c.saved : "(none)");
    }
}

TEST(ApplyLanguage, SetsOnlyTheTextsTheFileHolds)
{
    TempDir dir;
    dir.write("lng/en.lng", crlf({
                                "<$@$>jezyk</$@$>English",
                                "<$@$>25</$@$>Close",
                                "<$@$>07</$@$>house no.",
                                "<$@$>slowo</$@$>word keys are skipped",
                                "<$@$></$@$>so are empty ones",
                                "<$@$>0</$@$>zero",
                                "<$@$>49</$@$>used by neither program",
                                "<$@$>110</$@$>a text of the checker",
                                "<$@$>200</$@$>beyond the last",
                                "<$@$>103</$@$>Bad picture",
                                "<$@$>25</$@$>Quit",
                            }));
    ProfileFile opcje(settingsPathIn(dir.path()));
    MessageTable current = initialMessages();
    current[25] = "changed by someone";

    const LanguageSwitch s = ApplyLanguage(dir.path(), "English", current, opcje);
    ASSERT_TRUE(s.applies);
    EXPECT_EQ(pairs(s.texts),
              (QList<std::pair<int, QByteArray>>{{25, "Close"}, {7, "house no."}, {103, "Bad picture"}, {25, "Quit"}}));
    MessageTable expected = current;
    expected[10] = "Bad picture";
    EXPECT_EQ(s.messages, expected);
    EXPECT_EQ(savedLanguage(dir), "English");
    EXPECT_TRUE(s.settingsError.isEmpty());
}

TEST(ApplyLanguage, ThePolishChoiceRestoresEveryBuiltInText)
{
    TempDir dir;
    ProfileFile opcje(settingsPathIn(dir.path()));
    MessageTable current = initialMessages();
    for (int i = 0; i < kMessageCount; ++i)
        current[i] = "from another language";

    const LanguageSwitch s = ApplyLanguage(dir.path(), "Polski", current, opcje);
    ASSERT_TRUE(s.applies);
    QList<int> ids;
    for (const LanguageText& t : s.texts) {
        ids.append(t.id);
        EXPECT_EQ(t.text, builtInText(t.id));
    }
    EXPECT_EQ(ids, mainProgramTextIds());
    const MessageTable polish = polishMessages();
    for (int i = 0; i < kMessageCount; ++i)
        EXPECT_EQ(s.messages[i], i < kLanguageMessages ? polish[i] : current[i]) << i;
    EXPECT_EQ(savedLanguage(dir), "Polski");
}

TEST(ApplyLanguage, ALanguageWithoutAFileChangesNothing)
{
    TempDir dir;
    dir.write("lng/en.lng", crlf({"<$@$>jezyk</$@$>English", "<$@$>25</$@$>Close"}));
    ProfileFile opcje(settingsPathIn(dir.path()));
    // Names are matched exactly here; the menu has already taken the file's own spelling.
    const LanguageSwitch s = ApplyLanguage(dir.path(), "english", initialMessages(), opcje);
    EXPECT_FALSE(s.applies);
    EXPECT_TRUE(s.texts.isEmpty());
    EXPECT_EQ(s.messages, initialMessages());
    EXPECT_EQ(savedLanguage(dir), "(none)");
}

TEST(ApplyLanguage, ReportsAChoiceThatCannotBeStored)
{
    TempDir dir;
    FailingFileWriter full(0);
    ProfileFile opcje(settingsPathIn(dir.path()), full);
    const LanguageSwitch s = ApplyLanguage(dir.path(), "Polski", initialMessages(), opcje);
    EXPECT_TRUE(s.applies);
    EXPECT_FALSE(s.settingsError.isEmpty());
}

} // namespace
