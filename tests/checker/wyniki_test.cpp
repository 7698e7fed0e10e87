#include "wyniki.h"

#include "TFlatSpeedButtonUnit.h"
#include "children.h"
#include "codec1250.h"
#include "fakes.h"
#include "flattest.h"
#include "oprogramie.h"
#include "shape.h"
#include "support.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>

namespace {

using wyniki::TForm1;

// Rows of the window filled by `run()`.
enum Row {
    Today,
    Holiday,
    ComingHeader,
    ComingPerson,
    ComingOneOff,
    ComingOneOffUpper,
    PastHeader,
    PastPerson,
    PastOneOff,
    Closing,
};

constexpr TColor kComingRow = 0x84E7FF;
constexpr TColor kPastRow = 0x93CBCE;
constexpr TColor kBell = 0x0080FF; // the orange of the coming mark

wpis entry(const char* name, const char* text, const char* year, OccasionKind kind, const QString& path)
{
    return {cp(name), cp(text), year, kind, path};
}

class ResultsWindowTest : public FlatTest {
protected:
    ResultsWindowTest()
    {
        reminder = dir.write("baza/1-2-3.wpj", crlf({"<$@$>nazwisko</$@$>Paczka"}));
        reminderPhoto = dir.write("baza/1-2-3.bmp", "BM");
        spaced = dir.write("baza/moje \"stare\" kontakty; $(x)/4 5.wps", "");
    }

    // One row of every kind, in the order the checker lists them.
    CheckerResult run() const
    {
        CheckerResult r;
        r.Today = QDate(2026, 12, 8);
        r.CurrentYear = 2026;
        r.HolidayText = cp("Dzień Przykładowy");
        r.ComingList = {
            entry("Zofia", "Urodziny (12 grudnia) - zostały 4 dni", "1979", OccasionKind::Birthday, spaced),
            entry("Paczka", "Odebrać (10 grudnia) - zostały 2 dni", "????", OccasionKind::Occasion, reminder),
            entry("Inna", "", "????", OccasionKind::Occasion, dir.file("baza/9-9-9.WPJ")),
        };
        r.PastList = {
            entry("Ewa", "Urodziny (06 grudnia)", "2004", OccasionKind::Birthday, dir.file("baza/7-7-7.wps")),
            entry("Zwrot", "Zwrot (07 grudnia)", "????", OccasionKind::Occasion, dir.file("baza/8-8-8.wpj")),
        };
        return r;
    }

    // The window on the fixture's doubles, made as the program makes it.
    std::unique_ptr<TForm1> make(const QString& programsDir, const FileRemover& remover)
    {
        return std::make_unique<TForm1>(dir.path(), programsDir, remover, starter, prompter);
    }

    std::unique_ptr<TForm1> open()
    {
        auto form = make(programs, remover);
        form->ApplyTexts(CheckerTexts());
        form->Fill(run());
        form->show();
        return form;
    }

    static QListWidget& list(const TForm1& form) { return *child<QListWidget>(form, "ListBox1"); }
    static TFlatSpeedButton& button(const TForm1& form, const char* name)
    {
        return *child<TFlatSpeedButton>(form, name);
    }
    static oprogramie::TForm2& aboutBox(const TForm1& form) { return *child<oprogramie::TForm2>(form, "Form2"); }

    static QRect rowRect(const TForm1& form, int row) { return list(form).visualItemRect(list(form).item(row)); }

    static void clickRow(TForm1& form, int row) { click(*list(form).viewport(), rowRect(form, row).center()); }
    static void doubleClickRow(TForm1& form, int row)
    {
        doubleClick(*list(form).viewport(), rowRect(form, row).center());
    }

    static QImage rowImage(TForm1& form, int row) { return snapshot(*list(form).viewport()).copy(rowRect(form, row)); }

    TempDir dir;
    // The programs' own folder, as in a system install, where the program folder is elsewhere.
    const QString programs = QStringLiteral("/usr/lib/zubo/");
    QString reminder;
    QString reminderPhoto;
    QString spaced;
    RecordingRemover remover;
    RecordingProcessStarter starter;
    // The window asks the prompter it is handed; a box on the process-wide one, installed after it,
    // is one the window should not have reached.
    FakePrompter prompter;
    FakePrompter processWide;
};

TEST_F(ResultsWindowTest, RowHeightsFollowTheirKind)
{
    const auto form = open();
    const int h = QFontMetrics(list(*form).font()).height();
    const int expected[] = {h + 20,     2 * h + 20, h + 20,     2 * h + 40, 2 * h + 40,
                            2 * h + 40, h + 20,     2 * h + 40, 2 * h + 40, h + 20};
    ASSERT_EQ(list(*form).count(), 10);
    for (int row = 0; row < 10; ++row) {
        EXPECT_EQ(rowRect(*form, row).height(), expected[row]) << row;
        EXPECT_EQ(rowRect(*form, row).width(), list(*form).viewport()->width()) << row;
    }
    EXPECT_EQ(form->ItemIndex(), -1);
}

TEST_F(ResultsWindowTest, PaintsEachRowKind)
{
    dir.write("opcje.ini", crlf({"[kolory]", "ComboBox_podswietlenie=clLime", "ComboBox_tekst1=clPurple"}));
    const auto form = open();

    const QImage today = rowImage(*form, Today);
    EXPECT_EQ(Hex{pixel(today, 1, 1)}, Hex{clMedGray});
    EXPECT_GT(countNear(today, 0xFF0000), 20) << "blue today line";
    EXPECT_GT(countNear(rowImage(*form, ComingHeader), 0x800000), 20) << "navy header";

    const QImage holiday = rowImage(*form, Holiday);
    EXPECT_EQ(Hex{pixel(holiday, 1, 1)}, Hex{0x00FF00}) << "holiday row in the scheme's highlight";
    EXPECT_GT(countNear(holiday, 0x800080), 20) << "holiday text in the scheme's list text colour";

    struct Case {
        const char* what;
        int row;
        TColor background;
        bool bell;
    };
    const Case entries[] = {
        {"coming", ComingPerson, kComingRow, true},
        {"past", PastPerson, kPastRow, false},
    };
    for (const Case& c : entries) {
        const QImage image = rowImage(*form, c.row);
        const int w = image.width();
        EXPECT_EQ(Hex{pixel(image, 0, 0)}, Hex{clBlack}) << c.what;
        EXPECT_EQ(Hex{pixel(image, 1, 1)}, Hex{0xC0C0C0}) << c.what;
        EXPECT_EQ(Hex{pixel(image, 2, 2)}, Hex{0xC0C0C0}) << c.what;
        EXPECT_EQ(Hex{pixel(image, 3, 3)}, Hex{clWhite}) << c.what;
        EXPECT_EQ(Hex{pixel(image, w - 4, image.height() - 4)}, Hex{clWhite}) << c.what;
        EXPECT_EQ(Hex{pixel(image, 4, image.height() - 5)}, Hex{c.background}) << c.what;
        EXPECT_GT(countNear(image, 0x000080, QRect(10, 4, w / 2, 15)), 20) << c.what << ": maroon first line";
        EXPECT_EQ(countNear(image, kBell, QRect(w - 38, 0, 32, image.height())) > 50, c.bell) << c.what;
    }

    // Selected, a coming row turns white and loses its mark.
    clickRow(*form, ComingPerson);
    const QImage selected = rowImage(*form, ComingPerson);
    EXPECT_EQ(Hex{pixel(selected, 4, 4)}, Hex{clWhite});
    EXPECT_EQ(countNear(selected, kBell), 0);
}

TEST_F(ResultsWindowTest, DeleteIsOfferedOnlyForAComingOneOffReminder)
{
    const auto form = open();
    const TFlatSpeedButton& deleteButton = button(*form, "FlatSpeedButton1");
    EXPECT_FALSE(deleteButton.isEnabled());
    const std::pair<int, bool> cases[] = {
        {Today, false},        {Holiday, false},     {ComingHeader, false},
        {ComingPerson, false}, {ComingOneOff, true}, {ComingOneOffUpper, true},
        {PastPerson, false},   {PastOneOff, false},  {Closing, false},
    };
    for (const auto& [row, enabled] : cases) {
        clickRow(*form, row);
        EXPECT_EQ(form->ItemIndex(), row);
        EXPECT_EQ(deleteButton.isEnabled(), enabled) << row;
    }

    // The keyboard moves the selection as well.
    clickRow(*form, ComingPerson);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(&list(*form), &down);
    EXPECT_EQ(form->ItemIndex(), ComingOneOff);
    EXPECT_TRUE(deleteButton.isEnabled());
}

TEST_F(ResultsWindowTest, DeletesTheReminderOnlyWhenAskedAndSaysWhenItCannot)
{
    struct Case {
        const char* name;
        Prompter::Answer answer;
        bool failing;
        bool deleted;
        bool error;
    };
    const Case cases[] = {
        {"yes", Prompter::Answer::Yes, false, true, false},
        {"no", Prompter::Answer::No, false, false, false},
        {"yes, but the file cannot be deleted", Prompter::Answer::Yes, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dir.write("baza/1-2-3.wpj", "x");
        RecordingRemover removing(c.failing ? QStringList{reminder} : QStringList{});
        const auto window = make(dir.path(), removing);
        TForm1& form = *window;
        form.Fill(run());
        form.show();
        prompter.shown.clear();
        prompter.answers = {c.answer};
        clickRow(form, ComingOneOff);
        button(form, "FlatSpeedButton1").Click();

        ASSERT_GE(prompter.shown.size(), 1);
        EXPECT_TRUE(prompter.shown[0].question);
        EXPECT_EQ(prompter.shown[0].caption, "Zubo-Wakto");
        EXPECT_EQ(prompter.shown[0].text,
                  QString::fromUtf8("Paczka: Czy na pewno wykasować przypomnienie jednorazowe?"));
        EXPECT_EQ(prompter.shown[0].owner, &form);
        EXPECT_EQ(!dir.exists("baza/1-2-3.wpj"), c.deleted);
        EXPECT_TRUE(dir.exists("baza/1-2-3.bmp")) << "the photo stays";
        EXPECT_EQ(list(form).count(), c.deleted ? 9 : 10);
        EXPECT_EQ(button(form, "FlatSpeedButton1").isEnabled(), !c.deleted);
        EXPECT_EQ(prompter.shown.size() == 2 && !prompter.shown[1].question &&
                      prompter.shown[1].text.contains(reminder),
                  c.error);
        if (c.deleted) {
            // The rows after it keep pointing at their own records.
            EXPECT_EQ(form.ItemIndex(), -1);
            EXPECT_EQ(form.Row(ComingOneOff), (ResultRow{RowKind::Coming, {}, 2}));
            EXPECT_EQ(form.ComingEvents().size(), 3);
        }
    }
    EXPECT_TRUE(processWide.shown.isEmpty());
}

TEST_F(ResultsWindowTest, DeleteWithoutASelectedReminderDoesNothing)
{
    const auto form = open();
    form->FlatSpeedButton1Click();
    clickRow(*form, PastOneOff);
    form->FlatSpeedButton1Click();
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_TRUE(processWide.shown.isEmpty());
    EXPECT_TRUE(remover.asked.isEmpty());
}

TEST_F(ResultsWindowTest, DoubleClickStartsTheMainProgramOnThePerson)
{
    const auto form = open();
    for (int row : {Today, Holiday, ComingHeader, Closing})
        doubleClickRow(*form, row);
    EXPECT_TRUE(starter.started.isEmpty());

    // A folder name with blanks, quotes and shell characters reaches the main program as it is.
    doubleClickRow(*form, ComingPerson);
    doubleClickRow(*form, PastPerson);
    ASSERT_EQ(starter.started.size(), 2);
    EXPECT_EQ(starter.started[0].program, programs + "Zubo_37");
    EXPECT_EQ(starter.started[0].arguments, QStringList{spaced});
    EXPECT_EQ(starter.started[1].arguments, QStringList{dir.file("baza/7-7-7.wps")});
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_TRUE(form->isVisible()) << "the checker stays open";

    starter.succeed = false;
    doubleClickRow(*form, ComingPerson);
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_FALSE(prompter.shown[0].question);
    EXPECT_TRUE(prompter.shown[0].text.contains(programs + "Zubo_37"));
    EXPECT_TRUE(processWide.shown.isEmpty());
}

TEST_F(ResultsWindowTest, EscAndXEndTheChecker)
{
    {
        const auto form = open();
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
        QApplication::sendEvent(&list(*form), &esc);
        EXPECT_FALSE(form->isVisible());
    }
    {
        const auto form = open();
        button(*form, "FlatSpeedButton5").Click();
        EXPECT_FALSE(form->isVisible());
    }
}

TEST_F(ResultsWindowTest, TakesTheSchemeAtCreationAndABadValueCostsOnlyItsOwnKey)
{
    dir.write("opcje.ini", crlf({"[kolory]", "tlo_tlo=clNavy", "paski_tlo=clRed", "guziki_tlo=clLime",
                                 "guziki_podswietlenie=clAqua", "ComboBox_tlo=clYellow", "ComboBox_tekst1=clTeal"}));
    {
        const auto form = make(dir.path(), remover);
        EXPECT_TRUE(prompter.shown.isEmpty());
        EXPECT_TRUE(processWide.shown.isEmpty());
        EXPECT_EQ(Hex{WidgetColor(form.get())}, Hex{0x800000});
        EXPECT_EQ(Hex{child<TShape>(*form, "Shape1")->BrushColor()}, Hex{0x0000FF});
        for (const char* name : {"FlatSpeedButton1", "FlatSpeedButton5", "FlatSpeedButton6"}) {
            EXPECT_EQ(Hex{button(*form, name).Color()}, Hex{0x00FF00}) << name;
            EXPECT_EQ(Hex{button(*form, name).ColorFocused()}, Hex{0xFFFF00}) << name;
        }
        form->show();
        EXPECT_EQ(Hex{pixel(snapshot(*list(*form).viewport()), 5, 435)}, Hex{0x00FFFF}) << "list below its rows";
        // The about box is painted in the same scheme.
        button(*form, "FlatSpeedButton6").Click();
        EXPECT_TRUE(aboutBox(*form).isVisible());
        EXPECT_EQ(Hex{WidgetColor(&aboutBox(*form))}, Hex{0x800000});
        aboutBox(*form).reject();
    }

    dir.write("opcje.ini", crlf({"[kolory]", "tlo_tlo=clNavy", "guziki_tlo=zielony", "ComboBox_tlo=clYellow"}));
    const auto form = make(dir.path(), remover);
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_TRUE(processWide.shown.isEmpty());
    EXPECT_EQ(Hex{WidgetColor(form.get())}, Hex{0x800000});
    EXPECT_EQ(Hex{button(*form, "FlatSpeedButton5").Color()}, Hex{clMedGray});
    EXPECT_EQ(Hex{child<TShape>(*form, "Shape1")->BrushColor()}, Hex{0x004080});
    EXPECT_EQ(Hex{WidgetColor(&list(*form))}, Hex{0x00FFFF}) << "a key after the bad one";
}

TEST_F(ResultsWindowTest, ShowsTheLanguagesTexts)
{
    CheckerTexts texts;
    texts.set(checkertext::CloseCaption, "Q");
    texts.set(checkertext::CloseHint, "Quit");
    texts.set(checkertext::AboutCaption, "A");
    texts.set(checkertext::AboutHint, "About");
    texts.set(checkertext::AboutBoxCloseCaption, "C");
    texts.set(checkertext::AboutBoxCloseHint, "Close");
    texts.set(checkertext::AboutText, "Line one\r\nLine two");
    const auto form = make(dir.path(), remover);
    form->ApplyTexts(texts);
    EXPECT_EQ(button(*form, "FlatSpeedButton5").Caption(), "Q");
    EXPECT_EQ(button(*form, "FlatSpeedButton5").toolTip(), "Quit");
    EXPECT_EQ(button(*form, "FlatSpeedButton6").Caption(), "A");
    EXPECT_EQ(button(*form, "FlatSpeedButton6").toolTip(), "About");
    EXPECT_EQ(child<TFlatSpeedButton>(aboutBox(*form), "FlatSpeedButton2")->Caption(), "C");
    EXPECT_EQ(child<TFlatSpeedButton>(aboutBox(*form), "FlatSpeedButton2")->toolTip(), "Close");
    EXPECT_EQ(child<QPlainTextEdit>(aboutBox(*form), "Memo1")->toPlainText(), "Line one\nLine two");
}

} // namespace
