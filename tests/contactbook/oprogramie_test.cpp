#include "oprogramie.h"

#include "TFlatSpeedButtonUnit.h"
#include "children.h"
#include "fakes.h"
#include "flattest.h"
#include "shape.h"
#include "windowparts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>

namespace {

using oprogramie::TForm2;

class AboutBoxTest : public FlatTest {
protected:
    ColorScheme scheme;
};

TEST_F(AboutBoxTest, EachLinkOpensItsAddress)
{
    RecordingLinkOpener links;
    TForm2 box(scheme);
    box.show();

    struct Case {
        QLabel* label;
        const char* url;
        const char* hint;
    };
    const Case cases[] = {
        {child<QLabel>(box, "Label1"), "mailto:zubo@example.org?Subject=Zubo", "zubo@example.org"},
        {child<QLabel>(box, "Label2"), "http://www.example.org/zubo/", "www.example.org/zubo/"},
        {child<QLabel>(box, "Label4"), "mailto:testerzy@example.org?Subject=Zubo", ""},
    };
    for (const Case& c : cases) {
        links.opened.clear();
        click(*c.label, QPoint(2, 2));
        EXPECT_EQ(links.opened, QStringList{QString::fromLatin1(c.url)}) << c.url;
        EXPECT_EQ(c.label->toolTip(), QString::fromLatin1(c.hint));
        EXPECT_EQ(c.label->cursor().shape(), Qt::PointingHandCursor);
    }

    // The thanks line is no link, and a link that does not open leaves the box open; a mail link
    // says that there is no mail program, the web link nothing.
    FakePrompter prompter;
    links.opened.clear();
    links.succeed = false;
    click(*child<QLabel>(box, "Label3"), QPoint(2, 2));
    click(*child<QLabel>(box, "Label1"), QPoint(2, 2));
    EXPECT_EQ(links.opened.size(), 1);
    EXPECT_TRUE(box.isVisible());
    click(*child<QLabel>(box, "Label2"), QPoint(2, 2));
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].text, missingToolText(MissingTool::MailProgram));
}

TEST_F(AboutBoxTest, EscInTheTextAndXCloseWithCancel)
{
    {
        TForm2 box(scheme);
        box.open();
        QApplication::setActiveWindow(&box);
        // The text has the focus as the box opens, and no other control can take it, so the first
        // key the user presses reaches the text.
        ASSERT_EQ(QApplication::focusWidget(), child<QPlainTextEdit>(box, "Memo1"));
        for (const QWidget* w : box.findChildren<QWidget*>()) {
            if (w != child<QPlainTextEdit>(box, "Memo1") && !child<QPlainTextEdit>(box, "Memo1")->isAncestorOf(w)) {
                EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << w->metaObject()->className();
            }
        }
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
        QApplication::sendEvent(QApplication::focusWidget(), &esc);
        EXPECT_FALSE(box.isVisible());
        EXPECT_EQ(box.result(), mrCancel);
    }
    {
        TForm2 box(scheme);
        box.open();
        child<TFlatSpeedButton>(box, "FlatSpeedButton2")->Click();
        EXPECT_FALSE(box.isVisible());
        EXPECT_EQ(box.result(), mrCancel);
    }
}

TEST_F(AboutBoxTest, TakesTheSchemeEachTimeItIsShown)
{
    TForm2 box(scheme);
    box.show();
    EXPECT_EQ(Hex{pixel(snapshot(box), 1, 20)}, Hex{scheme.tlo_napisy});

    // A dark window with light text: the frame and the link labels take the light colour.
    scheme.tlo_tlo = 0x202020;
    scheme.tlo_napisy = 0xF0F0F0;
    scheme.paski_tlo = 0x00FF00;
    scheme.guziki_tlo = 0x0000FF;
    box.hide();
    box.show();
    const QImage image = snapshot(box);
    struct Case {
        const char* what;
        QPoint at;
        TColor expected;
    };
    const Case pixels[] = {
        {"frame", {1, 20}, scheme.tlo_napisy},
        {"window", {5, 200}, scheme.tlo_tlo},
        {"text field, beside its text", {10, 165}, scheme.tlo_tlo},
        {"bar", {376, 200}, scheme.paski_tlo},
        {"close button", {371, 299}, scheme.guziki_tlo},
    };
    for (const Case& c : pixels)
        EXPECT_EQ(Hex{pixel(image, c.at.x(), c.at.y())}, Hex{c.expected}) << c.what;
    for (QLabel* label : {child<QLabel>(box, "Label1"), child<QLabel>(box, "Label2"), child<QLabel>(box, "Label3"),
                          child<QLabel>(box, "Label4")})
        EXPECT_EQ(Hex{FontColor(label)}, Hex{scheme.tlo_napisy}) << label->text().toStdString();
    EXPECT_GT(countNear(image, scheme.tlo_napisy, child<QLabel>(box, "Label1")->geometry()), 5);
}

TEST_F(AboutBoxTest, StartsWithItsProgramsDescription)
{
    const TForm2 main(scheme);
    const TForm2 checker(scheme, oprogramie::Edition::Checker);
    EXPECT_TRUE(child<QPlainTextEdit>(main, "Memo1")->toPlainText().startsWith(QStringLiteral("Zubo v3.7.1 - ")));
    EXPECT_TRUE(child<QPlainTextEdit>(checker, "Memo1")->toPlainText().startsWith(QStringLiteral("Zubo v3.7 - ")));
    EXPECT_EQ(child<QPlainTextEdit>(main, "Memo1")->document()->blockCount(), 3);
}

} // namespace
