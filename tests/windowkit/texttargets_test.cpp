#include "texttargets.h"

#include <gtest/gtest.h>

namespace {

// A target that keeps what it was last set to, as a window's control shows it.
struct Shown {
    QString text = QStringLiteral("built");
    TextTargets::Setter setter()
    {
        return [this](const QString& t) { text = t; };
    }
};

// A window may be made long after the start, when a language has already been chosen, or be made
// early and see every later switch: either way it shows the text chosen last for each number.
TEST(TextTargets, ATargetShowsTheTextChosenLastWhetherAddedBeforeOrAfterIt)
{
    TextTargets texts;
    Shown early, late, untouched, sameNumber;
    texts.add(1, early.setter());
    texts.apply(1, QStringLiteral("English"));
    texts.apply(2, QStringLiteral("no target yet"));
    texts.apply(2, QStringLiteral("Deutsch"));
    texts.add(2, late.setter());
    texts.add(3, untouched.setter());
    texts.add(1, sameNumber.setter());
    EXPECT_EQ(early.text, "English");
    EXPECT_EQ(late.text, "Deutsch");
    EXPECT_EQ(untouched.text, "built"); // no text chosen for it: it keeps its own
    EXPECT_EQ(sameNumber.text, "English");

    texts.apply(1, QStringLiteral("Polski"));
    texts.apply(2, QStringLiteral("Polski 2"));
    EXPECT_EQ(early.text, "Polski");
    EXPECT_EQ(sameNumber.text, "Polski");
    EXPECT_EQ(late.text, "Polski 2");
}

} // namespace
