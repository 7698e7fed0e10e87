#include "TFlatSpeedButtonUnit.h"
#include "flattest.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QTimer>

namespace {

class SpeedButtonTest : public FlatTest {
protected:
    // A 25 x 25 button on the form with colours that tell the states apart.
    TFlatSpeedButton* button(int groupIndex = 0, QWidget* parent = nullptr)
    {
        auto* b = new TFlatSpeedButton(parent ? parent : &form);
        b->SetColor(0x101010);
        b->SetColorFocused(0x202020);
        b->SetColorDown(0x303030);
        b->SetColorBorder(0x404040);
        b->SetColorHighLight(0x505050);
        b->SetColorShadow(0x606060);
        b->SetGroupIndex(groupIndex);
        return b;
    }
};

} // namespace

TEST_F(SpeedButtonTest, DefaultsOfANewButton)
{
    TFlatSpeedButton b;
    EXPECT_EQ(b.size(), QSize(25, 25));
    EXPECT_EQ(b.Color(), 0xE1EAEBu);
    EXPECT_TRUE(b.ParentColor());
    EXPECT_EQ(b.ColorFocused(), 0xE1EAEBu);
    EXPECT_EQ(b.ColorDown(), 0xC5D6D9u);
    EXPECT_EQ(b.ColorBorder(), 0x8396A0u);
    EXPECT_EQ(b.ColorHighLight(), 0xFFFFFFu);
    EXPECT_EQ(b.ColorShadow(), 0x000000u);
    EXPECT_EQ(b.Layout(), blGlyphTop);
    EXPECT_EQ(b.Margin(), -1);
    EXPECT_EQ(b.Spacing(), 4);
    // On a form with ParentColor the face is the form's colour.
    TFlatSpeedButton onForm(&form);
    EXPECT_EQ(onForm.Color(), 0xA4A0A0u);
}

// Frame (top-left and bottom-right pixel) and fill of every state.
TEST_F(SpeedButtonTest, PaintsFrameAndFillOfEachState)
{
    struct Case {
        const char* name;
        std::function<void(TFlatSpeedButton&)> setUp;
        TColor topLeft, bottomRight, fill;
    };
    const Case cases[] = {
        {"up", [](TFlatSpeedButton&) {}, 0x404040, 0x404040, 0x101010},
        {"hovered", [this](TFlatSpeedButton& b) { moveOnto(b); }, 0x505050, 0x606060, 0x202020},
        {"pressed",
         [this](TFlatSpeedButton& b) {
             press(b, {5, 5});
         },
         0x606060, 0x505050, 0x303030},
        {"down in a group",
         [](TFlatSpeedButton& b) {
             b.SetGroupIndex(1);
             b.SetDown(true);
         },
         0x606060, 0x505050, 0x303030},
        {"down and hovered",
         [this](TFlatSpeedButton& b) {
             b.SetGroupIndex(1);
             b.SetDown(true);
             moveOnto(b);
         },
         0x606060, 0x505050, 0x202020},
        {"disabled", [](TFlatSpeedButton& b) { b.setEnabled(false); }, 0x404040, 0x404040, 0x101010},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<TFlatSpeedButton> b(button());
        c.setUp(*b);
        const QImage image = snapshot(*b);
        EXPECT_EQ(Hex{pixel(image, 0, 0)}, Hex{c.topLeft});
        EXPECT_EQ(Hex{pixel(image, 0, 23)}, Hex{c.topLeft});
        EXPECT_EQ(Hex{pixel(image, 24, 24)}, Hex{c.bottomRight});
        EXPECT_EQ(Hex{pixel(image, 24, 0)}, Hex{c.bottomRight});
        EXPECT_EQ(Hex{pixel(image, 3, 3)}, Hex{c.fill});
    }
}

TEST_F(SpeedButtonTest, CaptionIsCentredInTheFontColourAndEmbossedWhenDisabled)
{
    std::unique_ptr<TFlatSpeedButton> b(button());
    b->resize(17, 17);
    b->SetCaption("I");
    SetFontColor(b.get(), 0x0000FF);
    const QImage enabled = snapshot(*b);
    // The "I" stands in the middle columns.
    EXPECT_GT(countNear(enabled, 0x0000FF, QRect(7, 3, 3, 11)), 4);
    EXPECT_EQ(countNear(enabled, 0x0000FF, QRect(1, 1, 5, 15)), 0);

    b->setEnabled(false);
    const QImage disabled = snapshot(*b);
    EXPECT_EQ(countNear(disabled, 0x0000FF), 0);
    EXPECT_GT(countNear(disabled, ColorToRGB(clBtnShadow)), 4);
    EXPECT_GT(countNear(disabled, ColorToRGB(clBtnHighlight)), 4);
}

TEST_F(SpeedButtonTest, GlyphCellsByStateWithTheBottomLeftColourTransparent)
{
    // Four 8 x 8 cells in four colours on a magenta key, each with a magenta bottom-left pixel.
    QImage strip(32, 8, QImage::Format_RGB32);
    const TColor cellColours[] = {0x0000AA, 0x00AA00, 0xAA0000, 0xAAAA00};
    for (int cell = 0; cell < 4; ++cell)
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                strip.setPixelColor(cell * 8 + x, y, toQColor(cellColours[cell]));
    for (int cell = 0; cell < 4; ++cell)
        strip.setPixelColor(cell * 8, 7, toQColor(0xFF00FF));

    std::unique_ptr<TFlatSpeedButton> b(button(1));
    b->SetGlyph(strip);
    EXPECT_EQ(b->NumGlyphs(), 4);
    const QPoint centre(12, 12);
    EXPECT_EQ(Hex{pixel(snapshot(*b), centre.x(), centre.y())}, Hex{0x0000AA});
    // The glyph sits at (9, 9); its transparent bottom-left pixel shows the face.
    EXPECT_EQ(Hex{pixel(snapshot(*b), 9, 16)}, Hex{0x101010});
    EXPECT_EQ(Hex{pixel(snapshot(*b), 10, 16)}, Hex{0x0000AA});
    press(*b, {5, 5});
    EXPECT_EQ(Hex{pixel(snapshot(*b), centre.x() + 1, centre.y() + 1)}, Hex{0xAA0000});
    release(*b, {5, 5});
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(Hex{pixel(snapshot(*b), centre.x() + 1, centre.y() + 1)}, Hex{0xAAAA00});
    b->setEnabled(false);
    EXPECT_EQ(Hex{pixel(snapshot(*b), centre.x(), centre.y())}, Hex{0x00AA00});
}

TEST_F(SpeedButtonTest, ASingleGlyphIsEmbossedWhenDisabled)
{
    QImage glyph(8, 8, QImage::Format_RGB32);
    glyph.fill(Qt::white);
    for (int x = 2; x < 6; ++x)
        glyph.setPixel(x, 3, qRgb(0, 0, 0));
    std::unique_ptr<TFlatSpeedButton> b(button());
    b->SetGlyph(glyph);
    // Glyph at (9, 9) of the 25 x 25 face: its black bar covers (11..14, 12).
    EXPECT_EQ(Hex{pixel(snapshot(*b), 11, 12)}, Hex{0x000000});
    b->setEnabled(false);
    const QImage image = snapshot(*b);
    EXPECT_EQ(Hex{pixel(image, 11, 12)}, Hex{ColorToRGB(clBtnShadow)});
    EXPECT_EQ(Hex{pixel(image, 15, 13)}, Hex{ColorToRGB(clBtnHighlight)});
    // The disabled glyph's background (button face) is its transparent colour.
    EXPECT_EQ(Hex{pixel(image, 9, 9)}, Hex{0x101010});
    EXPECT_EQ(Hex{pixel(image, 11, 13)}, Hex{0x101010});
}

TEST_F(SpeedButtonTest, GlyphWidthSetsTheCellCountOnlyForOneToFourSquareCells)
{
    struct Case {
        QSize size;
        int numGlyphs;
    };
    for (const Case& c : {Case{{64, 16}, 4}, Case{{40, 16}, 1}, Case{{80, 16}, 1}, Case{{32, 16}, 2}}) {
        TFlatSpeedButton b;
        QImage glyph(c.size, QImage::Format_RGB32);
        glyph.fill(Qt::white);
        b.SetGlyph(glyph);
        EXPECT_EQ(b.NumGlyphs(), c.numGlyphs) << c.size.width();
    }
    TFlatSpeedButton b;
    b.SetMargin(-2);
    EXPECT_EQ(b.Margin(), -1);
    b.SetMargin(3);
    EXPECT_EQ(b.Margin(), 3);
}

TEST_F(SpeedButtonTest, GroupButtonsAreExclusivePerGroupAndParent)
{
    QWidget panel(&form);
    TFlatSpeedButton* a = button(1);
    TFlatSpeedButton* b = button(1);
    TFlatSpeedButton* otherGroup = button(2);
    TFlatSpeedButton* otherParent = button(1, &panel);
    a->SetDown(true);
    otherGroup->SetDown(true);
    otherParent->SetDown(true);

    click(*b, {5, 5});
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(a->State(), TFlatSpeedButton::bsUp);
    EXPECT_TRUE(otherGroup->Down());
    EXPECT_TRUE(otherParent->Down());

    // Without a group a button never stays down.
    TFlatSpeedButton* plain = button(0);
    plain->SetDown(true);
    EXPECT_FALSE(plain->Down());
    click(*plain, {5, 5});
    EXPECT_FALSE(plain->Down());
    EXPECT_EQ(plain->State(), TFlatSpeedButton::bsUp);
}

TEST_F(SpeedButtonTest, AllowAllUpDecidesWhetherAClickRaisesADownButton)
{
    for (bool allowAllUp : {false, true}) {
        SCOPED_TRACE(allowAllUp);
        std::unique_ptr<TFlatSpeedButton> a(button(1)), b(button(1));
        a->SetDown(true);
        b->SetAllowAllUp(allowAllUp);
        // The group shares the setting.
        EXPECT_EQ(a->AllowAllUp(), allowAllUp);
        int clicks = 0;
        QObject::connect(a.get(), &TFlatSpeedButton::OnClick, [&] { ++clicks; });
        click(*a, {5, 5});
        EXPECT_EQ(clicks, 1);
        EXPECT_EQ(a->Down(), !allowAllUp);
        EXPECT_EQ(Hex{pixel(snapshot(*a), 3, 3)}, Hex{allowAllUp ? 0x101010u : 0x303030u});
    }
}

TEST_F(SpeedButtonTest, ReleaseInsideTestCountsTheBottomEdgeButNotTheRightEdge)
{
    struct Case {
        QPoint at;
        bool clicks;
    };
    for (const Case& c : {Case{{5, 25}, true}, Case{{25, 5}, false}, Case{{24, 24}, true}, Case{{-1, 5}, false}}) {
        std::unique_ptr<TFlatSpeedButton> b(button());
        int clicks = 0;
        QObject::connect(b.get(), &TFlatSpeedButton::OnClick, [&] { ++clicks; });
        press(*b, {5, 5});
        release(*b, c.at);
        EXPECT_EQ(clicks, c.clicks ? 1 : 0) << c.at.x() << "," << c.at.y();
    }
}

TEST_F(SpeedButtonTest, AGroupButtonReleasedOutsideIsNeverLeftLookingPressed)
{
    for (bool down : {false, true}) {
        SCOPED_TRACE(down);
        std::unique_ptr<TFlatSpeedButton> b(button(1));
        b->SetDown(down);
        // Pressed inside and released outside with no move in between.
        press(*b, {5, 5});
        release(*b, {40, 5});
        EXPECT_EQ(b->Down(), down);
        EXPECT_EQ(b->State(), down ? TFlatSpeedButton::bsExclusive : TFlatSpeedButton::bsUp);
        EXPECT_EQ(Hex{pixel(snapshot(*b), 3, 3)}, Hex{down ? 0x303030u : 0x101010u});
    }
}

TEST_F(SpeedButtonTest, DraggingOutAndBackShowsPressedOnlyInside)
{
    std::unique_ptr<TFlatSpeedButton> b(button());
    press(*b, {5, 5});
    moveOff(*b, {30, 5}, Qt::LeftButton);
    EXPECT_EQ(b->State(), TFlatSpeedButton::bsUp);
    moveOnto(*b, {5, 5}, Qt::LeftButton);
    EXPECT_EQ(b->State(), TFlatSpeedButton::bsDown);
}

TEST_F(SpeedButtonTest, ClickHandsItsModalResultToTheDialog)
{
    QDialog dialog;
    auto* ok = new TFlatSpeedButton(&dialog);
    ok->SetModalResult(mrOk);
    auto* none = new TFlatSpeedButton(&dialog);
    auto* keepOpen = new TFlatSpeedButton(&dialog);
    keepOpen->SetModalResult(mrCancel);
    // A handler may cancel the closing by resetting the result.
    QObject::connect(keepOpen, &TFlatSpeedButton::OnClick, [&] { dialog.setResult(mrNone); });
    dialog.show();

    dialog.setResult(7);
    click(*none, {5, 5});
    EXPECT_EQ(dialog.result(), mrNone);
    EXPECT_TRUE(dialog.isVisible());

    click(*keepOpen, {5, 5});
    EXPECT_TRUE(dialog.isVisible());

    click(*ok, {5, 5});
    EXPECT_EQ(dialog.result(), mrOk);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(SpeedButtonTest, DoubleClickIsReportedOnlyWhileDown)
{
    std::unique_ptr<TFlatSpeedButton> plain(button(0)), grouped(button(3));
    grouped->SetAllowAllUp(false);
    int plainDouble = 0, groupedDouble = 0;
    QObject::connect(plain.get(), &TFlatSpeedButton::OnDblClick, [&] { ++plainDouble; });
    QObject::connect(grouped.get(), &TFlatSpeedButton::OnDblClick, [&] { ++groupedDouble; });
    doubleClick(*plain, {5, 5});
    doubleClick(*grouped, {5, 5});
    EXPECT_EQ(plainDouble, 0);
    EXPECT_EQ(groupedDouble, 1);
}

TEST_F(SpeedButtonTest, HoverMovesFromButtonToButtonAndNeedsAnActiveWindow)
{
    std::unique_ptr<TFlatSpeedButton> a(button()), b(button());
    moveOnto(*a);
    EXPECT_TRUE(a->Hovered());
    EXPECT_EQ(TFlatSpeedButton::HoverTimer().owner(), a.get());
    EXPECT_TRUE(TFlatSpeedButton::HoverTimer().isActive());

    // Straight onto the next button: the first one is un-highlighted, the second lights up.
    moveOnto(*b);
    EXPECT_FALSE(a->Hovered());
    EXPECT_TRUE(b->Hovered());
    EXPECT_EQ(TFlatSpeedButton::HoverTimer().owner(), b.get());

    // Within a tick of the 100 ms timer the cursor is found gone and the hover ends.
    desktop.moveOnto(nullptr);
    QEventLoop loop;
    QTimer::singleShot(400, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_FALSE(b->Hovered());
    EXPECT_FALSE(TFlatSpeedButton::HoverTimer().isActive());

    desktop.active = nullptr;
    moveOnto(*a);
    EXPECT_FALSE(a->Hovered());
}

TEST_F(SpeedButtonTest, TheSharedHoverTimerOutlivesNoButtonAndNeverTicksIntoADestroyedOne)
{
    ClassTimer& timer = TFlatSpeedButton::HoverTimer();
    const int before = timer.instances();
    auto* a = button();
    {
        std::unique_ptr<TFlatSpeedButton> b(button());
        EXPECT_EQ(timer.instances(), before + 2);
        moveOnto(*b);
        EXPECT_TRUE(timer.isActive());
    }
    // The hovered button is gone: the timer stopped and nobody owns it.
    EXPECT_FALSE(timer.isActive());
    EXPECT_EQ(timer.owner(), nullptr);
    moveOnto(*a);
    EXPECT_TRUE(a->Hovered());
    delete a;
    EXPECT_EQ(timer.instances(), before);
    if (before == 0) {
        EXPECT_FALSE(timer.exists());
    }
}

TEST_F(SpeedButtonTest, DisablingEndsHoverAndPaintsDisabled)
{
    std::unique_ptr<TFlatSpeedButton> b(button(1));
    b->SetDown(true);
    moveOnto(*b);
    b->setEnabled(false);
    EXPECT_FALSE(b->Hovered());
    EXPECT_EQ(b->State(), TFlatSpeedButton::bsDisabled);
    EXPECT_FALSE(TFlatSpeedButton::HoverTimer().isActive());
    // Enabled again, it shows as down at the next paint.
    b->setEnabled(true);
    snapshot(*b);
    EXPECT_EQ(b->State(), TFlatSpeedButton::bsExclusive);
}

TEST_F(SpeedButtonTest, HoverEndsOnLeaveWhenHiddenAndAfterAnEnableUnderThePointer)
{
    form.show();
    std::unique_ptr<TFlatSpeedButton> b(button());
    b->show();
    // The leave ends the hover at once, without waiting for a tick.
    moveOnto(*b);
    ASSERT_TRUE(b->Hovered());
    desktop.moveOnto(nullptr);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(b.get(), &leave);
    EXPECT_FALSE(b->Hovered());

    // The window closes with the mouse over the button: shown again, it is not lit.
    moveOnto(*b);
    form.hide();
    EXPECT_FALSE(b->Hovered());
    EXPECT_FALSE(TFlatSpeedButton::HoverTimer().isActive());
    form.show();
    EXPECT_EQ(Hex{pixel(snapshot(*b), 12, 12)}, Hex{0x101010});

    // Disabled and enabled again under the pointer, it lights up, and goes dark within a tick once
    // the pointer has gone, though no leave and no mouse move came.
    moveOnto(*b);
    b->setEnabled(false);
    b->setEnabled(true);
    EXPECT_TRUE(b->Hovered());
    desktop.moveOnto(nullptr);
    QEventLoop loop;
    QTimer::singleShot(400, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_FALSE(b->Hovered());
    EXPECT_EQ(Hex{pixel(snapshot(*b), 12, 12)}, Hex{0x101010});
}

TEST_F(SpeedButtonTest, IndexedColoursAndDerivedColours)
{
    TFlatSpeedButton b(&form);
    b.SetIndexedColor(5, 0x123456); // beyond the table: nothing stored
    EXPECT_EQ(b.ColorFocused(), 0xE1EAEBu);
    EXPECT_EQ(b.ColorShadow(), 0x000000u);
    b.SetIndexedColor(4, 0x123456);
    EXPECT_EQ(b.ColorShadow(), 0x123456u);

    b.SetColor(0x808080);
    EXPECT_FALSE(b.ParentColor());
    b.SetUseAdvColors(true);
    // Derived from the parent's colour, which ParentColor now follows.
    EXPECT_TRUE(b.ParentColor());
    EXPECT_EQ(b.ColorFocused(), ShadeFromParentColor(0xA4A0A0, 0, 10, false));
    EXPECT_EQ(b.ColorDown(), ShadeFromParentColor(0xA4A0A0, 0, 10, true));
    EXPECT_EQ(b.ColorBorder(), ShadeFromParentColor(0xA4A0A0, 0, 50, true));
    SetWidgetColor(&form, 0x00FF00);
    EXPECT_EQ(b.ColorBorder(), ShadeFromParentColor(0x00FF00, 0, 50, true));
}
