#include "kolory.h"

#include "TFlatEditUnit.h"
#include "TFlatGaugeUnit.h"
#include "TFlatListBoxUnit.h"
#include "TFlatMemoUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "ZuboComboBox.h"
#include "children.h"
#include "colorgrid.h"
#include "profilefile.h"
#include "programfixture.h"
#include "settings.h"
#include "shape.h"

#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QToolButton>

#include <functional>

namespace {

using kolory::TForm11;

constexpr TColor kRed = 0x0000FF;
constexpr TColor kFrameOfGroup = 0xA4A0A0;
constexpr TColor kGrey = 0x808080;

class ColourEditorTest : public ProgramFixture {
protected:
    void SetUp() override
    {
        write("baza/1.wps", {"<$@$>nazwisko</$@$>Adam"});
        startMain([this](start::TForm1& m) {
            editor = std::make_unique<TForm11>(m.State());
            return start::Dialogs{.colourEditor = [this] { return editor.get(); }};
        });
    }

    // The frames of kolor1..kolor8.
    std::vector<TColor> frames() const
    {
        std::vector<TColor> list;
        for (int n = 1; n <= 8; ++n)
            list.push_back(child<TShape>(*editor, QStringLiteral("kolor%1").arg(std::size_t(n)))->PenColor());
        return list;
    }

    void chooseGridCell(int index)
    {
        const int side = child<TColorGrid>(*editor, "ColorGrid1")->width() / 4;
        click(*child<TColorGrid>(*editor, "ColorGrid1"),
              QPoint((index % 4) * side + side / 2, (index / 4) * side + side / 2));
    }

    std::unique_ptr<TForm11> editor;
};

TEST_F(ColourEditorTest, ElementsOfTheMockUpChooseTheirGroup)
{
    editor->open();
    EXPECT_EQ(editor->Editor().currentKey(), "tlo_tlo");
    EXPECT_EQ(child<TFlatEdit>(*editor, "FlatEdit4")->text(), QStringLiteral("na razie nic"));
    EXPECT_EQ(frames(), std::vector<TColor>({kRed, kFrameOfGroup, kGrey, kGrey, kGrey, kGrey, kGrey, kGrey}));

    const struct {
        const char* what;
        QWidget* target;
        const char* key;
    } cases[] = {
        {"bar", child<TShape>(*editor, "Shape2"), "paski_tlo"},
        {"label", child<QLabel>(*editor, "Label1"), "tlo_tlo"},
        {"gauge", child<TFlatGauge>(*editor, "FlatGauge1"), "paski_tlo"},
        {"notes", child<TFlatMemo>(*editor, "FlatMemo1")->viewport(), "ComboBox_tlo"},
        {"instructions", child<QPlainTextEdit>(*editor, "Memo1")->viewport(), "tlo_tlo"},
        {"phone list", child<TFlatListBox>(*editor, "FlatListBox3"), "ComboBox_tlo"},
        {"window", editor.get(), "tlo_tlo"},
        {"year field", child<TFlatEdit>(*editor, "FlatEdit3"), "ComboBox_tlo"},
        {"day list", child<TZuboComboBox>(*editor, "ZuboComboBox4"), "ComboBox_tlo"},
    };
    for (const auto& c : cases) {
        editor->FlatSpeedButton4Click();
        click(*c.target, QPoint(3, 3));
        EXPECT_EQ(editor->Editor().currentKey(), c.key) << c.what;
        child<TZuboComboBox>(*editor, "ZuboComboBox4")->hidePopup();
    }
    editor->FormClick();
    child<TFlatSpeedButton>(*editor, "FlatSpeedButton13")->Click();
    EXPECT_EQ(editor->Editor().currentKey(), "guziki_tlo");
    EXPECT_EQ(child<TFlatEdit>(*editor, "FlatEdit4")->text(), QString::fromUtf8("Kolor guzików"));
    EXPECT_EQ(frames(), std::vector<TColor>(
                            {kRed, kFrameOfGroup, kFrameOfGroup, kFrameOfGroup, kFrameOfGroup, kGrey, kGrey, kGrey}));
}

TEST_F(ColourEditorTest, ASwatchOfTheGroupIsEditedWithTheColourDialog)
{
    FakeColourPicker picker;
    editor->open();
    child<TFlatSpeedButton>(*editor, "FlatSpeedButton4")->Click();
    click(*child<TShape>(*editor, "kolor4"), QPoint(10, 10));
    EXPECT_EQ(editor->Editor().currentKey(), "guziki_ramka");
    EXPECT_EQ(child<TFlatEdit>(*editor, "FlatEdit4")->text(), QString::fromUtf8("Obramowanie guzików"));

    // Cancel changes nothing; OK gives every button of the mock-up the new border.
    child<QToolButton>(*editor, "SpeedButton1")->click();
    ASSERT_EQ(picker.opened.size(), 1);
    EXPECT_EQ(fromQColor(picker.opened[0]), main->State().colors.guziki_ramka);
    EXPECT_EQ(child<TFlatSpeedButton>(*editor, "FlatSpeedButton9")->ColorBorder(), main->State().colors.guziki_ramka);
    picker.answer = QColor(0x12, 0x34, 0x56);
    child<QToolButton>(*editor, "SpeedButton1")->click();
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 13, 15, 16})
        EXPECT_EQ(Hex{child<TFlatSpeedButton>(*editor, QStringLiteral("FlatSpeedButton%1").arg(std::size_t(n)))
                          ->ColorBorder()},
                  Hex{0x563412})
            << n;
    EXPECT_EQ(Hex{child<TShape>(*editor, "kolor4")->BrushColor()}, Hex{0x563412});

    // A swatch the bars lack does nothing.
    click(*child<TShape>(*editor, "Shape1"), QPoint(5, 5));
    click(*child<TShape>(*editor, "kolor6"), QPoint(10, 10));
    EXPECT_EQ(editor->Editor().currentKey(), "paski_tlo");
}

TEST_F(ColourEditorTest, TheGridReportsOnlyANewCell)
{
    editor->open();
    child<TFlatSpeedButton>(*editor, "FlatSpeedButton4")->Click(); // the buttons' face
    const TColor before = child<TFlatSpeedButton>(*editor, "FlatSpeedButton4")->Color();
    chooseGridCell(7); // grey, chosen already
    EXPECT_EQ(child<TFlatSpeedButton>(*editor, "FlatSpeedButton4")->Color(), before);
    chooseGridCell(9);
    EXPECT_EQ(Hex{child<TFlatSpeedButton>(*editor, "FlatSpeedButton4")->Color()}, Hex{0x0000FF});
    // The same colour for another key needs another cell first.
    click(*child<TShape>(*editor, "kolor3"), QPoint(10, 10));
    chooseGridCell(9);
    EXPECT_EQ(child<TFlatSpeedButton>(*editor, "FlatSpeedButton4")->ColorDown(), main->State().colors.guziki_down);
    chooseGridCell(0);
    chooseGridCell(9);
    EXPECT_EQ(Hex{child<TFlatSpeedButton>(*editor, "FlatSpeedButton4")->ColorDown()}, Hex{0x0000FF});
}

TEST_F(ColourEditorTest, OneOffTextColourShowsOnlyInThePreviewRow)
{
    editor->open();
    child<TZuboComboBox>(*editor, "ZuboComboBox1")->setCurrentIndex(1);
    emit child<TZuboComboBox>(*editor, "ZuboComboBox1")->activated(1);
    EXPECT_EQ(editor->Editor().currentKey(), "ComboBox_tekst2");
    EXPECT_EQ(child<TFlatEdit>(*editor, "FlatEdit4")->text(),
              QString::fromUtf8("Kolor tekstu dla jednorazowych przypomnień"));
    EXPECT_EQ(frames(), std::vector<TColor>({kFrameOfGroup, kFrameOfGroup, kFrameOfGroup, kFrameOfGroup, kFrameOfGroup,
                                             kFrameOfGroup, kRed, kFrameOfGroup}));
    chooseGridCell(10); // lime
    EXPECT_EQ(Hex{editor->FieldColors[6]}, Hex{0x00FF00});
    EXPECT_NE(FontColor(child<TZuboComboBox>(*editor, "ZuboComboBox1")), TColor(0x00FF00));

    QImage row(200, 13, QImage::Format_RGB32);
    QPainter p(&row);
    editor->FlatComboBox1DrawItem(&p, 1, row.rect(), TOwnerDrawState{});
    p.end();
    EXPECT_GT(countNear(row, 0x00FF00, QRect(10, 0, 190, 13)), 10);
    EXPECT_EQ(Hex{pixel(row, 198, 6)}, Hex{editor->FieldColors[0]});
}

TEST_F(ColourEditorTest, ADescriptionLongerThanItsFieldShowsItsBeginning)
{
    editor->open();
    const struct {
        const char* what;
        std::function<void()> choose;
        const char* description;
    } cases[] = {
        {"swatch 2 of the text fields",
         [this] {
             editor->FlatComboBox1Click();
             click(*child<TShape>(*editor, "kolor2"), QPoint(10, 10));
         },
         "Wybrane pole tekstowe lub pozycja listy"},
        {"swatch 7", [this] { click(*child<TShape>(*editor, "kolor7"), QPoint(10, 10)); },
         "Kolor tekstu dla jednorazowego przypomnienia"},
        {"preview entry",
         [this] {
             child<TZuboComboBox>(*editor, "ZuboComboBox1")->setCurrentIndex(2);
             emit child<TZuboComboBox>(*editor, "ZuboComboBox1")->activated(2);
         },
         "Kolor tekstu dla osób wykasowanych"},
        {"swatch 3", [this] { click(*child<TShape>(*editor, "kolor3"), QPoint(10, 10)); },
         "Obramowanie pól tekstowych i list"},
    };
    for (const auto& c : cases) {
        c.choose();
        const QString text = QString::fromUtf8(c.description);
        ASSERT_EQ(child<TFlatEdit>(*editor, "FlatEdit4")->text(), text) << c.what;
        ASSERT_GT(child<TFlatEdit>(*editor, "FlatEdit4")->fontMetrics().horizontalAdvance(text),
                  child<TFlatEdit>(*editor, "FlatEdit4")->width() - 6)
            << c.what;
        EXPECT_EQ(child<TFlatEdit>(*editor, "FlatEdit4")->cursorPosition(), 0) << c.what;
    }
    // Shown again, the window starts from its first description once more.
    editor->FlatComboBox1Click();
    editor->reject();
    editor->open();
    EXPECT_EQ(child<TFlatEdit>(*editor, "FlatEdit4")->cursorPosition(), 0);
}

TEST_F(ColourEditorTest, ZSavesAllColoursAndTheMainWindowTakesThem)
{
    FakeColourPicker picker;
    picker.answer = QColor(0xFF, 0x00, 0x00);
    bool opened = false;
    dialogs.scripts << [&](QDialog& d) {
        opened = &d == editor.get();
        child<TFlatSpeedButton>(*editor, "FlatSpeedButton8")->Click();
        child<QToolButton>(*editor, "SpeedButton1")->click(); // the buttons' face
        click(*child<TFlatEdit>(*editor, "FlatEdit2"), QPoint(3, 3));
        chooseGridCell(12); // the fields' background: blue
        child<TFlatSpeedButton>(*editor, "FlatSpeedButton6")->Click();
    };
    child<TFlatSpeedButton>(*main, "FlatSpeedButton16")->Click();
    EXPECT_TRUE(opened);
    EXPECT_EQ(editor->result(), mrOk);
    EXPECT_FALSE(editor->isVisible());

    const ProfileFile opcje(settingsPathIn(dir.path()));
    EXPECT_EQ(opcje.readString("kolory", "guziki_tlo", ""), "clRed");
    EXPECT_EQ(opcje.readString("kolory", "ComboBox_tlo", ""), "clBlue");
    EXPECT_EQ(opcje.readString("kolory", "paski_tlo", ""), "$00004080");
    EXPECT_EQ(Hex{main->State().colors.guziki_tlo}, Hex{0x0000FF});
    EXPECT_EQ(Hex{child<TFlatSpeedButton>(*main, "FlatSpeedButton3")->Color()}, Hex{0x0000FF});
    EXPECT_EQ(Hex{child<TZuboComboBox>(*main, "ZuboComboBox2")->Color()}, Hex{0xFF0000});
}

TEST_F(ColourEditorTest, XLeavesFileAndSchemeAndTheNextShowStartsFromThem)
{
    const ColorScheme before = main->State().colors;
    dialogs.scripts << [&](QDialog&) {
        editor->FormClick();
        chooseGridCell(15);
        EXPECT_EQ(Hex{WidgetColor(editor.get())}, Hex{0xFFFFFF});
        child<TFlatSpeedButton>(*editor, "FlatSpeedButton5")->Click();
    };
    child<TFlatSpeedButton>(*main, "FlatSpeedButton16")->Click();
    EXPECT_EQ(editor->result(), mrCancel);
    EXPECT_FALSE(dir.exists("opcje.ini"));
    EXPECT_EQ(main->State().colors, before);

    editor->open();
    EXPECT_EQ(Hex{WidgetColor(editor.get())}, Hex{before.tlo_tlo});
    EXPECT_EQ(Hex{child<TShape>(*editor, "kolor1")->BrushColor()}, Hex{before.tlo_tlo});
}

TEST_F(ColourEditorTest, AFailedSaveKeepsTheWindowOpenAndChangesNothing)
{
    const QByteArray file = crlf({"[kolory]", "tlo_tlo=clMedGray"});
    dir.write("opcje.ini", file);
    FailingFileWriter full(10);
    main->State().writer = &full;
    TForm11 failing(main->State());
    const ColorScheme before = main->State().colors;
    failing.open();
    failing.FormClick();
    click(*child<TColorGrid>(failing, "ColorGrid1"), QPoint(2, 2)); // black window
    child<TFlatSpeedButton>(failing, "FlatSpeedButton6")->Click();
    EXPECT_EQ(messages(), QStringList({QStringLiteral("Unable to write to %1").arg(dir.file("opcje.ini"))}));
    EXPECT_TRUE(failing.isVisible());
    EXPECT_EQ(dir.read("opcje.ini"), file);
    EXPECT_EQ(main->State().colors, before);
}

} // namespace
