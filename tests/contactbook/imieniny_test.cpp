#include "imieniny.h"

#include "TFlatCheckBoxUnit.h"
#include "children.h"

#include "TFlatEditUnit.h"
#include "TFlatListBoxUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "ZuboComboBox.h"
#include "mainprogram.h"
#include "programfixture.h"
#include "stringgrid.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>

namespace {

using imieniny::TForm12;

// A small calendar of made-up days, in the shapes the data files take.
class NameDayWindowTest : public ProgramFixture {
protected:
    void SetUp() override
    {
        write("baza/stale/Imiona_wg_dat.wps", {
                                                  "<$@$>03.05</$@$>@Maria|Antonina|Jan",
                                                  "<$@$>12.06</$@$>@Jan|Danuta",
                                                  "<$@$>07.07</$@$>@Janina",
                                                  "<$@$>14.02</$@$>Walenty",
                                                  "<$@$>31.08</$@$>@Rajmund",
                                              });
        write("baza/stale/Imiona_index.ind", {"<$@$>Jan</$@$>|Jan|Janek|Jaś|", "<$@$>Anna</$@$>|Anna|Ania|"});
        startMain([this](start::TForm1& m) {
            names = std::make_unique<TForm12>(m.State(), clock);
            return start::Dialogs{.nameDayDialog = [this] { return names.get(); }};
        });
    }

    QStringList lastRow() const
    {
        return {child<TStringGrid>(*names, "StringGrid1")->Cell(0, 4),
                child<TStringGrid>(*names, "StringGrid1")->Cell(1, 4),
                child<TStringGrid>(*names, "StringGrid1")->Cell(2, 4)};
    }

    // A release on hit row `row` at tick `at`.
    void clickHit(int row, std::int64_t at)
    {
        clock.advance(at - clock.ticks());
        click(*child<TFlatListBox>(*names, "FlatListBox1"),
              child<TFlatListBox>(*names, "FlatListBox1")->ItemSlots()[std::size_t(row)].toQRect().center());
    }

    void searchFor(const char* text)
    {
        child<TFlatEdit>(*names, "FlatEdit1")->setText(QString::fromUtf8(text));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(child<TFlatEdit>(*names, "FlatEdit1"), &enter);
    }

    FixedClock clock{QDate(2024, 5, 3), 100000};
    std::unique_ptr<TForm12> names;
};

TEST_F(NameDayWindowTest, OpensOnTodayWithItsNames)
{
    const struct {
        QDate today;
        int col, row;
        const char* principal;
        const char* further;
    } cases[] = {
        {QDate(2024, 5, 3), 2, 0, "Maria", "Antonina, Jan"},
        {QDate(2024, 7, 7), 6, 0, "Janina", ""},
        {QDate(2024, 2, 14), 6, 1, "Nie znaleziono imienin na dzień dzisiejszy", "Walenty"},
        {QDate(2024, 1, 28), 6, 3, "Nie znaleziono imienin na dzień dzisiejszy", ""},
        {QDate(2024, 8, 31), 2, 4, "Rajmund", ""},
    };
    for (const auto& c : cases) {
        clock.setToday(c.today);
        names->open();
        EXPECT_EQ(child<TStringGrid>(*names, "StringGrid1")->Col(), c.col) << c.principal;
        EXPECT_EQ(child<TStringGrid>(*names, "StringGrid1")->Row(), c.row) << c.principal;
        EXPECT_EQ(child<TZuboComboBox>(*names, "ZuboComboBox1")->currentIndex(), c.today.month() - 1);
        EXPECT_EQ(child<QLabel>(*names, "Label1")->text(), QString::fromUtf8("Dzisiaj są imieniny:"));
        EXPECT_EQ(child<QLabel>(*names, "Label2")->text(), QString::fromUtf8(c.principal));
        EXPECT_EQ(child<QLabel>(*names, "Label4")->text(), QString::fromUtf8(c.further));
        EXPECT_EQ(child<QLabel>(*names, "Label3")->isVisibleTo(names.get()), *c.further != '\0') << c.principal;
        names->reject();
    }
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(NameDayWindowTest, MonthAndDayChoicesShowThatDay)
{
    names->open();
    const auto chooseMonth = [&](int index) {
        child<TZuboComboBox>(*names, "ZuboComboBox1")->setCurrentIndex(index);
        emit child<TZuboComboBox>(*names, "ZuboComboBox1")->activated(index);
    };
    chooseMonth(1);
    EXPECT_EQ(lastRow(), QStringList({"29", "", ""}));
    EXPECT_EQ(child<QLabel>(*names, "Label1")->text(), QString::fromUtf8("3 lutego są imieniny:"));
    chooseMonth(3);
    EXPECT_EQ(lastRow(), QStringList({"29", "30", ""}));
    chooseMonth(5);
    const QRect day12 = child<TStringGrid>(*names, "StringGrid1")->CellRect(4, 1);
    click(*child<TStringGrid>(*names, "StringGrid1"), day12.center());
    EXPECT_EQ(child<QLabel>(*names, "Label1")->text(), QString::fromUtf8("12 czerwca są imieniny:"));
    EXPECT_EQ(child<QLabel>(*names, "Label2")->text(), QStringLiteral("Jan"));
    EXPECT_EQ(child<QLabel>(*names, "Label4")->text(), QStringLiteral("Danuta"));

    // An empty cell can be chosen and changes nothing; a month without that day keeps the labels.
    click(*child<TStringGrid>(*names, "StringGrid1"),
          child<TStringGrid>(*names, "StringGrid1")->CellRect(5, 4).center());
    EXPECT_EQ(child<QLabel>(*names, "Label1")->text(), QString::fromUtf8("12 czerwca są imieniny:"));
    EXPECT_EQ(child<TStringGrid>(*names, "StringGrid1")->Col(), 5);
}

TEST_F(NameDayWindowTest, GridDrawsDaysEmptyCellsAndTheChosenDay)
{
    ColourValue value = 0x102030;
    for (const ColorSchemeKey& k : colorSchemeKeys())
        main->State().colors.*k.colour = value += 0x050403;
    const ColorScheme& s = main->State().colors;
    names->open(); // 3 May: column 2 of row 0
    const QImage grid = snapshot(*child<TStringGrid>(*names, "StringGrid1"));
    EXPECT_EQ(Hex{pixel(grid, 2 * 24 + 20, 20)}, Hex{s.ComboBox_podswietlenie});
    EXPECT_EQ(Hex{pixel(grid, 1 * 24 + 20, 20)}, Hex{s.ComboBox_tlo});
    EXPECT_EQ(Hex{pixel(grid, 6 * 24 + 20, 4 * 24 + 20)}, Hex{s.tlo_tlo});
    // Neighbouring frames overlap into one line.
    EXPECT_EQ(Hex{pixel(grid, 24, 10)}, Hex{s.ComboBox_ramka});
    EXPECT_EQ(Hex{pixel(grid, 23, 10)}, Hex{s.ComboBox_tlo});
    EXPECT_GT(countNear(grid, s.ComboBox_tekst1, QRect(2 * 24 + 2, 2, 20, 20)), 0);
}

TEST_F(NameDayWindowTest, SearchListsTheDaysOfTheNamesAndAHitShowsItsDay)
{
    names->open();
    searchFor("Jaś, Ania");
    EXPECT_EQ(child<TFlatListBox>(*names, "FlatListBox1")->Items(),
              QStringList({"03 maja (Jan)", "12 czerwca (Jan)", "07 lipca (Jan)"}));
    ASSERT_EQ(names->Hits().size(), 3);

    clickHit(1, 200000);
    EXPECT_EQ(names->PickedIndex(), 1);
    EXPECT_EQ(child<TZuboComboBox>(*names, "ZuboComboBox1")->currentIndex(), 5);
    EXPECT_EQ(
        child<TStringGrid>(*names, "StringGrid1")
            ->Cell(child<TStringGrid>(*names, "StringGrid1")->Col(), child<TStringGrid>(*names, "StringGrid1")->Row()),
        QStringLiteral("12"));
    EXPECT_EQ(child<QLabel>(*names, "Label1")->text(), QString::fromUtf8("12 czerwca są imieniny:"));
    EXPECT_TRUE(names->isVisible());

    // An empty text clears the list and finds nothing.
    searchFor("");
    EXPECT_TRUE(child<TFlatListBox>(*names, "FlatListBox1")->Items().isEmpty());
    EXPECT_TRUE(names->Hits().isEmpty());
}

TEST_F(NameDayWindowTest, TwoQuickReleasesOnOneHitChooseIt)
{
    names->open();
    searchFor("Jan");
    clickHit(0, 200000);
    clickHit(1, 200300); // another hit: only chosen
    EXPECT_TRUE(names->isVisible());
    clickHit(1, 201000); // 700 ms later: not a double click
    EXPECT_TRUE(names->isVisible());
    clickHit(1, 201699);
    EXPECT_FALSE(names->isVisible());
    EXPECT_EQ(names->result(), mrOk);
    EXPECT_EQ(names->PickedIndex(), 1);
}

TEST_F(NameDayWindowTest, TheDoubleClickTimeIsSharedWithThePhoneList)
{
    names->open();
    searchFor("Jan");
    clickHit(2, 200000);
    main->State().lastPhoneClick = 205000; // a release in the phone list
    clickHit(2, 205500);
    EXPECT_FALSE(names->isVisible());
    EXPECT_EQ(names->PickedIndex(), 2);
}

TEST_F(NameDayWindowTest, EditorPicksADayWithW)
{
    std::optional<NameDayHit> picked;
    dialogs.scripts << [&](QDialog&) {
        EXPECT_TRUE(child<TFlatSpeedButton>(*names, "FlatSpeedButton3")->isVisible());
        EXPECT_TRUE(child<TFlatEdit>(*names, "FlatEdit1")->text().isEmpty());
        child<TFlatSpeedButton>(*names, "FlatSpeedButton3")->Click(); // nothing chosen yet: nothing happens
        EXPECT_TRUE(names->isVisible());
        clickHit(2, 300000);
        child<TFlatSpeedButton>(*names, "FlatSpeedButton3")->Click();
    };
    picked = names->PickNameDay(QStringLiteral("Janek"));
    ASSERT_TRUE(picked);
    EXPECT_EQ(*picked, (NameDayHit{"Jan", 7, 7, "07 lipca (Jan)"}));
}

TEST_F(NameDayWindowTest, TheEditorsSearchTakesTheChosenDay)
{
    const auto program = createWindows(setup());
    dodaj_nowy::TForm3& editor = *program->Form3;
    TForm12& dialog = *program->Form12;
    child<TFlatEdit>(editor, "FlatEdit1")->setText(QStringLiteral("Jaś Nowak"));
    dialogs.scripts << [&](QDialog&) {
        ASSERT_EQ(child<TFlatListBox>(dialog, "FlatListBox1")->Items().size(), 3);
        click(*child<TFlatListBox>(dialog, "FlatListBox1"),
              child<TFlatListBox>(dialog, "FlatListBox1")->ItemSlots()[0].toQRect().center());
        child<TFlatSpeedButton>(dialog, "FlatSpeedButton3")->Click();
    };
    child<QToolButton>(editor, "SpeedButton1")->click();
    EXPECT_EQ(dialogs.shown, QList<QDialog*>{&dialog});
    EXPECT_EQ(child<TZuboComboBox>(editor, "ZuboComboBox2")->currentIndex(), 2);
    EXPECT_EQ(child<TZuboComboBox>(editor, "ZuboComboBox3")->currentIndex(), 4);
    EXPECT_TRUE(child<TFlatCheckBox>(editor, "FlatCheckBox1")->Checked());
}

TEST_F(NameDayWindowTest, CancelledChoiceKeepsTheHitsForTheNextShow)
{
    EXPECT_FALSE(names->PickNameDay(QStringLiteral("Jan")));

    QStringList kept;
    bool chooseHidden = false;
    dialogs.scripts << [&](QDialog&) {
        kept = child<TFlatListBox>(*names, "FlatListBox1")->Items();
        chooseHidden = !child<TFlatSpeedButton>(*names, "FlatSpeedButton3")->isVisible();
    };
    child<TFlatSpeedButton>(*main, "FlatSpeedButton17")->Click();
    EXPECT_EQ(kept.size(), 3);
    EXPECT_TRUE(chooseHidden);
    EXPECT_EQ(names->Hits().size(), 3);

    // A search of the editor's that ends with a day chosen leaves nothing for the next show.
    dialogs.scripts << [&](QDialog&) {
        clickHit(0, 400000);
        child<TFlatSpeedButton>(*names, "FlatSpeedButton3")->Click();
    };
    ASSERT_TRUE(names->PickNameDay(QStringLiteral("Jan")));
    names->open();
    EXPECT_TRUE(child<TFlatListBox>(*names, "FlatListBox1")->Items().isEmpty());
    EXPECT_TRUE(names->Hits().isEmpty());
}

// The calendar as the build ships it in the program folder.
class ShippedCalendarTest : public ProgramFixture {
protected:
    void SetUp() override
    {
        for (const char* fileName : {kNamesByDateFile, kNameIndexFile}) {
            QFile shipped(nameDayFolderIn(QStringLiteral(ZUBO_PROGRAM_DIR)) + QLatin1String(fileName));
            ASSERT_TRUE(shipped.open(QIODevice::ReadOnly)) << fileName;
            dir.write(QStringLiteral("baza/stale/") + QLatin1String(fileName), shipped.readAll());
        }
        startMain();
    }

    FixedClock clock{QDate(2028, 2, 29), 100000};
};

TEST_F(ShippedCalendarTest, TodayAndAChosenDayShowTheirNames)
{
    TForm12 names(main->State(), clock);
    names.open();
    EXPECT_EQ(child<TStringGrid>(names, "StringGrid1")->Col(), 0);
    EXPECT_EQ(child<TStringGrid>(names, "StringGrid1")->Row(), 4);
    EXPECT_EQ(child<QLabel>(names, "Label2")->text(), QStringLiteral("Lech, Lutomir"));
    EXPECT_EQ(child<QLabel>(names, "Label4")->text(), QStringLiteral("Dobronieg, Roman"));
    EXPECT_TRUE(child<QLabel>(names, "Label3")->isVisibleTo(&names));

    child<TZuboComboBox>(names, "ZuboComboBox1")->setCurrentIndex(11);
    emit child<TZuboComboBox>(names, "ZuboComboBox1")->activated(11);
    click(*child<TStringGrid>(names, "StringGrid1"), child<TStringGrid>(names, "StringGrid1")->CellRect(5, 0).center());
    EXPECT_EQ(child<QLabel>(names, "Label1")->text(), QString::fromUtf8("6 grudnia są imieniny:"));
    EXPECT_EQ(child<QLabel>(names, "Label2")->text(), QString::fromUtf8("Dionizja, Leontyna, Mikołaj"));
    EXPECT_EQ(child<QLabel>(names, "Label4")->text(), QStringLiteral("Emilian, Jarogniew"));
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(ShippedCalendarTest, TheEditorsPickFindsTheTypedName)
{
    const auto program = createWindows(setup());
    dodaj_nowy::TForm3& editor = *program->Form3;
    TForm12& dialog = *program->Form12;
    child<TFlatEdit>(editor, "FlatEdit1")->setText(QString::fromUtf8("Mikołaj Kowalski"));
    QStringList items;
    dialogs.scripts << [&](QDialog&) {
        items = child<TFlatListBox>(dialog, "FlatListBox1")->Items();
        const int row = int(items.indexOf(QString::fromUtf8("06 grudnia (Mikołaj)")));
        ASSERT_GE(row, 0);
        click(*child<TFlatListBox>(dialog, "FlatListBox1"),
              child<TFlatListBox>(dialog, "FlatListBox1")->ItemSlots()[std::size_t(row)].toQRect().center());
        child<TFlatSpeedButton>(dialog, "FlatSpeedButton3")->Click();
    };
    child<QToolButton>(editor, "SpeedButton1")->click();
    EXPECT_EQ(items.size(), 10);
    EXPECT_EQ(child<TZuboComboBox>(editor, "ZuboComboBox2")->currentIndex(), 5);
    EXPECT_EQ(child<TZuboComboBox>(editor, "ZuboComboBox3")->currentIndex(), 11);
    EXPECT_TRUE(child<TFlatCheckBox>(editor, "FlatCheckBox1")->Checked());
}

TEST_F(NameDayWindowTest, MissingDataShowsNoNamesAndAnUnreadableFileIsReported)
{
    QFile::remove(dir.file("baza/stale/Imiona_index.ind"));
    names->open();
    searchFor("Jan");
    EXPECT_TRUE(child<TFlatListBox>(*names, "FlatListBox1")->Items().isEmpty());
    names->reject();

    QFile::remove(dir.file("baza/stale/Imiona_wg_dat.wps"));
    names->open();
    EXPECT_EQ(child<QLabel>(*names, "Label2")->text(), QString::fromUtf8("Nie znaleziono imienin na dzień dzisiejszy"));
    EXPECT_TRUE(child<QLabel>(*names, "Label4")->text().isEmpty());
    EXPECT_FALSE(child<QLabel>(*names, "Label3")->isVisibleTo(names.get()));
    EXPECT_TRUE(prompter.shown.isEmpty());
    names->reject();

    // A data file that exists but cannot be read is a file error, not an empty day.
    dir.mkdir("baza/stale/Imiona_wg_dat.wps");
    names->open();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_TRUE(prompter.shown[0].text.startsWith(QString::fromUtf8("Błąd pliku [id:") +
                                                  dir.file("baza/stale/Imiona_wg_dat.wps")));
}

} // namespace
