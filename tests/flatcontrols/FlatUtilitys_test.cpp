#include "FlatUtilitys.h"
#include "HSLUtils.h"
#include "flattest.h"

#include <QEventLoop>
#include <QFontMetrics>
#include <QPainter>
#include <QTimer>

TEST(FlatColors, SystemColoursComeFromTheFixedTableAndRedStaysLow)
{
    EXPECT_EQ(ColorToRGB(clBtnFace), 0xC8D0D4u);
    EXPECT_EQ(ColorToRGB(clWindow), 0xFFFFFFu);
    EXPECT_EQ(ColorToRGB(0x800000FF), 0x000000u); // no such system colour
    EXPECT_EQ(toQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(0x53D2FF), QColor(0xFF, 0xD2, 0x53));
    EXPECT_EQ(fromQColor(QColor(0x60, 0xB3, 0xFD)), 0xFDB360u);
}

TEST(ShadeFromParentColor, ClampsLightnessAndIgnoresThePreviousResult)
{
    // Percent 0 hands back the fallback whatever the base.
    EXPECT_EQ(ShadeFromParentColor(0x123456, 0xABCDEF, 0, true), 0xABCDEFu);
    EXPECT_EQ(ShadeFromParentColor(0x123456, 0xABCDEF, 0, false), 0xABCDEFu);

    // White (L 240) lightened: 240 + 10 + 10 is clamped to exactly 100.
    EXPECT_EQ(ScaledHslFromColor(ShadeFromParentColor(0xFFFFFF, 0, 10, false)).L, 100);
    // Black (L 0) darkened by 50: 0 + 10 - 50 is clamped to 0.
    EXPECT_EQ(ShadeFromParentColor(0x000000, 0xFFFFFF, 50, true), 0x000000u);
    // A mid colour moves by exactly the percent (plus the fixed 10) and keeps its hue.
    const ScaledHsl base = ScaledHslFromColor(0x8396A0);
    const ScaledHsl dark = ScaledHslFromColor(ShadeFromParentColor(0x8396A0, 0, 40, true));
    EXPECT_NEAR(dark.L, base.L + 10 - 40, 1);
    EXPECT_NEAR(dark.H, base.H, 2);
    // A system colour is resolved before shading.
    EXPECT_EQ(ShadeFromParentColor(clBtnFace, 0, 20, true), ShadeFromParentColor(0xC8D0D4, 0, 20, true));
}

TEST(LayoutGlyphAndCaption, PlacesGlyphAndCaption)
{
    const QFont font = DefaultUiFont();
    const QFontMetrics fm(font);
    const QSize text = fm.size(Qt::TextSingleLine, "Ab");
    const QImage glyph16(32, 16, QImage::Format_RGB32); // two cells of 16 x 16
    struct Case {
        const char* name;
        TRect client;
        QString caption;
        bool withGlyph;
        int margin, spacing;
        TButtonLayout layout;
        QPoint glyphPos;
        int textLeft, textTop;
    };
    const int w = text.width(), h = text.height();
    const Case cases[] = {
        // Free room split in three equal parts, the remainder dropped.
        {"thirds",
         {0, 0, 100, 30},
         "Ab",
         true,
         -1,
         -1,
         blGlyphLeft,
         {(100 - 16 - w) / 3, 7},
         2 * ((100 - 16 - w) / 3) + 16,
         (30 - h + 1) / 2},
        // Margin -1 alone centres glyph, spacing and caption as one block.
        {"centred pair",
         {0, 0, 100, 30},
         "Ab",
         true,
         -1,
         4,
         blGlyphRight,
         {100 - (100 - 16 - 4 - w + 1) / 2 - 16, 7},
         100 - (100 - 16 - 4 - w + 1) / 2 - 16 - 4 - w,
         (30 - h + 1) / 2},
        // Spacing -1 alone centres the caption in the room after the glyph.
        {"centred caption",
         {0, 0, 60, 60},
         "Ab",
         true,
         2,
         -1,
         blGlyphTop,
         {22, 2},
         (60 - w + 1) / 2,
         2 + 16 + (60 - 2 - 16 - h) / 2},
        // No glyph: spacing counts as 0, so the caption alone is centred.
        {"caption only",
         {0, 0, 17, 17},
         "Ab",
         false,
         -1,
         4,
         blGlyphTop,
         {9, (17 - h + 1) / 2},
         (17 - w + 1) / 2,
         (17 - h + 1) / 2},
        // No caption: the glyph alone is centred, the spacing dropped.
        {"glyph only", {0, 0, 40, 40}, "", true, -1, 4, blGlyphBottom, {12, 40 - 12 - 16}, 20, 40 - 12 - 16},
        // The client's origin and the pressed offset move both.
        {"offset", {10, 20, 27, 37}, "", true, 0, 0, blGlyphLeft, {10 + 1, 20 + 1 + 1}, 10 + 1 + 16, 20 + 1 + 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QPoint glyphPos;
        TRect bounds;
        const QPoint offset = QString(c.name) == "offset" ? QPoint(1, 1) : QPoint(0, 0);
        LayoutGlyphAndCaption(fm, c.client, offset, glyphPos, bounds, c.caption, 2, c.withGlyph ? glyph16 : QImage(),
                              c.margin, c.spacing, c.layout);
        EXPECT_EQ(glyphPos, c.glyphPos);
        EXPECT_EQ(bounds.left, c.textLeft);
        EXPECT_EQ(bounds.top, c.textTop);
        EXPECT_EQ(bounds.width(), c.caption.isEmpty() ? 0 : w);
    }
}

TEST(MakeDisabledGlyph, KeyPixelsBecomeEmbossedOnTheBackColour)
{
    // A black 2 x 2 square in a 5 x 5 white glyph.
    QImage glyph(5, 5, QImage::Format_RGB32);
    glyph.fill(Qt::white);
    for (QPoint p : {QPoint(1, 1), QPoint(2, 1), QPoint(1, 2), QPoint(2, 2)})
        glyph.setPixel(p, qRgb(0, 0, 0));
    const QImage out = MakeDisabledGlyph(glyph, clBlack, 0x111111, 0x00FF00, 0x0000FF, true);
    ASSERT_EQ(out.size(), glyph.size());
    auto at = [&](int x, int y) { return Hex{fromQColor(out.pixelColor(x, y))}; };
    EXPECT_EQ(at(0, 0), Hex{0x111111}); // background
    EXPECT_EQ(at(1, 1), Hex{0x0000FF}); // shadow on the key pixels
    EXPECT_EQ(at(2, 2), Hex{0x0000FF});
    EXPECT_EQ(at(3, 3), Hex{0x00FF00}); // highlight shows below-right only
    EXPECT_EQ(at(3, 2), Hex{0x00FF00});
    EXPECT_EQ(at(4, 4), Hex{0x111111});

    const QImage flat = MakeDisabledGlyph(glyph, clBlack, 0x111111, 0x00FF00, 0x0000FF, false);
    EXPECT_EQ(fromQColor(flat.pixelColor(3, 3)), 0x111111u);
}

TEST(Drawing, PixelExactShapes)
{
    QImage image(12, 12, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        TRect r{0, 0, 6, 6};
        Frame3D(p, r, 0x0000FF, 0xFF0000);
        EXPECT_EQ(r, (TRect{1, 1, 5, 5}));
        DrawLine(p, QPoint(6, 0), QPoint(10, 4), 0x00FF00);
        FillPolygon(p, {QPoint(4, 11), QPoint(8, 11), QPoint(6, 9)}, 0x000000);
    }
    auto at = [&](int x, int y) { return Hex{fromQColor(image.pixelColor(x, y))}; };
    EXPECT_EQ(at(0, 0), Hex{0x0000FF});
    EXPECT_EQ(at(0, 4), Hex{0x0000FF});
    EXPECT_EQ(at(5, 0), Hex{0xFF0000}); // top-right corner: bottom-right colour
    EXPECT_EQ(at(0, 5), Hex{0xFF0000}); // bottom-left corner likewise
    EXPECT_EQ(at(5, 5), Hex{0xFF0000});
    EXPECT_EQ(at(6, 0), Hex{0x00FF00});
    EXPECT_EQ(at(9, 3), Hex{0x00FF00});
    EXPECT_EQ(at(10, 4), Hex{0xFFFFFF}); // a line leaves out its end point
    // The triangle: 5, 3 and 1 pixels wide.
    for (int x = 4; x <= 8; ++x)
        EXPECT_EQ(at(x, 11), Hex{0x000000});
    EXPECT_EQ(at(3, 11), Hex{0xFFFFFF});
    EXPECT_EQ(at(5, 10), Hex{0x000000});
    EXPECT_EQ(at(7, 10), Hex{0x000000});
    EXPECT_EQ(at(4, 10), Hex{0xFFFFFF});
    EXPECT_EQ(at(6, 9), Hex{0x000000});
    EXPECT_EQ(at(5, 9), Hex{0xFFFFFF});
}

TEST(ClassTimer, LivesWithItsInstancesAndNeverTicksIntoAGoneOwner)
{
    ClassTimer timer(100);
    int ticks = 0;
    auto a = std::make_unique<QWidget>();
    auto b = std::make_unique<QWidget>();
    timer.join();
    timer.join();
    ASSERT_TRUE(timer.exists());
    timer.start(a.get(), [&] { ++ticks; });
    EXPECT_TRUE(timer.isActive());

    // Releasing by someone else does nothing; the owner leaving stops the ticks.
    timer.release(b.get());
    EXPECT_TRUE(timer.isActive());
    timer.leave(a.get());
    a.reset();
    EXPECT_FALSE(timer.isActive());
    EXPECT_EQ(timer.owner(), nullptr);
    EXPECT_TRUE(timer.exists());

    // An owner destroyed without leaving first is not called either.
    auto c = std::make_unique<QWidget>();
    timer.start(c.get(), [&] { ++ticks; });
    c.reset();
    QEventLoop loop;
    QTimer::singleShot(250, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(ticks, 0);

    timer.leave(b.get());
    EXPECT_FALSE(timer.exists());
}
