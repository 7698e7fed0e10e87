#include "TFlatHintUnit.h"
#include "flattest.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QStyle>

namespace {

class HintTest : public FlatTest {
protected:
    HintTest()
    {
        target.setToolTip("Dodaj");
        target.resize(20, 20);
        desktop.cursor = QPoint(100, 100);
    }
    ~HintTest() override { TFlatHint::SetMainForm(nullptr); }

    // Asks for the target's tooltip as the application does when the mouse rests on it.
    bool requestHint()
    {
        QHelpEvent e(QEvent::ToolTip, QPoint(2, 2), desktop.cursor);
        return QApplication::sendEvent(&target, &e);
    }
    static TFlatHintWindow* window() { return TFlatHint::ApplicationHintWindow(); }

    QWidget target;
};

} // namespace

TEST(TFlatHintWindow, PlacesTheHintAwayFromThePointerByScreenQuarter)
{
    const QRect screen(0, 0, 1024, 768);
    const QSize size(60, 20);
    struct Case {
        QPoint cursor;
        TFlatHintWindow::ArrowPosition arrow;
        QRect window;
    };
    const Case cases[] = {
        {{100, 100}, TFlatHintWindow::TopLeft, QRect(112, 112, 60, 20)},
        {{900, 100}, TFlatHintWindow::TopRight, QRect(900 - 65, 105, 60, 20)},
        {{100, 700}, TFlatHintWindow::BottomLeft, QRect(105, 700 - 25, 60, 20)},
        {{900, 700}, TFlatHintWindow::BottomRight, QRect(900 - 65, 700 - 25, 60, 20)},
        // The middle lines belong to the right and the bottom halves.
        {{512, 100}, TFlatHintWindow::TopRight, QRect(512 - 65, 105, 60, 20)},
        {{100, 384}, TFlatHintWindow::BottomLeft, QRect(105, 384 - 25, 60, 20)},
        // Off every quarter: placed as bottom-right, and not clipped to the screen.
        {{-50, 2000}, TFlatHintWindow::BottomRight, QRect(-115, 2000 - 25, 60, 20)},
    };
    for (const Case& c : cases) {
        const TFlatHintWindow::Placement p = TFlatHintWindow::PlaceHint(c.cursor, screen, size);
        EXPECT_EQ(p.arrow, c.arrow) << c.cursor.x() << "," << c.cursor.y();
        EXPECT_EQ(p.window, c.window) << c.cursor.x() << "," << c.cursor.y();
    }
}

TEST_F(HintTest, ReplacesTheApplicationsTooltipAndSetsItsTimings)
{
    TFlatHint hint(&form);
    TFlatHint::SetMainForm(&form);
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 500);
    EXPECT_TRUE(requestHint());
    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(window()->Caption(), "Dodaj");

    // A one-word hint is its text plus 22 wide and 6 high.
    const QFontMetrics fm(hint.Font());
    EXPECT_EQ(window()->width(), fm.horizontalAdvance("Dodaj") + 22);
    EXPECT_EQ(window()->height(), fm.height() + 6);
    EXPECT_EQ(window()->pos(), QPoint(112, 112));

    // A long hint wraps within MaxHintWidth.
    target.setToolTip("Dodaj nową osobę albo jednorazowe przypomnienie do książki adresowej");
    requestHint();
    EXPECT_LE(window()->width(), 200);
    EXPECT_GT(window()->height(), 2 * fm.height());

    // A press anywhere hides it.
    press(form, {5, 5});
    EXPECT_FALSE(window()->isVisible());
}

TEST_F(HintTest, PaintsBandArrowTextAreaAndBorderOnThePointersSide)
{
    TFlatHint hint(&form);
    TFlatHint::SetMainForm(&form);
    hint.SetIndexedColor(0, 0x111111);
    hint.SetIndexedColor(1, 0x222222);
    hint.SetIndexedColor(2, 0x333333);
    hint.SetIndexedColor(3, 0x444444);
    struct Case {
        QPoint cursor;
        bool bandLeft, arrowTop;
    };
    for (const Case& c : {Case{{100, 100}, true, true}, Case{{900, 100}, false, true}, Case{{100, 700}, true, false},
                          Case{{900, 700}, false, false}}) {
        desktop.cursor = c.cursor;
        requestHint();
        const QImage image = snapshot(*window());
        const int w = image.width(), h = image.height();
        // The band's far corner, clear of the arrow.
        const int bandX = c.bandLeft ? 13 : w - 14;
        const int bandY = c.arrowTop ? h - 3 : 2;
        const int textX = c.bandLeft ? w - 3 : 3;
        EXPECT_EQ(Hex{pixel(image, 0, 0)}, Hex{0x222222});
        EXPECT_EQ(Hex{pixel(image, w - 1, h - 1)}, Hex{0x222222});
        EXPECT_EQ(Hex{pixel(image, bandX, bandY)}, Hex{0x333333});
        EXPECT_EQ(Hex{pixel(image, textX, h / 2)}, Hex{0x111111});
        // The arrow's tip sits 3 pixels into the band from its corner.
        const int tipX = c.bandLeft ? 3 : w - 4;
        const int tipY = c.arrowTop ? 3 : h - 4;
        EXPECT_EQ(Hex{pixel(image, tipX, tipY)}, Hex{0x444444}) << c.cursor.x() << "," << c.cursor.y();
    }

    // Colours set while a hint is shown wait for the next hint (bottom-right: band at the right).
    hint.SetIndexedColor(2, 0x555555);
    EXPECT_EQ(Hex{pixel(snapshot(*window()), window()->width() - 14, 2)}, Hex{0x333333});
    requestHint();
    EXPECT_EQ(Hex{pixel(snapshot(*window()), window()->width() - 14, 2)}, Hex{0x555555});
}

TEST_F(HintTest, WithoutAHintOnTheMainFormTheDefaultsShow)
{
    TFlatHint hint; // not on any main form
    hint.SetIndexedColor(2, 0x000000);
    requestHint();
    const QImage image = snapshot(*window());
    EXPECT_EQ(Hex{pixel(image, 13, image.height() - 3)}, Hex{0x53D2FF});
    EXPECT_EQ(Hex{pixel(image, image.width() - 3, image.height() / 2)}, Hex{0xFFFFFF});
    EXPECT_EQ(Hex{pixel(image, 0, 0)}, Hex{0x000000});
}

TEST_F(HintTest, TheNewestHintsHandlerDecidesAndADestroyedOneIsLetGo)
{
    auto older = std::make_unique<TFlatHint>(&form);
    auto newer = std::make_unique<TFlatHint>(&form);
    int olderCalls = 0, newerCalls = 0;
    QObject::connect(older.get(), &TFlatHint::OnShowHint, [&](QString&, bool&, THintInfo&) { ++olderCalls; });
    QObject::connect(newer.get(), &TFlatHint::OnShowHint, [&](QString& text, bool& canShow, THintInfo& info) {
        ++newerCalls;
        EXPECT_EQ(info.hintControl, &target);
        canShow = text != "ukryj";
        text += "!";
    });
    requestHint();
    EXPECT_EQ(newerCalls, 1);
    EXPECT_EQ(olderCalls, 0);
    EXPECT_EQ(window()->Caption(), "Dodaj!");
    target.setToolTip("ukryj");
    requestHint();
    EXPECT_FALSE(window()->isVisible());

    // Destroyed, its handler is gone and nothing calls into it.
    target.setToolTip("Dodaj");
    newer.reset();
    requestHint();
    EXPECT_EQ(newerCalls, 2);
    EXPECT_EQ(window()->Caption(), "Dodaj");

    // With the last hint gone the application's tooltips are its own again.
    older.reset();
    EXPECT_EQ(window(), nullptr);
    EXPECT_EQ(olderCalls, 0);
}
