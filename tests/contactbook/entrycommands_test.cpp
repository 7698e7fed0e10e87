#include "dodaj_nowy.h"

#include "TFlatCheckBoxUnit.h"
#include "TFlatEditUnit.h"
#include "TFlatListBoxUnit.h"
#include "TFlatMemoUnit.h"
#include "TFlatRadioButtonUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "ZuboComboBox.h"
#include "children.h"
#include "codec1250.h"
#include "fakes.h"
#include "imieniny.h"
#include "mainprogram.h"
#include "picture.h"
#include "support.h"
#include "zarzadzanie_grupami.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

#define T(key, value) "<$@$>" key "</$@$>" value

// The main program started in a program folder with two persons, the user's part in its dialogs
// played by scripts.
class EntryCommandsTest : public ::testing::Test {
protected:
    EntryCommandsTest()
    {
        dir.write("baza/1-1-1.wps",
                  crlf({T("nazwisko", "Adam Abacki"), T("ulica", "Pierwsza"), T("grupa", "Praca"), T("NIP", "777"),
                        T("imieniny", "24.12"), T("urodziny", "05.11.????"), T("telefony", "600"),
                        T("impreza", "01.05.2000-Majówka"), T("mail", "adam@example.org"), T("notatka", "raz"),
                        T("notatka", "dwa"), T("grupa", "&Rodzina")}));
        dir.write("baza/2-2-2.wps", crlf({T("nazwisko", "Bogdan Bak"), T("ulica", "Druga")}));
    }

    void start(const QStringList& arguments = {}, const TextReader* reader = nullptr)
    {
        start::StartSetup setup;
        setup.programDir = dir.path();
        setup.workingDir = dir.path();
        setup.arguments = arguments;
        setup.reader = reader;
        program = createWindows(setup);
        ASSERT_TRUE(program->Form1->Started());
    }

    start::TForm1& main() const { return *program->Form1; }
    dodaj_nowy::TForm3& editor() const { return *program->Form3; }
    wybor_typu_nowego::TForm6& entryType() const { return *program->Form6; }

    QString shownStreet() const { return child<TFlatEdit>(main(), "FlatEdit4")->text(); }
    QString selectedPath() const
    {
        const int i = child<TZuboComboBox>(main(), "ZuboComboBox1")->currentIndex();
        return i < 0 ? QString() : child<TZuboComboBox>(main(), "ZuboComboBox1")->itemText(i);
    }

    static ScriptedDialogRunner::Script choose(bool person)
    {
        return [person](QDialog& d) {
            auto& type = static_cast<wybor_typu_nowego::TForm6&>(d);
            (person ? child<TFlatRadioButton>(type, "FlatRadioButton1")
                    : child<TFlatRadioButton>(type, "FlatRadioButton2"))
                ->SetChecked(true);
            child<TFlatSpeedButton>(type, "FlatSpeedButton1")->Click();
        };
    }

    // The group dialog's part: the first group renamed, then "Z", which hands the list to the editor,
    // or "X", which does not.
    static ScriptedDialogRunner::Script renameFirstGroup(const char* name, bool handToEditor)
    {
        return [name, handToEditor](QDialog& d) {
            auto& groups = static_cast<zarzadzanie_grupami::TForm5&>(d);
            child<TFlatListBox>(groups, "FlatListBox1")->SetSelected(0, true);
            child<TFlatEdit>(groups, "FlatEdit1")->setText(QString::fromUtf8(name));
            groups.FlatSpeedButton5Click();
            (handToEditor ? child<TFlatSpeedButton>(groups, "FlatSpeedButton4")
                          : child<TFlatSpeedButton>(groups, "FlatSpeedButton2"))
                ->Click();
        };
    }

    ScriptedDialogRunner::Script save(const char* name, const char* street)
    {
        return [this, name, street](QDialog&) {
            child<TFlatEdit>(editor(), "FlatEdit1")->setText(QString::fromUtf8(name));
            child<TFlatEdit>(editor(), "FlatEdit4")->setText(QString::fromUtf8(street));
            child<TFlatSpeedButton>(editor(), "FlatSpeedButton8")->Click();
        };
    }

    TempDir dir;
    FakePrompter prompter;
    ScriptedDialogRunner dialogs;
    std::unique_ptr<MainProgram> program;
};

TEST_F(EntryCommandsTest, NewPersonIsListedSelectedAndShown)
{
    start();
    dialogs.scripts = {choose(true), save("Cezary Cis", "Trzecia")};
    child<TFlatSpeedButton>(main(), "FlatSpeedButton4")->Click();

    ASSERT_EQ(dialogs.shown.size(), 2);
    EXPECT_EQ(dialogs.shown[0], &entryType());
    EXPECT_EQ(entryType().pos(), main().pos() + QPoint(216, 24));
    const QString file = editor().NewFileName();
    ASSERT_TRUE(file.endsWith(".wps")) << file.toStdString();
    EXPECT_EQ(selectedPath(), dir.file("baza/" + file));
    EXPECT_EQ(shownStreet(), "Trzecia");
    EXPECT_EQ(main().Shown().record.nazwisko, "Cezary Cis");
    EXPECT_EQ(main().PersonList().size(), 3);
}

TEST_F(EntryCommandsTest, PictureChosenInTheEditorIsSavedAsThePhotoBesideTheNewEntry)
{
    start();
    QImage red(200, 150, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QString picture = dir.file("wakacje.bmp");
    red.save(picture, "BMP");
    FixedPictureChooser chooser(picture);
    const QImage logo = child<TImage>(editor(), "Image1")->Picture();
    struct Case {
        const char* what;
        ScriptedDialogRunner::Script crop;
        QRgb photo; // the saved photo's pixel
    };
    const Case cases[] = {
        {"cropped", [](QDialog& d) { child<TFlatSpeedButton>(d, "FlatSpeedButton2")->Click(); }, QColor(Qt::red).rgb()},
        // A cancelled crop keeps the editor's picture, which still becomes the photo.
        {"crop cancelled", [](QDialog& d) { child<TFlatSpeedButton>(d, "FlatSpeedButton1")->Click(); },
         logo.pixel(50, 50)},
    };
    for (const Case& c : cases) {
        dialogs.scripts = {choose(true),
                           [&](QDialog& d) {
                               child<TFlatSpeedButton>(editor(), "FlatSpeedButton1")->Click();
                               EXPECT_EQ(editor().PickedPictureName(), picture) << c.what;
                               save("Foto", "Polna")(d);
                           },
                           c.crop};
        child<TFlatSpeedButton>(main(), "FlatSpeedButton4")->Click();
        const QString base = editor().NewFileName().chopped(4);
        EXPECT_TRUE(dir.read("baza/" + editor().NewFileName()).contains(T("zdjecie", "") + base.toLatin1() + ".bmp"))
            << c.what;
        const QImage photo(dir.file("baza/" + base + ".bmp"));
        EXPECT_EQ(photo.size(), QSize(100, 100)) << c.what;
        EXPECT_EQ(photo.pixel(50, 50), c.photo) << c.what;
        EXPECT_TRUE(main().Shown().hasPhoto) << c.what;
    }
}

TEST_F(EntryCommandsTest, NameDayChosenInTheSearchFillsTheEditorsNameDay)
{
    dir.write("baza/stale/Imiona_wg_dat.wps", crlf({"<$@$>24.06</$@$>@Jan", "<$@$>27.12</$@$>@Jan|Fabiola"}));
    dir.write("baza/stale/Imiona_index.ind", crlf({"<$@$>Jan</$@$>|Jan|Janek|"}));
    start();
    dialogs.scripts = {choose(true),
                       [this](QDialog& d) {
                           child<TFlatEdit>(editor(), "FlatEdit1")->setText(QStringLiteral("Kos Janek"));
                           child<QToolButton>(editor(), "SpeedButton1")->click();
                           EXPECT_TRUE(child<TFlatCheckBox>(editor(), "FlatCheckBox1")->Checked());
                           EXPECT_EQ(child<TZuboComboBox>(editor(), "ZuboComboBox2")->currentIndex(), 26);
                           EXPECT_EQ(child<TZuboComboBox>(editor(), "ZuboComboBox3")->currentIndex(), 11);
                           save("Kos Janek", "")(d);
                       },
                       [](QDialog& d) {
                           auto& names = static_cast<imieniny::TForm12&>(d);
                           ASSERT_EQ(names.Hits().size(), 2);
                           child<TFlatListBox>(names, "FlatListBox1")->SetSelected(1, true);
                           child<TFlatSpeedButton>(names, "FlatSpeedButton3")->Click();
                       }};
    child<TFlatSpeedButton>(main(), "FlatSpeedButton4")->Click();
    EXPECT_TRUE(dir.read("baza/" + editor().NewFileName()).contains(T("imieniny", "27.12")));
}

TEST_F(EntryCommandsTest, CancelledEntryTypeOrEditorChangesNothing)
{
    start();
    const QString shown = selectedPath();
    struct Case {
        const char* what;
        QList<ScriptedDialogRunner::Script> scripts;
        int dialogsShown;
    };
    const Case cases[] = {
        {"X in the entry type", {[](QDialog& d) { child<TFlatSpeedButton>(d, "FlatSpeedButton2")->Click(); }}, 1},
        {"X in the editor",
         {choose(true), [this](QDialog&) { child<TFlatSpeedButton>(editor(), "FlatSpeedButton5")->Click(); }},
         2},
    };
    for (const Case& c : cases) {
        dialogs.shown.clear();
        dialogs.scripts = c.scripts;
        child<TFlatSpeedButton>(main(), "FlatSpeedButton4")->Click();
        EXPECT_EQ(dialogs.shown.size(), c.dialogsShown) << c.what;
        EXPECT_EQ(selectedPath(), shown) << c.what;
        EXPECT_EQ(main().PersonList().size(), 2) << c.what;
    }
}

TEST_F(EntryCommandsTest, NewReminderSelectsAndShowsTheFirstEntry)
{
    start();
    child<TZuboComboBox>(main(), "ZuboComboBox1")->setCurrentIndex(1);
    main().ShowPerson(child<TZuboComboBox>(main(), "ZuboComboBox1")->itemText(1));
    ASSERT_EQ(shownStreet(), "Druga");

    bool groupsOffered = true;
    dialogs.scripts = {choose(false), [&](QDialog& d) {
                           groupsOffered = child<TFlatSpeedButton>(editor(), "FlatSpeedButton10")->isEnabled();
                           save("Rocznica", "")(d);
                       }};
    child<TFlatSpeedButton>(main(), "FlatSpeedButton4")->Click();
    EXPECT_FALSE(groupsOffered);
    EXPECT_TRUE(editor().NewFileName().endsWith(".wpj"));
    EXPECT_TRUE(QFileInfo::exists(dir.file("baza/" + editor().NewFileName())));
    // The reminder is not listed; the first entry is selected and shown, so that "E" edits what
    // the window shows.
    EXPECT_EQ(selectedPath(), dir.file("baza/1-1-1.wps"));
    EXPECT_EQ(shownStreet(), "Pierwsza");

    // The next "N" starts on "Osoba" again: Enter at once makes a person with groups.
    dialogs.scripts = {
        [](QDialog& d) {
            auto& type = static_cast<wybor_typu_nowego::TForm6&>(d);
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QApplication::sendEvent(child<TFlatRadioButton>(type, "FlatRadioButton1"), &enter);
        },
        [&](QDialog&) { groupsOffered = child<TFlatSpeedButton>(editor(), "FlatSpeedButton10")->isEnabled(); }};
    child<TFlatSpeedButton>(main(), "FlatSpeedButton4")->Click();
    EXPECT_EQ(entryType().EntryType(), "osoba");
    EXPECT_TRUE(groupsOffered);
}

TEST_F(EntryCommandsTest, EditStartsFromTheShownEntryAndShowsItAgain)
{
    start();
    ASSERT_EQ(selectedPath(), dir.file("baza/1-1-1.wps"));
    dialogs.scripts = {[this](QDialog&) {
        dodaj_nowy::TForm3& e = editor();
        EXPECT_FALSE(e.AddMode());
        EXPECT_EQ(child<TFlatEdit>(e, "FlatEdit1")->text(), "Adam Abacki");
        EXPECT_EQ(child<TFlatEdit>(e, "FlatEdit4")->text(), "Pierwsza");
        EXPECT_EQ(child<TFlatListBox>(e, "FlatListBox1")->Items(),
                  QStringList{QString::fromUtf8("01.05.2000-Majówka")});
        EXPECT_EQ(child<TFlatListBox>(e, "FlatListBox2")->Items(), QStringList{"adam@example.org"});
        EXPECT_EQ(child<TFlatMemo>(e, "FlatMemo1")->Lines(), QStringList({"raz", "dwa"}));
        EXPECT_TRUE(child<TFlatCheckBox>(e, "FlatCheckBox1")->Checked());
        EXPECT_TRUE(child<TFlatCheckBox>(e, "FlatCheckBox2")->Checked());
        EXPECT_EQ(child<TZuboComboBox>(e, "ZuboComboBox2")->currentIndex(), 23);
        EXPECT_EQ(child<TZuboComboBox>(e, "ZuboComboBox5")->currentIndex(), 10);
        EXPECT_EQ(e.Nip(), "777");
        EXPECT_FALSE(e.EditorModified()) << "the filling before the showing does not count";
        EXPECT_EQ(e.Groups().checkedGroups(), QList<QByteArray>({"Praca", "Rodzina"}));
        child<TFlatEdit>(e, "FlatEdit4")->setText(QStringLiteral("Nowa"));
        child<TFlatSpeedButton>(e, "FlatSpeedButton8")->Click();
    }};
    child<TFlatSpeedButton>(main(), "FlatSpeedButton9")->Click();

    EXPECT_EQ(shownStreet(), "Nowa");
    EXPECT_EQ(selectedPath(), dir.file("baza/1-1-1.wps"));
    EXPECT_EQ(dir.read("baza/1-1-1.wps"),
              crlf({T("nazwisko", "Adam Abacki"), T("ulica", "Nowa"), T("telefony", "600"), T("grupa", "Praca"),
                    T("grupa", "Rodzina"), T("NIP", "777"), T("imieniny", "24.12"), T("urodziny", "05.11.????"),
                    T("impreza", "01.05.2000-Majówka"), T("mail", "adam@example.org"), T("notatka", "raz"),
                    T("notatka", "dwa")}));
}

TEST_F(EntryCommandsTest, EditSavesTheShownEntryWhereverTheChooserStands)
{
    // The chooser lists Abacki alone; Bak, with a photo, is a favourite outside that list.
    const QString bak = dir.file("baza/2-2-2.wps");
    dir.write("baza/2-2-2.wps", crlf({T("nazwisko", "Bogdan Bak"), T("ulica", "Druga"), T("zdjecie", "2-2-2.bmp")}));
    QImage photo(100, 100, QImage::Format_RGB888);
    photo.fill(Qt::blue);
    ASSERT_TRUE(photo.save(dir.file("baza/2-2-2.bmp"), "BMP"));
    dir.write("baza/ulubione.sps", bak.toUtf8() + "\r\n");
    const QByteArray abacki = dir.read("baza/1-1-1.wps");
    start({dir.file("baza/1-1-1.wps")});
    child<QMenu>(main(), "PopupMenu6")->actions().at(0)->trigger();
    ASSERT_EQ(selectedPath(), dir.file("baza/1-1-1.wps"));
    ASSERT_EQ(shownStreet(), "Druga");

    dialogs.scripts = {[this](QDialog&) {
        EXPECT_EQ(child<TFlatEdit>(editor(), "FlatEdit1")->text(), "Bogdan Bak");
        child<TFlatEdit>(editor(), "FlatEdit4")->setText(QStringLiteral("Nowa"));
        child<TFlatSpeedButton>(editor(), "FlatSpeedButton8")->Click();
    }};
    child<TFlatSpeedButton>(main(), "FlatSpeedButton9")->Click();
    EXPECT_EQ(dir.read("baza/1-1-1.wps"), abacki);
    EXPECT_FALSE(dir.exists("baza/1-1-1.bmp"));
    EXPECT_EQ(dir.read("baza/2-2-2.wps"),
              crlf({T("nazwisko", "Bogdan Bak"), T("ulica", "Nowa"), T("zdjecie", "2-2-2.bmp")}));
    EXPECT_EQ(QImage(dir.file("baza/2-2-2.bmp")).pixel(50, 50), QColor(Qt::blue).rgb());
}

TEST_F(EntryCommandsTest, GroupsMarkedInTheGroupDialogAreSavedWithTheEntry)
{
    start();
    dialogs.scripts = {[this](QDialog&) {
                           child<TFlatSpeedButton>(editor(), "FlatSpeedButton10")->Click();
                           EXPECT_TRUE(editor().EditorModified());
                           child<TFlatSpeedButton>(editor(), "FlatSpeedButton8")->Click();
                       },
                       [](QDialog& d) {
                           auto& groups = static_cast<zarzadzanie_grupami::TForm5&>(d);
                           EXPECT_EQ(child<TFlatListBox>(groups, "FlatListBox1")->Items(),
                                     QStringList({"v    Praca", "v    &Rodzina"}));
                           child<TFlatListBox>(groups, "FlatListBox1")->SetSelected(0, true);
                           groups.FlatListBox1MouseUp();
                           child<TFlatEdit>(groups, "FlatEdit1")->setText(QStringLiteral("Sport"));
                           groups.FlatSpeedButton3Click();
                           child<TFlatSpeedButton>(groups, "FlatSpeedButton4")->Click();
                       }};
    child<TFlatSpeedButton>(main(), "FlatSpeedButton9")->Click();
    ASSERT_EQ(dialogs.shown.size(), 2);
    const QByteArray file = dir.read("baza/1-1-1.wps");
    EXPECT_FALSE(file.contains("Praca"));
    EXPECT_TRUE(file.contains(crlf({T("grupa", "Rodzina"), T("grupa", "Sport")})));
}

TEST_F(EntryCommandsTest, GroupRenamedInAnEditStaysTheEntrysGroupWhenItIsSaved)
{
    start();
    dialogs.scripts = {[this](QDialog&) {
                           child<TFlatSpeedButton>(editor(), "FlatSpeedButton10")->Click();
                           child<TFlatSpeedButton>(editor(), "FlatSpeedButton8")->Click();
                       },
                       renameFirstGroup("Firma", true)};
    child<TFlatSpeedButton>(main(), "FlatSpeedButton9")->Click();
    ASSERT_EQ(editor().result(), mrOk);
    const QByteArray file = dir.read("baza/1-1-1.wps");
    EXPECT_TRUE(file.contains(crlf({T("grupa", "Firma"), T("grupa", "Rodzina")}))) << file.constData();
    EXPECT_FALSE(file.contains("Praca"));
}

// The user picks "v    &Rodzina" with one click (which also swaps its mark), renames it and saves:
// the entry stays in the renamed group.
TEST_F(EntryCommandsTest, GroupPickedByAClickAndRenamedStaysTheEntrysGroupWhenItIsSaved)
{
    start();
    dialogs.scripts = {[this](QDialog&) {
                           child<TFlatSpeedButton>(editor(), "FlatSpeedButton10")->Click();
                           child<TFlatSpeedButton>(editor(), "FlatSpeedButton8")->Click();
                       },
                       [](QDialog& d) {
                           auto& groups = static_cast<zarzadzanie_grupami::TForm5&>(d);
                           child<TFlatListBox>(groups, "FlatListBox1")->SetSelected(1, true);
                           groups.FlatListBox1MouseUp();
                           EXPECT_EQ(child<TFlatListBox>(groups, "FlatListBox1")->Items().at(1), "     &Rodzina");
                           child<TFlatEdit>(groups, "FlatEdit1")->setText(QStringLiteral("Bliscy"));
                           groups.FlatSpeedButton5Click();
                           child<TFlatSpeedButton>(groups, "FlatSpeedButton4")->Click();
                       }};
    child<TFlatSpeedButton>(main(), "FlatSpeedButton9")->Click();
    ASSERT_EQ(editor().result(), mrOk);
    const QByteArray file = dir.read("baza/1-1-1.wps");
    EXPECT_TRUE(file.contains(crlf({T("grupa", "Praca"), T("grupa", "Bliscy")}))) << file.constData();
    EXPECT_FALSE(file.contains("Rodzina"));
}

TEST_F(EntryCommandsTest, GroupRenamedInAnEditLeftUnsavedStillRefreshesTheList)
{
    start();
    dialogs.scripts = {[this](QDialog&) {
                           child<TFlatSpeedButton>(editor(), "FlatSpeedButton10")->Click();
                           child<TFlatSpeedButton>(editor(), "FlatSpeedButton5")->Click();
                       },
                       renameFirstGroup("Firma", false)};
    prompter.answers = {Prompter::Answer::No}; // do not save the entry
    child<TFlatSpeedButton>(main(), "FlatSpeedButton9")->Click();
    EXPECT_EQ(editor().result(), mrCancel);
    EXPECT_TRUE(dir.read("baza/1-1-1.wps").contains(T("grupa", "Firma")));
    EXPECT_EQ(main().GroupMenu().groups(), QList<QByteArray>({"Firma", "&Rodzina"}));
    EXPECT_FALSE(editor().GroupsChanged());
    EXPECT_EQ(selectedPath(), dir.file("baza/1-1-1.wps"));
}

// A file written by another tool, in the order an edit writes: lone CRs inside values, a note that
// the memo shows as two lines, and bytes after a Ctrl-Z. Saving it unchanged, or renaming a group in
// the editor of another person, keeps every byte.
TEST_F(EntryCommandsTest, AnUnchangedEditOrAGroupRenameKeepsEveryByteOfAFileFromAnotherTool)
{
    const QByteArray stored =
        crlf({T("nazwisko", "Adam\rAbacki"), T("ulica", "Lone CR\rinside"), T("telefony", "600\r1"),
              T("grupa", "Praca\r"), T("imieniny", "24.12"), T("impreza", "01.05.2000-Maj\rowka"),
              T("mail", "a\rdam@example.org"), T("notatka", "a\rb"), T("nieznany", "x\ry")}) +
        "\x1a" T("grupa", "Dom") "\r\nstare dane";
    dir.write("baza/1-1-1.wps", stored);
    dir.write("baza/2-2-2.wps", crlf({T("nazwisko", "Bogdan Bak"), T("grupa", "Dom")}) + "\x1astare");
    start();
    ASSERT_EQ(selectedPath(), dir.file("baza/1-1-1.wps"));
    dialogs.scripts = {[this](QDialog&) { child<TFlatSpeedButton>(editor(), "FlatSpeedButton8")->Click(); }};
    child<TFlatSpeedButton>(main(), "FlatSpeedButton9")->Click();
    ASSERT_EQ(editor().result(), mrOk);
    EXPECT_EQ(dir.read("baza/1-1-1.wps"), stored);

    // The group "Dom" stands only after the Ctrl-Z of Abacki's file: renaming it in Bak's editor
    // leaves that file alone and keeps what follows Bak's own Ctrl-Z.
    child<TZuboComboBox>(main(), "ZuboComboBox1")->setCurrentIndex(1);
    main().ShowPerson(child<TZuboComboBox>(main(), "ZuboComboBox1")->itemText(1));
    ASSERT_EQ(shownStreet(), "");
    dialogs.scripts = {[this](QDialog&) {
                           child<TFlatSpeedButton>(editor(), "FlatSpeedButton10")->Click();
                           child<TFlatSpeedButton>(editor(), "FlatSpeedButton5")->Click();
                       },
                       [](QDialog& d) {
                           auto& groups = static_cast<zarzadzanie_grupami::TForm5&>(d);
                           const QStringList items = child<TFlatListBox>(groups, "FlatListBox1")->Items();
                           const auto dom = std::find_if(items.cbegin(), items.cend(),
                                                         [](const QString& item) { return item.endsWith("Dom"); });
                           ASSERT_NE(dom, items.cend());
                           child<TFlatListBox>(groups, "FlatListBox1")->SetSelected(int(dom - items.cbegin()), true);
                           child<TFlatEdit>(groups, "FlatEdit1")->setText(QStringLiteral("Firma"));
                           groups.FlatSpeedButton5Click();
                           child<TFlatSpeedButton>(groups, "FlatSpeedButton2")->Click();
                       }};
    prompter.answers = {Prompter::Answer::No}; // do not save the entry
    child<TFlatSpeedButton>(main(), "FlatSpeedButton9")->Click();
    EXPECT_EQ(dir.read("baza/2-2-2.wps"), crlf({T("nazwisko", "Bogdan Bak"), T("grupa", "Firma")}) + "\x1astare");
    EXPECT_EQ(dir.read("baza/1-1-1.wps"), stored);
}

TEST_F(EntryCommandsTest, EditOfAFileGoneMissingReportsItAndOpensNothing)
{
    FailingTextReader reader({});
    start({}, &reader);
    const QString path = dir.file("baza/1-1-1.wps");
    ASSERT_EQ(main().Shown().path, path);
    // The system's cause: a read error of a file still there, no such file.
    const struct {
        std::function<void()> damage;
        int code;
    } cases[] = {
        {[&] { reader.fail(path); }, 1},
        {[&] { QFile::remove(path); }, 2},
    };
    for (const auto& c : cases) {
        prompter.shown.clear();
        c.damage();
        child<TFlatSpeedButton>(main(), "FlatSpeedButton9")->Click();
        EXPECT_TRUE(dialogs.shown.isEmpty()) << c.code;
        ASSERT_EQ(prompter.shown.size(), 1) << c.code;
        EXPECT_TRUE(prompter.shown[0].question);
        EXPECT_EQ(prompter.shown[0].text,
                  QString::fromUtf8("Błąd pliku [id:") + path + " err: " + QString::number(c.code) + "]");
    }
}

// The occasion picked in the view fills the view's occasion fields; the editor's occasion to add
// takes only its year, and only while that person is shown.
TEST_F(EntryCommandsTest, EditStartsTheOccasionToAddWithTheYearPickedInTheView)
{
    start();
    QStringList seen;
    const auto edit = [&] {
        dialogs.scripts = {[&](QDialog&) {
            seen << child<TFlatEdit>(editor(), "FlatEdit3")->text() + "|" +
                        child<TFlatEdit>(editor(), "FlatEdit11")->text() + "|" +
                        QString::number(child<TZuboComboBox>(editor(), "ZuboComboBox6")->currentIndex());
            child<TFlatSpeedButton>(editor(), "FlatSpeedButton5")->Click();
        }};
        child<TFlatSpeedButton>(main(), "FlatSpeedButton9")->Click();
    };
    auto* occasions = child<TFlatListBox>(main(), "FlatListBox1");
    occasions->SetSelected(0, true);
    emit occasions->OnMouseUp(Qt::LeftButton, Qt::NoModifier, 5, 5);
    ASSERT_EQ(child<TFlatEdit>(main(), "FlatEdit3")->text(), "2000");
    edit();
    main().ShowPerson(dir.file("baza/2-2-2.wps"));
    main().ShowPerson(dir.file("baza/1-1-1.wps"));
    edit();
    EXPECT_EQ(seen, QStringList({"2000||-1", "||-1"}));
}

TEST_F(EntryCommandsTest, EditOfAReminderOffersNoGroups)
{
    const QString reminder = dir.write("baza/3-3-3.wpj", crlf({T("nazwisko", "Termin"), T("telefony", "9")}));
    start({reminder});
    ASSERT_EQ(selectedPath(), reminder);
    dialogs.scripts = {[this](QDialog&) {
        EXPECT_FALSE(child<TFlatSpeedButton>(editor(), "FlatSpeedButton10")->isEnabled());
        const QList<QAction*> items = child<QMenu>(editor(), "PopupMenu1")->actions();
        EXPECT_TRUE(items[0]->isChecked()) << "the one-off reminder item";
        EXPECT_FALSE(items[1]->isChecked());
        EXPECT_FALSE(items[0]->isEnabled());
        child<TFlatSpeedButton>(editor(), "FlatSpeedButton5")->Click();
    }};
    child<TFlatSpeedButton>(main(), "FlatSpeedButton9")->Click();
    EXPECT_EQ(dialogs.shown.size(), 1);
}

} // namespace
