#include "start.h"

#include "TFlatEditUnit.h"
#include "TFlatListBoxUnit.h"
#include "TFlatMemoUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "ZuboComboBox.h"
#include "bitmaps.h"
#include "children.h"
#include "codec1250.h"
#include "fakes.h"
#include "mainprogram.h"
#include "picture.h"
#include "profilefile.h"
#include "programfixture.h"
#include "shape.h"
#include "support.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

using start::StartSetup;
using start::TForm1;

const QLocale kPolish(QLocale::Polish, QLocale::Poland);

// A program folder in a temporary folder, started as the program would be started in it.
class MainWindowTest : public ::testing::Test {
protected:
    QString write(const QString& name, std::initializer_list<const char*> lines)
    {
        return dir.write(name, crlf(lines));
    }

    // Persons in both data folders, found in an order other than their name order.
    void writeTwoFolders()
    {
        write("opcje.ini", {"[opcje]", ("baza_2=" + dir.path().toStdString() + "druga/").c_str()});
        write("baza/1-1-1.wps", {"<$@$>nazwisko</$@$>Marek Zając", "<$@$>grupa</$@$>Praca", "<$@$>mail</$@$>m@x.pl"});
        write("baza/2-2-2.wps", {"<$@$>nazwisko</$@$>łucja Nowak", "<$@$>grupa</$@$>Rodzina"});
        write("baza/3-3-3.wpb", {"<$@$>nazwisko</$@$>Adam Kosz"});
        write("baza/4-4-4.wpj", {"<$@$>nazwisko</$@$>Rocznica", "<$@$>impreza</$@$>01.05.2030-Rocznica"});
        write("druga/5-5-5.wps", {"<$@$>nazwisko</$@$>Lucyna Bąk", "<$@$>grupa</$@$>Rodzina"});
        write("druga/6-6-6.wps", {"<$@$>ulica</$@$>Polna", "<$@$>grupa</$@$>Praca"});
    }

    std::unique_ptr<TForm1> startWith(const QStringList& arguments = {}, const TextReader* reader = nullptr,
                                      const FileRemover* remover = nullptr)
    {
        return std::make_unique<TForm1>(setup(arguments, reader, remover));
    }

    StartSetup setup(const QStringList& arguments = {}, const TextReader* reader = nullptr,
                     const FileRemover* remover = nullptr)
    {
        StartSetup s;
        s.programDir = dir.path();
        s.arguments = arguments;
        s.workingDir = dir.path();
        s.locale = kPolish;
        s.reader = reader;
        s.remover = remover;
        return s;
    }

    static QStringList chooserPaths(const TForm1& form)
    {
        QStringList list;
        for (const PersonListEntry& e : form.PersonList())
            list << e.Path;
        return list;
    }

    // The group filter menu's items as the user sees them: "x " before a checked one.
    static QStringList groupMenu(TForm1& form)
    {
        QStringList items;
        for (const QAction* a : form.GroupFilterActions())
            items << (a->isSeparator() ? QStringLiteral("-") : (a->isChecked() ? "x " : "") + a->text());
        return items;
    }

    static QAction* groupItem(TForm1& form, const QString& caption)
    {
        for (QAction* a : form.GroupFilterActions()) {
            if (a->text() == caption)
                return a;
        }
        ADD_FAILURE() << "no group item " << caption.toStdString();
        return nullptr;
    }

    TempDir dir;
    FakePrompter prompter;
};

TEST_F(MainWindowTest, ListsBothFoldersInNameOrderAndShowsTheFirst)
{
    writeTwoFolders();
    const auto form = startWith();
    ASSERT_TRUE(form->Started());

    // Persons only at start, in the Polish order whatever the case; a file without a name line is
    // listed as "???".
    EXPECT_EQ(listedNames(*form), QStringList({"???", "Lucyna Bąk", "łucja Nowak", "Marek Zając"}));
    EXPECT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox1")->Items(), chooserPaths(*form));
    EXPECT_EQ(form->PersonList()[1].Path, dir.file("druga/5-5-5.wps"));
    EXPECT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox1")->currentIndex(), 0);
    EXPECT_EQ(child<TFlatEdit>(*form, "FlatEdit4")->text(), "Polna");
    EXPECT_TRUE(child<TFlatSpeedButton>(*form, "FlatSpeedButton9")->isEnabled());
    EXPECT_TRUE(child<TFlatSpeedButton>(*form, "FlatSpeedButton2")->isEnabled());
    EXPECT_EQ(groupMenu(*form),
              QStringList({"Jednorazowe przypomnienie", "Wykasowane", "-", "x Wszystko", "Praca", "Rodzina"}));
    EXPECT_EQ(form->windowTitle(), "..::  -- ZUBO --  ::..");
    EXPECT_TRUE(child<TFlatSpeedButton>(*form, "FlatSpeedButton12")->isEnabled());
    EXPECT_TRUE(child<TFlatSpeedButton>(*form, "FlatSpeedButton17")->isEnabled());
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(MainWindowTest, TheGroupFilterMenuShowsTheGroupsAsItOpens)
{
    writeTwoFolders();
    const auto form = startWith();
    form->show();
    const auto opened = [&] {
        child<TFlatSpeedButton>(*form, "FlatSpeedButton3")->Click();
        QStringList captions;
        for (const QAction* a : child<QMenu>(*form, "PopupMenu1")->actions())
            captions << (a->isSeparator() ? QStringLiteral("-") : (a->isChecked() ? "x " : "") + a->text());
        child<QMenu>(*form, "PopupMenu1")->hide();
        return captions;
    };
    EXPECT_EQ(opened(),
              QStringList({"Jednorazowe przypomnienie", "Wykasowane", "-", "x Wszystko", "Praca", "Rodzina"}));

    // A group the group dialog leaves while the menu is closed is there the next time it opens.
    form->ShowGroups({"Praca", "Rodzina", cp("Sąsiedzi")});
    EXPECT_EQ(opened(), QStringList({"Jednorazowe przypomnienie", "Wykasowane", "-", "x Wszystko", "Praca", "Rodzina",
                                     QString::fromUtf8("Sąsiedzi")}));
}

TEST_F(MainWindowTest, DisplayControlsStandAtTheirPlaces)
{
    const auto form = startWith();
    EXPECT_EQ(form->size(), QSize(687, 470));
    struct Place {
        const char* what;
        QWidget* control;
        QRect rect;
    };
    const Place places[] = {
        {"chooser", child<TZuboComboBox>(*form, "ZuboComboBox1"), {48, 24, 361, 19}},
        {"name-day day", child<TZuboComboBox>(*form, "ZuboComboBox2"), {104, 72, 49, 21}},
        {"name-day month", child<TZuboComboBox>(*form, "ZuboComboBox3"), {168, 72, 73, 21}},
        {"birthday day", child<TZuboComboBox>(*form, "ZuboComboBox4"), {104, 104, 49, 21}},
        {"birthday month", child<TZuboComboBox>(*form, "ZuboComboBox5"), {168, 104, 73, 21}},
        {"birth year", child<TFlatEdit>(*form, "FlatEdit2"), {256, 104, 57, 19}},
        {"occasion day", child<TZuboComboBox>(*form, "ZuboComboBox6"), {104, 136, 49, 21}},
        {"occasion month", child<TZuboComboBox>(*form, "ZuboComboBox7"), {168, 136, 73, 21}},
        {"occasion year", child<TFlatEdit>(*form, "FlatEdit3"), {256, 136, 57, 19}},
        {"photo", child<TImage>(*form, "Image1"), {333, 64, 100, 100}},
        {"occasion text", child<TFlatEdit>(*form, "FlatEdit11"), {24, 176, 409, 19}},
        {"occasions", child<TFlatListBox>(*form, "FlatListBox1"), {24, 192, 409, 100}},
        {"notes", child<TFlatMemo>(*form, "FlatMemo1"), {24, 312, 409, 153}},
        {"street", child<TFlatEdit>(*form, "FlatEdit4"), {472, 24, 177, 19}},
        {"house number", child<TFlatEdit>(*form, "FlatEdit5"), {472, 72, 57, 19}},
        {"flat number", child<TFlatEdit>(*form, "FlatEdit6"), {544, 72, 105, 19}},
        {"postal code", child<TFlatEdit>(*form, "FlatEdit7"), {472, 120, 73, 19}},
        {"post office", child<TFlatEdit>(*form, "FlatEdit8"), {560, 120, 89, 19}},
        {"town", child<TFlatEdit>(*form, "FlatEdit9"), {472, 168, 177, 19}},
        {"province", child<TFlatEdit>(*form, "FlatEdit13"), {472, 216, 177, 19}},
        {"mails", child<TFlatListBox>(*form, "FlatListBox2"), {472, 264, 177, 81}},
        {"phones", child<TFlatListBox>(*form, "FlatListBox3"), {472, 368, 177, 100}},
        {"phone panel", child<QLabel>(*form, "Panel1"), {0, 360, 681, 105}},
        {"NIP panel", child<QLabel>(*form, "Panel2"), {0, 85, 681, 105}},
    };
    for (const Place& p : places)
        EXPECT_EQ(p.control->geometry(), p.rect) << p.what;
    // The button bars: 17 wide at x 440 and 664, over the whole height.
    for (const TShape* bar : {child<TShape>(*form, "Shape1"), child<TShape>(*form, "Shape2")}) {
        EXPECT_EQ(bar->width(), 17);
        EXPECT_LE(bar->y(), 0);
        EXPECT_GE(bar->geometry().bottom(), form->height() - 1);
    }
    EXPECT_EQ(child<TShape>(*form, "Shape1")->x(), 440);
    EXPECT_EQ(child<TShape>(*form, "Shape2")->x(), 664);

    // Every field is read-only and disabled; the date lists hold days and genitive months.
    for (const TFlatEdit* e : {child<TFlatEdit>(*form, "FlatEdit2"), child<TFlatEdit>(*form, "FlatEdit3"),
                               child<TFlatEdit>(*form, "FlatEdit4"), child<TFlatEdit>(*form, "FlatEdit5"),
                               child<TFlatEdit>(*form, "FlatEdit6"), child<TFlatEdit>(*form, "FlatEdit7"),
                               child<TFlatEdit>(*form, "FlatEdit8"), child<TFlatEdit>(*form, "FlatEdit9"),
                               child<TFlatEdit>(*form, "FlatEdit11"), child<TFlatEdit>(*form, "FlatEdit13")}) {
        EXPECT_TRUE(e->isReadOnly());
        EXPECT_FALSE(e->isEnabled());
    }
    for (const TZuboComboBox* c :
         {child<TZuboComboBox>(*form, "ZuboComboBox2"), child<TZuboComboBox>(*form, "ZuboComboBox4"),
          child<TZuboComboBox>(*form, "ZuboComboBox6")}) {
        EXPECT_FALSE(c->isEnabled());
        EXPECT_EQ(c->count(), 31);
        EXPECT_EQ(c->itemText(30), "31");
    }
    for (const TZuboComboBox* c :
         {child<TZuboComboBox>(*form, "ZuboComboBox3"), child<TZuboComboBox>(*form, "ZuboComboBox5"),
          child<TZuboComboBox>(*form, "ZuboComboBox7")}) {
        EXPECT_FALSE(c->isEnabled());
        EXPECT_EQ(c->count(), 12);
        EXPECT_EQ(c->itemText(8), QString::fromUtf8("września"));
    }

    // Every label by its caption; the three date rows' labels are 97 wide and right-aligned.
    struct LabelPlace {
        const char* caption;
        QPoint pos;
        bool rightAligned;
    };
    const LabelPlace labels[] = {
        {"Nazwisko i Imię/Imiona", {24, 8}, false},
        {"Imieniny", {0, 72}, true},
        {"Urodzony(a) dnia", {0, 104}, true},
        {"Inne okazje", {0, 136}, true},
        {"dzień", {112, 48}, false},
        {"miesiąc", {176, 48}, false},
        {"rok", {264, 48}, false},
        {"opis okazji", {24, 160}, false},
        {"notatki", {24, 296}, false},
        {"ulica", {472, 8}, false},
        {"nr domu", {472, 56}, false},
        {"nr mieszkania", {544, 56}, false},
        {"kod pocztowy", {472, 104}, false},
        {"poczta", {560, 104}, false},
        {"miejscowość", {472, 152}, false},
        {"województwo", {472, 200}, false},
        {"adresy email", {472, 248}, false},
        {"telefon(y)", {472, 352}, false},
    };
    QList<const QLabel*> byCaption;
    for (const LabelPlace& l : labels) {
        const QString caption = QString::fromUtf8(l.caption);
        const QLabel* found = nullptr;
        for (const QLabel* label : form->findChildren<QLabel*>()) {
            if (label->text() == caption)
                found = label;
        }
        ASSERT_NE(found, nullptr) << l.caption;
        EXPECT_EQ(found->pos(), l.pos) << l.caption;
        EXPECT_EQ(found->width() == 97 && found->alignment().testFlag(Qt::AlignRight), l.rightAligned) << l.caption;
        // A label shows its whole caption and stands clear of the control below it.
        EXPECT_GE(found->width(), found->fontMetrics().horizontalAdvance(caption)) << l.caption;
        byCaption.append(found);
    }
    for (const Place& p : places) {
        for (const QLabel* label : byCaption) {
            if (p.control != child<QLabel>(*form, "Panel1") && p.control != child<QLabel>(*form, "Panel2")) {
                EXPECT_FALSE(label->geometry().intersects(p.rect))
                    << p.what << " under " << label->text().toStdString();
            }
        }
    }
}

TEST_F(MainWindowTest, WithoutPersonsNothingIsShownAndTheCommandsAreOff)
{
    const QString file = write("elsewhere/1.wps", {"<$@$>nazwisko</$@$>Jan"});
    const auto form = startWith({file});
    EXPECT_TRUE(QFileInfo(dir.file("baza")).isDir()); // made at start
    EXPECT_TRUE(form->PersonList().isEmpty());        // the command line is not looked at
    EXPECT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox1")->count(), 0);
    EXPECT_FALSE(child<TFlatSpeedButton>(*form, "FlatSpeedButton9")->isEnabled());
    EXPECT_FALSE(child<TFlatSpeedButton>(*form, "FlatSpeedButton2")->isEnabled());
    EXPECT_EQ(child<TImage>(*form, "Image1")->Picture(), bitmapResource(u"LOGO"));
}

TEST_F(MainWindowTest, ADataFolderThatCannotBeMadeEndsTheProgram)
{
    dir.write("baza", "a file where the folder should be");
    const auto program = createWindows(setup());
    EXPECT_FALSE(program->Form1->Started());
    EXPECT_FALSE(program->Form2); // no other window is made
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_TRUE(prompter.shown[0].question);
    EXPECT_EQ(prompter.shown[0].caption, "Zubo");
    EXPECT_EQ(prompter.shown[0].text, cp1250::toUnicode(initialMessages()[2]));
    EXPECT_EQ(prompter.shown[0].owner, nullptr);
}

TEST_F(MainWindowTest, CommandLineFilesReplaceTheList)
{
    writeTwoFolders();
    const QString blanks = write("z innego/z spacjami.wps", {"<$@$>ulica</$@$>Leśna", "<$@$>nazwisko</$@$>Ewa Las"});
    const QString nameless = write("baza/7-7-7.wps", {"<$@$>ulica</$@$>Bez Nazwiska"});
    struct Case {
        const char* what;
        QStringList arguments;
        QStringList listed;
        QStringList names;
        const char* street; // of the shown person
    };
    const Case cases[] = {
        {"one path with blanks", {blanks}, {blanks}, {"Ewa Las"}, "Leśna"},
        {"two files in argument order, a relative path made absolute",
         {"baza/7-7-7.wps", "/showexisting", blanks},
         {nameless, blanks},
         {"", "Ewa Las"},
         "Bez Nazwiska"},
        {"no existing file: the full list, its first shown",
         {"/showexisting", "missing.wps"},
         {},
         {"???", "???", "Lucyna Bąk", "łucja Nowak", "Marek Zając"},
         "Bez Nazwiska"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto form = startWith(c.arguments);
        EXPECT_EQ(listedNames(*form), c.names);
        if (!c.listed.isEmpty()) {
            EXPECT_EQ(chooserPaths(*form), c.listed);
        }
        EXPECT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox1")->Items(), chooserPaths(*form));
        EXPECT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox1")->currentIndex(), 0);
        EXPECT_EQ(child<TFlatEdit>(*form, "FlatEdit4")->text(), QString::fromUtf8(c.street));
        EXPECT_EQ(groupItem(*form, "Wszystko")->isChecked(), c.listed.isEmpty());
    }
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(MainWindowTest, UnreadableStartFilesAreSkippedWithOneMessageEachAndTheStartFinishes)
{
    writeTwoFolders();
    write("opcje.ini", {"[kolory]", "tlo_tlo=clRed"});
    const QString good = write("cmd/good.wps", {"<$@$>nazwisko</$@$>Dobry"});
    const QString bad = write("cmd/bad.wps", {"<$@$>nazwisko</$@$>Zły"});
    const QString favourites = write("baza/ulubione.sps", {dir.file("baza/1-1-1.wps").toUtf8().constData()});
    dir.write("zubo.exe", "old");
    const FailingTextReader reader({bad, favourites});
    const RecordingRemover remover;

    const auto form = startWith({bad, good}, &reader, &remover);
    ASSERT_TRUE(form->Started());
    ASSERT_EQ(prompter.shown.size(), 2);
    EXPECT_TRUE(prompter.shown[0].text.startsWith("Błąd pliku [id:" + favourites));
    EXPECT_TRUE(prompter.shown[1].text.startsWith("Błąd pliku [id:" + bad));
    EXPECT_TRUE(form->Favourites().isEmpty());
    EXPECT_EQ(listedNames(*form), QStringList({"Dobry"}));
    // The steps after them ran: old files, caption, buttons, colours.
    EXPECT_EQ(remover.asked, QStringList({dir.file("zubo.exe")}));
    EXPECT_EQ(form->windowTitle(), "..::  -- ZUBO --  ::..");
    EXPECT_TRUE(child<TFlatSpeedButton>(*form, "FlatSpeedButton12")->isEnabled());
    EXPECT_EQ(WidgetColor(form.get()), 0x0000FFu);
}

TEST_F(MainWindowTest, FavouritesAreLoadedWithTheNamesOfTheListedPersons)
{
    writeTwoFolders();
    const QByteArray listed = dir.file("baza/2-2-2.wps").toUtf8();
    dir.write("baza/ulubione.sps", listed + "\r\n\r\n" + dir.file("baza/4-4-4.wpj").toUtf8() + "\r\n");
    const auto form = startWith();
    ASSERT_EQ(form->Favourites().size(), 2);
    EXPECT_EQ(form->Favourites()[0].Name, cp("łucja Nowak"));
    EXPECT_EQ(form->Favourites()[1].Name, ""); // a one-off reminder is not in the list at start
    ASSERT_EQ(child<QMenu>(*form, "PopupMenu6")->actions().size(), 2);
    EXPECT_EQ(child<QMenu>(*form, "PopupMenu6")->actions()[0]->text(), "łucja Nowak");
}

TEST_F(MainWindowTest, ShowsEveryValueOfThePersonInItsControl)
{
    const QString path = write("baza/1-2-3.wps", {
                                                     "<$@$>nazwisko</$@$>Kowalska Anna",
                                                     "<$@$>ulica</$@$>Długa",
                                                     "<$@$>nr_domu</$@$>5a",
                                                     "<$@$>nr_mieszkania</$@$>12",
                                                     "<$@$>kod_pocztowy</$@$>00-950",
                                                     "<$@$>poczta</$@$>Warszawa 1",
                                                     "<$@$>miejscowosc</$@$>Warszawa",
                                                     "<$@$>wojewodztwo</$@$>mazowieckie",
                                                     "<$@$>telefony</$@$>22 123",
                                                     "<$@$>telefony</$@$>600 700 800",
                                                     "<$@$>imieniny</$@$>26.07",
                                                     "<$@$>urodziny</$@$>05.11.????",
                                                     "<$@$>impreza</$@$>24.12.2003-Wigilia",
                                                     "<$@$>impreza</$@$>ab.12.2003-Zła data",
                                                     "<$@$>mail</$@$>anna@example.org",
                                                     "<$@$>notatka</$@$>pierwsza",
                                                     "<$@$>notatka</$@$>",
                                                     "<$@$>notatka</$@$>trzecia",
                                                     "<$@$>NIP</$@$>123-456",
                                                     "<$@$>regon</$@$>",
                                                 });
    const auto form = startWith();
    ASSERT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox1")->Items(), QStringList({path}));

    struct Field {
        const char* what;
        QString shown;
        const char* expected;
    };
    const Field fields[] = {
        {"street", child<TFlatEdit>(*form, "FlatEdit4")->text(), "Długa"},
        {"house", child<TFlatEdit>(*form, "FlatEdit5")->text(), "5a"},
        {"flat", child<TFlatEdit>(*form, "FlatEdit6")->text(), "12"},
        {"postal code", child<TFlatEdit>(*form, "FlatEdit7")->text(), "00-950"},
        {"post office", child<TFlatEdit>(*form, "FlatEdit8")->text(), "Warszawa 1"},
        {"town", child<TFlatEdit>(*form, "FlatEdit9")->text(), "Warszawa"},
        {"province", child<TFlatEdit>(*form, "FlatEdit13")->text(), "mazowieckie"},
        {"phones", child<TFlatListBox>(*form, "FlatListBox3")->Items().join('|'), "22 123|600 700 800"},
        {"occasions", child<TFlatListBox>(*form, "FlatListBox1")->Items().join('|'),
         "24.12.2003-Wigilia|ab.12.2003-Zła data"},
        {"mails", child<TFlatListBox>(*form, "FlatListBox2")->Items().join('|'), "anna@example.org"},
        {"notes", child<TFlatMemo>(*form, "FlatMemo1")->Lines().join('|'), "pierwsza||trzecia"},
        {"name day",
         child<TZuboComboBox>(*form, "ZuboComboBox2")->currentText() + " " +
             child<TZuboComboBox>(*form, "ZuboComboBox3")->currentText(),
         "26 lipca"},
        {"birthday",
         child<TZuboComboBox>(*form, "ZuboComboBox4")->currentText() + " " +
             child<TZuboComboBox>(*form, "ZuboComboBox5")->currentText(),
         "5 listopada"},
        {"birth year", child<TFlatEdit>(*form, "FlatEdit2")->text(), "????"},
        {"occasion year", child<TFlatEdit>(*form, "FlatEdit3")->text(), ""},
        {"occasion text", child<TFlatEdit>(*form, "FlatEdit11")->text(), ""},
    };
    for (const Field& f : fields)
        EXPECT_EQ(f.shown, QString::fromUtf8(f.expected)) << f.what;
    EXPECT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox6")->currentIndex(), -1);
    EXPECT_EQ(form->Shown().record.nazwisko, cp("Kowalska Anna"));
    EXPECT_EQ(form->Shown().record.NIP, "123-456");
    EXPECT_EQ(form->Shown().record.regon, "");
    EXPECT_FALSE(child<TFlatSpeedButton>(*form, "FlatSpeedButton1")->isHidden());  // "M": the person has an address
    EXPECT_FALSE(child<TFlatSpeedButton>(*form, "FlatSpeedButton18")->isHidden()); // "NIP"
    EXPECT_TRUE(child<TFlatSpeedButton>(*form, "FlatSpeedButton19")->isHidden());  // an empty REGON keeps "REG" hidden
    EXPECT_FALSE(form->Shown().hasPhoto);

    // A click on an occasion fills its fields; one whose day is no number keeps the date lists.
    const auto pick = [&](int row) {
        child<TFlatListBox>(*form, "FlatListBox1")->SetSelected(row, true);
        emit child<TFlatListBox>(*form, "FlatListBox1")->OnMouseUp(Qt::LeftButton, Qt::NoModifier, 5, 5);
    };
    pick(0);
    EXPECT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox6")->currentText() + " " +
                  child<TZuboComboBox>(*form, "ZuboComboBox7")->currentText(),
              "24 grudnia");
    EXPECT_EQ(child<TFlatEdit>(*form, "FlatEdit3")->text(), "2003");
    EXPECT_EQ(child<TFlatEdit>(*form, "FlatEdit11")->text(), "Wigilia");
    pick(1);
    EXPECT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox6")->currentText(), "24");
    EXPECT_EQ(child<TFlatEdit>(*form, "FlatEdit11")->text(), "Zła data");
}

TEST_F(MainWindowTest, TheNextPersonReplacesEverythingOfThePreviousOne)
{
    write("baza/1.wps", {"<$@$>nazwisko</$@$>A Pierwsza", "<$@$>mail</$@$>a@x.pl", "<$@$>NIP</$@$>1",
                         "<$@$>urodziny</$@$>01.01.1990", "<$@$>ulica</$@$>Stara"});
    const QString nameless = write("baza/2.wps", {"<$@$>ulica</$@$>Nowa"});
    write("baza/3.wpb", {"<$@$>nazwisko</$@$>C Wykasowana"});
    const QString reminder = write("baza/4.wpj", {"<$@$>nazwisko</$@$>D Jednorazowa"});
    const auto form = startWith();
    form->ShowPerson(dir.file("baza/1.wps"));
    ASSERT_EQ(form->Shown().record.nazwisko, "A Pierwsza");

    form->ShowPerson(nameless);
    // The edit command writes the shown name into the shown file: it must not be the previous one's.
    EXPECT_EQ(form->Shown().record.nazwisko, "");
    EXPECT_EQ(form->Shown().record.NIP, "");
    EXPECT_EQ(child<TFlatEdit>(*form, "FlatEdit4")->text(), "Nowa");
    EXPECT_EQ(child<TFlatEdit>(*form, "FlatEdit2")->text(), "");
    EXPECT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox4")->currentIndex(), -1);
    EXPECT_TRUE(child<TFlatSpeedButton>(*form, "FlatSpeedButton1")->isHidden());
    EXPECT_TRUE(child<TFlatSpeedButton>(*form, "FlatSpeedButton18")->isHidden());

    struct Kind {
        QString path;
        bool restoreShown, editShown;
    };
    for (const Kind& k : {Kind{dir.file("baza/3.wpb"), true, false}, Kind{reminder, false, true},
                          Kind{dir.file("baza/1.wps"), false, true}}) {
        form->ShowPerson(k.path);
        EXPECT_EQ(!child<TFlatSpeedButton>(*form, "FlatSpeedButton11")->isHidden(), k.restoreShown)
            << k.path.toStdString();
        EXPECT_EQ(!child<TFlatSpeedButton>(*form, "FlatSpeedButton9")->isHidden(), k.editShown) << k.path.toStdString();
    }

    form->ShowPerson(dir.file("baza/gone.wps")); // a missing file changes nothing
    EXPECT_EQ(form->Shown().record.nazwisko, "A Pierwsza");
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(MainWindowTest, AnotherPersonsListsAreShownFromTheirFirstItem)
{
    QByteArray many = "<$@$>nazwisko</$@$>A Wiele\r\n";
    for (int i = 1; i <= 12; ++i) {
        many += "<$@$>telefony</$@$>" + QByteArray::number(i) + "\r\n<$@$>mail</$@$>m" + QByteArray::number(i) +
                "@x.pl\r\n<$@$>impreza</$@$>01.01.2000-" + QByteArray::number(i) + "\r\n";
    }
    dir.write("baza/1.wps", many);
    const QString one = write("baza/2.wps", {"<$@$>nazwisko</$@$>B Jedna", "<$@$>telefony</$@$>123456",
                                             "<$@$>mail</$@$>b@x.pl", "<$@$>impreza</$@$>02.02.2002-Ślub"});
    const auto form = startWith();
    form->ShowPerson(dir.file("baza/1.wps"));
    for (const char* name : {"FlatListBox1", "FlatListBox2", "FlatListBox3"}) {
        auto* list = child<TFlatListBox>(*form, name);
        QWheelEvent down(QPointF(5, 5), QPointF(list->mapToGlobal(QPoint(5, 5))), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list, &down);
        ASSERT_GT(list->FirstItem(), 0) << name;
    }

    form->ShowPerson(one);
    for (const char* name : {"FlatListBox1", "FlatListBox2", "FlatListBox3"}) {
        const auto* list = child<TFlatListBox>(*form, name);
        EXPECT_EQ(list->FirstItem(), 0) << name;
        EXPECT_EQ(list->Items().size(), 1) << name;
    }
}

TEST_F(MainWindowTest, AFileThatCannotBeReadChangesNothingAndIsReportedOnce)
{
    write("baza/1.wps", {"<$@$>nazwisko</$@$>A Pierwsza", "<$@$>ulica</$@$>Stara", "<$@$>telefony</$@$>1"});
    const QString broken = write("baza/2.wps", {"<$@$>nazwisko</$@$>B Druga", "<$@$>ulica</$@$>Nowa"});
    const FailingTextReader reader({broken});
    const auto form = startWith({}, &reader);
    form->ShowPerson(broken);
    EXPECT_EQ(form->Shown().record.nazwisko, "A Pierwsza");
    EXPECT_EQ(child<TFlatEdit>(*form, "FlatEdit4")->text(), "Stara");
    EXPECT_EQ(child<TFlatListBox>(*form, "FlatListBox3")->Items(), QStringList({"1"}));
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_TRUE(prompter.shown[0].question);
    EXPECT_TRUE(prompter.shown[0].text.startsWith("Błąd pliku [id:" + broken + " err: "));
}

TEST_F(MainWindowTest, PhotosOfEveryReadableTypeAreShownAndABadOneLeavesTheBuiltInPicture)
{
    QImage photo(120, 80, QImage::Format_RGB32);
    photo.fill(Qt::red);
    dir.mkdir("baza");
    struct Case {
        const char* file;
        bool loads;
    };
    for (const Case c : {Case{"p.bmp", true}, Case{"p.png", true}, Case{"p.jpg", true}, Case{"zly.bmp", false},
                         Case{"brak.bmp", false}}) {
        SCOPED_TRACE(c.file);
        if (QByteArray(c.file) == "zly.bmp") {
            dir.write("baza/zly.bmp", "BM this is no picture");
        } else if (c.loads) {
            ASSERT_TRUE(photo.save(dir.file(QStringLiteral("baza/") + c.file)));
        }
        const QString path =
            write("baza/1.wps", {"<$@$>nazwisko</$@$>Z Fotografią",
                                 ("<$@$>zdjecie</$@$>" + std::string(c.file)).c_str(), "<$@$>ulica</$@$>Dalsza"});
        const auto form = startWith();
        form->ShowPerson(path);
        EXPECT_EQ(form->Shown().hasPhoto, c.loads);
        EXPECT_EQ(child<TImage>(*form, "Image1")->Picture().size(), c.loads ? QSize(120, 80) : QSize(100, 100));
        if (!c.loads) {
            EXPECT_EQ(child<TImage>(*form, "Image1")->Picture(), bitmapResource(u"LOGO"));
        }
        EXPECT_EQ(child<TFlatEdit>(*form, "FlatEdit4")->text(), "Dalsza"); // the rest of the person is still shown
    }
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(MainWindowTest, NextAndPreviousStopAtTheEndsAndTheChooserShowsItsChoice)
{
    write("baza/1.wps", {"<$@$>nazwisko</$@$>A", "<$@$>ulica</$@$>a"});
    write("baza/2.wps", {"<$@$>nazwisko</$@$>B", "<$@$>ulica</$@$>b"});
    write("baza/3.wps", {"<$@$>nazwisko</$@$>C", "<$@$>ulica</$@$>c"});
    const auto form = startWith();
    TFlatSpeedButton* next = child<TFlatSpeedButton>(*form, "FlatSpeedButton7");
    TFlatSpeedButton* previous = child<TFlatSpeedButton>(*form, "FlatSpeedButton8");
    struct Step {
        TFlatSpeedButton* button;
        int index;
        const char* street;
    };
    const Step steps[] = {{previous, 0, "a"}, {next, 1, "b"}, {next, 2, "c"}, {next, 2, "c"}, {previous, 1, "b"}};
    for (const Step& s : steps) {
        s.button->Click();
        EXPECT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox1")->currentIndex(), s.index);
        EXPECT_EQ(child<TFlatEdit>(*form, "FlatEdit4")->text(), s.street);
    }
    child<TZuboComboBox>(*form, "ZuboComboBox1")->setCurrentIndex(2);
    emit child<TZuboComboBox>(*form, "ZuboComboBox1")->OnChange();
    EXPECT_EQ(child<TFlatEdit>(*form, "FlatEdit4")->text(), "c");
    child<TZuboComboBox>(*form, "ZuboComboBox1")->setCurrentIndex(-1);
    next->Click(); // from no selection to the first
    EXPECT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox1")->currentIndex(), 0);
    EXPECT_EQ(child<TFlatEdit>(*form, "FlatEdit4")->text(), "a");
}

TEST_F(MainWindowTest, TheGroupFilterListsTheCheckedGroupsAndKinds)
{
    writeTwoFolders();
    const auto form = startWith();
    struct Step {
        const char* item; // clicked: its check mark toggles
        QStringList names;
        const char* shownName;
    };
    const Step steps[] = {
        {"Wszystko", {}, nullptr}, // nothing checked: an empty list clears the view
        {"Rodzina", {"Lucyna Bąk", "łucja Nowak"}, "Lucyna Bąk"},
        {"Praca", {"0", "Lucyna Bąk", "łucja Nowak", "Marek Zając"}, ""},
        {"Rodzina", {"0", "Marek Zając"}, ""},
        {"Wykasowane", {"0", "Adam Kosz", "Marek Zając"}, ""},
        {"Praca", {"Adam Kosz"}, "Adam Kosz"},
        {"Jednorazowe przypomnienie", {"Adam Kosz", "Rocznica"}, "Adam Kosz"},
        {"Wszystko", {"???", "Adam Kosz", "Lucyna Bąk", "łucja Nowak", "Marek Zając", "Rocznica"}, ""},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.item);
        groupItem(*form, QString::fromUtf8(s.item))->trigger();
        EXPECT_EQ(listedNames(*form), s.names);
        EXPECT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox1")->Items(), chooserPaths(*form));
        EXPECT_EQ(child<TFlatSpeedButton>(*form, "FlatSpeedButton9")->isEnabled(), !s.names.isEmpty());
        if (s.shownName) {
            EXPECT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox1")->currentIndex(), 0);
            EXPECT_EQ(form->Shown().record.nazwisko, cp(s.shownName));
        } else {
            EXPECT_EQ(child<TFlatEdit>(*form, "FlatEdit4")->text(), "");
            EXPECT_EQ(child<TImage>(*form, "Image1")->Picture(), bitmapResource(u"LOGO"));
            EXPECT_FALSE(form->Shown().hasPhoto);
        }
    }
}

TEST_F(MainWindowTest, ChooserRowsCarryTheMarkAndColourOfTheirKind)
{
    write("baza/1.wps", {"<$@$>ulica</$@$>Bez nazwiska"});
    write("baza/2.wpb", {"<$@$>nazwisko</$@$>B Wykasowany"});
    write("baza/3.wps", {"<$@$>nazwisko</$@$>C Osoba"});
    write("baza/4.wpj", {"<$@$>nazwisko</$@$>D Jednorazowe"});
    write("opcje.ini", {"[kolory]", "ComboBox_tlo=$00EEEEEE", "ComboBox_tekst1=$00000001", "ComboBox_tekst2=$00FF0000",
                        "ComboBox_tekst3=$0000FF00"});
    const auto form = startWith();
    groupItem(*form, "Wykasowane")->trigger();
    groupItem(*form, "Jednorazowe przypomnienie")->trigger();
    ASSERT_EQ(listedNames(*form), QStringList({"???", "B Wykasowany", "C Osoba", "D Jednorazowe"}));

    const QRect rowRect(0, 0, 200, 13);
    const auto drawRow = [&](int index) {
        QImage row(rowRect.size(), QImage::Format_RGB32);
        QPainter p(&row);
        form->FlatComboBox1DrawItem(&p, index, rowRect, TOwnerDrawState{});
        return row;
    };
    const auto hasColour = [](const QImage& image, const QRect& area, QRgb colour) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixel(x, y) == colour)
                    return true;
        return false;
    };
    struct Case {
        int index;
        const char16_t* mark; // nullptr: none
        QRgb text;
    };
    const Case cases[] = {
        {0, nullptr, qRgb(1, 0, 0)},         // "???" has no mark
        {1, u"WYKASOWANE", qRgb(0, 255, 0)}, // in the bin
        {2, u"PUNKT", qRgb(1, 0, 0)},        // a person
        {3, u"JEDYNKA", qRgb(0, 0, 255)},    // a one-off reminder
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        const QImage row = drawRow(c.index);
        const QImage markArea = row.copy(1, 2, 8, 8);
        if (c.mark) {
            const QImage mark = bitmapResource(c.mark);
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x) {
                    const QRgb want =
                        mark.pixel(x, y) == qRgb(255, 255, 255) ? qRgb(0xEE, 0xEE, 0xEE) : mark.pixel(x, y);
                    EXPECT_EQ(markArea.pixel(x, y), want) << x << "," << y;
                }
        } else {
            QImage background(markArea.size(), markArea.format());
            background.fill(qRgb(0xEE, 0xEE, 0xEE));
            EXPECT_EQ(markArea, background);
        }
        EXPECT_TRUE(hasColour(row, QRect(10, 0, 190, 13), c.text));
    }
}

TEST_F(MainWindowTest, TheSchemeColoursTheWindowAndABadValueCostsOnlyItsOwnKey)
{
    write("baza/1.wps", {"<$@$>nazwisko</$@$>A"});
    write("opcje.ini", {"[kolory]", "tlo_tlo=$00102030", "tlo_napisy=$00405060", "guziki_tlo=clRed",
                        "ComboBox_tlo=clYellow", "ComboBox_tlo_strzalki=clLime"});
    {
        const auto form = startWith();
        EXPECT_EQ(WidgetColor(form.get()), 0x102030u);
        EXPECT_EQ(WidgetColor(child<QLabel>(*form, "Panel1")), 0x405060u); // the panels are inverted
        EXPECT_EQ(FontColor(child<QLabel>(*form, "Panel2")), 0x102030u);
        EXPECT_EQ(child<TFlatSpeedButton>(*form, "FlatSpeedButton5")->Color(), 0x0000FFu);
        EXPECT_EQ(child<TFlatEdit>(*form, "FlatEdit4")->ColorFlat(), 0x00FFFFu);
        EXPECT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox1")->Color(), 0x00FFFFu);
        EXPECT_EQ(child<TFlatListBox>(*form, "FlatListBox1")->Color(), 0x00FF00u);
        EXPECT_EQ(child<TFlatMemo>(*form, "FlatMemo1")->ColorFlat(), 0x00FFFFu);
        EXPECT_TRUE(prompter.shown.isEmpty());
    }
    // The bad value takes its key's built-in colour without a word; the keys after it still count.
    write("opcje.ini", {"[kolory]", "tlo_tlo=$00102030", "guziki_tlo=no colour", "ComboBox_tlo=clYellow"});
    const auto form = startWith();
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(WidgetColor(form.get()), 0x102030u);
    EXPECT_EQ(child<TFlatSpeedButton>(*form, "FlatSpeedButton5")->Color(), clMedGray);
    EXPECT_EQ(child<TFlatEdit>(*form, "FlatEdit4")->ColorFlat(), 0x00FFFFu);
    EXPECT_TRUE(form->Started());
}

TEST_F(MainWindowTest, ALanguageSetsItsTextsOnEveryWindowAndPolishRestoresThemAll)
{
    write("baza/1.wps", {"<$@$>nazwisko</$@$>A", "<$@$>urodziny</$@$>05.01.1990"});
    write("lng/en.lng",
          {"<$@$>jezyk</$@$>English", "<$@$>25</$@$>Q", "<$@$>35</$@$>Quit", "<$@$>1</$@$>Name", "<$@$>81</$@$>January",
           "<$@$>93</$@$>File error", "<$@$>94</$@$>All", "<$@$>143</$@$>Bin", "<$@$>67</$@$>C",
           "<$@$>106</$@$>About Zubo", "<$@$>80</$@$>ZUBO EN", "<$@$>200</$@$>ignored"});
    write("opcje.ini", {"[jezyk]", "nazwa=english"});
    const auto program = createWindows(setup());
    TForm1& form = *program->Form1;
    ASSERT_TRUE(child<TFlatSpeedButton>(form, "FlatSpeedButton10")->isEnabled()); // a language file is there
    ASSERT_EQ(child<QMenu>(form, "PopupMenu2")->actions().size(), 2);
    EXPECT_TRUE(child<QMenu>(form, "PopupMenu2")->actions()[1]->isChecked());

    // The editor is made before the language is applied and follows it; the about box is made
    // after, when first looked at below, and takes the language in use then.
    ASSERT_TRUE(program->Form3.get());
    EXPECT_FALSE(program->Form2.made());
    form.show(); // the show step applies the saved language
    struct Text {
        const char* what;
        QString shown;
        const char* english;
        const char* polish;
    };
    const auto shownTexts = [&] {
        return std::vector<Text>{
            {"X caption", child<TFlatSpeedButton>(form, "FlatSpeedButton5")->Caption(), "Q", "X"},
            {"X hint", child<TFlatSpeedButton>(form, "FlatSpeedButton5")->toolTip(), "Quit", "Zamknij program"},
            {"O caption", child<TFlatSpeedButton>(form, "FlatSpeedButton6")->Caption(), "O", "O"}, // not in the file
            {"label 1", child<QLabel>(form, "Label1")->text(), "Name", "Nazwisko i Imię/Imiona"},
            {"label 2", child<QLabel>(form, "Label2")->text(), "Inne okazje", "Inne okazje"},
            {"month item", child<TZuboComboBox>(form, "ZuboComboBox7")->itemText(0), "January", "stycznia"},
            {"chosen month", child<TZuboComboBox>(form, "ZuboComboBox5")->currentText(), "January", "stycznia"},
            {"message 0", cp1250::toUnicode(form.State().messages[0]), "File error", "Błąd pliku"},
            {"message 10", cp1250::toUnicode(form.State().messages[10]),
             "Jakaś lipa z tym obrazkiem, bo nie wiem, czy wiesz, ale to ma być obrazek",
             "Niewłaściwy (nieobsługiwany) format pliku graficznego"},
            {"filter item 3", form.GroupFilterActions()[3]->text(), "All", "Wszystko"},
            {"filter item 1", form.GroupFilterActions()[1]->text(), "Bin", "Wykasowane"},
            {"editor label 1", child<QLabel>(*program->Form3, "Label1")->text(), "Name", "Nazwisko i Imię/Imiona"},
            {"about X", child<TFlatSpeedButton>(*program->Form2, "FlatSpeedButton2")->Caption(), "C", "X"},
            {"about text", child<QPlainTextEdit>(*program->Form2, "Memo1")->toPlainText().section('\n', 0, 0),
             "About Zubo", "Zubo v3.7 - program do zarządzania kontaktami pod Windows 9x/Me/XP."},
            {"title", QCoreApplication::applicationName(), "ZUBO EN", "ZUBO"},
        };
    };
    for (const Text& t : shownTexts())
        EXPECT_EQ(t.shown, QString::fromUtf8(t.english)) << t.what;
    EXPECT_EQ(child<TZuboComboBox>(form, "ZuboComboBox5")->currentIndex(), 0); // the birthday month stays chosen
    EXPECT_EQ(ProfileFile(dir.file("opcje.ini")).readString("jezyk", "nazwa", ""), "English");

    child<QAction>(form, "Polski1")->trigger();
    for (const Text& t : shownTexts())
        EXPECT_EQ(t.shown, QString::fromUtf8(t.polish)) << t.what;
    EXPECT_EQ(ProfileFile(dir.file("opcje.ini")).readString("jezyk", "nazwa", ""), "Polski");
    EXPECT_TRUE(prompter.shown.isEmpty());
    QCoreApplication::setApplicationName(QString());
}

// A save killed half-way leaves an empty claimed entry file and a temporary file with personal data;
// the next start removes them, and lists no empty entry, not even one a running save just claimed.
TEST_F(MainWindowTest, TheStartRemovesWhatAKilledSaveLeftAndListsNoEmptyEntry)
{
    write("baza/1-1-1.wps", {"<$@$>nazwisko</$@$>Anna"});
    const auto aged = [&](const char* name, const QByteArray& bytes, int seconds) {
        dir.write(name, bytes, QDateTime::currentDateTime().addSecs(-seconds));
    };
    aged("baza/2-2-2.wps", "", 600);
    aged("baza/.zubo-77-1.tmp", crlf({"<$@$>nazwisko</$@$>Jan Tajny"}), 600);
    aged(".zubo-77-2.tmp", "[jezyk]\r\n", 600);
    aged("baza/3-3-3.wpj", "", 0);
    aged("baza/ulubione.sps", "", 600);

    const auto form = startWith();
    EXPECT_EQ(listedNames(*form), QStringList({"Anna"}));
    EXPECT_FALSE(dir.exists("baza/2-2-2.wps"));
    EXPECT_FALSE(dir.exists("baza/.zubo-77-1.tmp"));
    EXPECT_FALSE(dir.exists(".zubo-77-2.tmp"));
    EXPECT_TRUE(dir.exists("baza/3-3-3.wpj"));
    EXPECT_TRUE(dir.exists("baza/ulubione.sps"));
}

// The first show stores the language in use; on a full disk opcje.ini must keep every byte it had
// and the failure must be told.
TEST_F(MainWindowTest, TheFirstShowOnAFullDiskLeavesTheSettingsFileAsItWasAndSaysSo)
{
    FullDisk disk;
    SKIP_WITHOUT_FULL_DISK(disk);
    const QByteArray settings = crlf({"[opcje]", "baza_1=jest", "", "[kolory]", "tlo_tlo=clRed"});
    disk.write("opcje.ini", settings);
    QDir().mkdir(disk.file("baza"));
    disk.write("baza/1.wps", crlf({"<$@$>nazwisko</$@$>A"}));
    ASSERT_TRUE(disk.fill());

    StartSetup s = setup();
    s.programDir = disk.path();
    s.workingDir = disk.path();
    const auto program = createWindows(s);
    program->Form1->show();

    EXPECT_EQ(disk.read("opcje.ini"), settings);
    EXPECT_EQ(disk.names(), QStringList({"baza", "filler", "opcje.ini"}));
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_TRUE(prompter.shown[0].text.contains(disk.file("opcje.ini"))) << prompter.shown[0].text.toStdString();
}

// The main window comes first and is shown without any other window made; a command makes its
// dialog when it first opens it, and only that one.
TEST_F(MainWindowTest, WindowsAreCreatedInOrderAndXClosesTheMainOne)
{
    write("baza/1.wps", {"<$@$>nazwisko</$@$>A"});
    const auto program = createWindows(setup());
    ASSERT_TRUE(program->Form1 && program->Form2);
    program->Form1->show();
    const auto madeWindows = [&] {
        QStringList made;
        const auto note = [&](const auto& window, const char* name) {
            if (window.made())
                made << name;
        };
        note(program->Form2, "Form2");
        note(program->Form3, "Form3");
        note(program->Form4, "Form4");
        note(program->Form5, "Form5");
        note(program->Form6, "Form6");
        note(program->Form7, "Form7");
        note(program->Form8, "Form8");
        note(program->Form10, "Form10");
        note(program->Form11, "Form11");
        note(program->Form12, "Form12");
        note(program->Form13, "Form13");
        note(program->Form14, "Form14");
        note(program->Form15, "Form15");
        return made;
    };
    EXPECT_EQ(madeWindows(), QStringList());

    ScriptedDialogRunner dialogs;
    bool aboutShown = false;
    dialogs.scripts << [&](QDialog& d) {
        aboutShown = d.isVisible();
        child<TFlatSpeedButton>(*program->Form2, "FlatSpeedButton2")->Click();
    };
    child<TFlatSpeedButton>(*program->Form1, "FlatSpeedButton6")->Click();
    EXPECT_TRUE(aboutShown);
    EXPECT_EQ(madeWindows(), QStringList{"Form2"});
    EXPECT_EQ(dialogs.shown, QList<QDialog*>{program->Form2.get()});
    EXPECT_FALSE(program->Form2->isVisible());

    ASSERT_TRUE(program->Form1->isVisible());
    child<TFlatSpeedButton>(*program->Form1, "FlatSpeedButton5")->Click();
    EXPECT_FALSE(program->Form1->isVisible());
}

} // namespace
