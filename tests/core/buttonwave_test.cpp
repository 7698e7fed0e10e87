#include "buttonwave.h"

#include <QString>

#include <gtest/gtest.h>

namespace {

using namespace buttonwave;

// The eight buttons after a number of steps, one letter each: A, B, C or "." for the face colour.
QString afterSteps(int count)
{
    QString buttons(kButtons, u'.');
    for (int i = 0; i < count; ++i) {
        for (const Change& c : steps()[i].changes) {
            const char16_t letter[] = {u'A', u'B', u'C', u'.'};
            buttons[c.position] = QChar(letter[int(c.shade)]);
        }
    }
    return buttons;
}

TEST(ButtonWave, RunsDownTheColumnThenFlashesTheTopFourAndEndsInTheFaceColour)
{
    const char* const expected[] = {
        "A.......", "BA......", "CBA.....", ".CBA....", "..CBA...", "...CBA..",
        "....CBA.", ".....CBA", "......CB", ".......C", "........", // the head has run off the end
        "CC......", "..CC....", "........",                         // the second flash
    };
    ASSERT_EQ(steps().size(), std::size(expected));
    for (int k = 1; k <= int(std::size(expected)); ++k)
        EXPECT_EQ(afterSteps(k), QString::fromLatin1(expected[k - 1])) << "after step " << k;
}

TEST(ButtonWave, PausesAfterEachStepAndSetsTheTailBeforeTheHead)
{
    QList<int> pauses;
    for (const Step& step : steps())
        pauses.append(step.pauseMs);
    // 25 ms between the steps of the run, a second before the flash, none after the last step.
    EXPECT_EQ(pauses, QList<int>({25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 1000, 25, 25, 0}));
    // In the run the head is the last change of its step and the face colour the first.
    for (int k = 1; k <= kButtons; ++k) {
        const QList<Change>& changes = steps()[k - 1].changes;
        EXPECT_EQ(changes.last(), (Change{k - 1, Shade::Head})) << k;
        if (k >= 4) {
            EXPECT_EQ(changes.first(), (Change{k - 4, Shade::Face})) << k;
        }
    }
    // In the flash "E" and "G" light up before "N" and "K" go back.
    EXPECT_EQ(steps()[12].changes,
              QList<Change>({{2, Shade::Tail}, {3, Shade::Tail}, {0, Shade::Face}, {1, Shade::Face}}));
}

TEST(ButtonWave, TheFaceColourIsTheOneGivenWhenTheStepRuns)
{
    EXPECT_EQ(colourOf(Shade::Face, 0x123456), 0x123456u);
    EXPECT_EQ(colourOf(Shade::Face, 0x0000FF), 0x0000FFu);
    EXPECT_EQ(colourOf(Shade::Head, 0x123456), 0x99FFF9u);
    EXPECT_EQ(colourOf(Shade::Second, 0x123456), 0x57ECE4u);
    EXPECT_EQ(colourOf(Shade::Tail, 0x123456), 0xA0A7C4u);
}

} // namespace
