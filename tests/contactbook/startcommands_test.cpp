#include "start.h"

#include "TFlatEditUnit.h"
#include "TFlatListBoxUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "ZuboComboBox.h"
#include "bitmaps.h"
#include "children.h"
#include "codec1250.h"
#include "fakes.h"
#include "phonereading.h"
#include "picture.h"
#include "programfixture.h"
#include "support.h"
#include "windowparts.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using start::StartSetup;
using start::TForm1;

// A program folder in a temporary folder with the doubles of every outside effect the commands
// reach: message boxes, links, the clipboard, sound, removable drives and the clock.
class CommandsTest : public ::testing::Test {
protected:
    QString write(const QString& name, std::initializer_list<const char*> lines)
    {
        return dir.write(name, crlf(lines));
    }

    std::unique_ptr<TForm1> startWith(const FileWriter* writer = nullptr, const FileRemover* remover = nullptr,
                                      const QStringList& arguments = {})
    {
        StartSetup s;
        s.programDir = dir.path();
        s.arguments = arguments;
        s.workingDir = dir.path();
        s.locale = QLocale(QLocale::Polish, QLocale::Poland);
        s.clock = &clock;
        s.writer = writer;
        s.remover = remover;
        return std::make_unique<TForm1>(s);
    }

    static QStringList favouriteItems(const TForm1& form)
    {
        QStringList items;
        for (const QAction* a : child<QMenu>(form, "PopupMenu6")->actions())
            items << a->text();
        return items;
    }

    static void choose(TForm1& form, int index)
    {
        child<TZuboComboBox>(form, "ZuboComboBox1")->setCurrentIndex(index);
        emit child<TZuboComboBox>(form, "ZuboComboBox1")->OnChange();
    }

    static void clickRow(TFlatListBox* list, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        if (row >= 0)
            list->SetSelected(row, true);
        emit list->OnMouseUp(button, Qt::NoModifier, 5, 5);
    }

    static void leftClick(QWidget* w)
    {
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(10, 10), w->mapToGlobal(QPointF(10, 10)),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &release);
    }

    // The first phone of the shown person on the panel, by a double click on its row.
    void showFirstPhone(TForm1& form)
    {
        form.show();
        clickRow(child<TFlatListBox>(form, "FlatListBox3"), 0);
        clock.advance(10);
        clickRow(child<TFlatListBox>(form, "FlatListBox3"), 0);
        ASSERT_TRUE(child<QLabel>(form, "Panel1")->isVisible());
    }

    QString shownText(int i) const { return prompter.shown.value(i).text; }

    TempDir dir;
    FixedClock clock{QDate(2026, 12, 8), 100000};
    FakePrompter prompter;
    RecordingLinkOpener links;
    RecordingClipboard clipboard;
    RecordingSoundPlayer sounds;
    FakeRemovableDrives drives;
};

TEST_F(CommandsTest, MailGoesToTheLastSelectedAddressAndCopyTakesTheFirst)
{
    write("baza/1.wps", {"<$@$>nazwisko</$@$>Anna", "<$@$>mail</$@$>a@x.pl", "<$@$>mail</$@$>b@y.pl?body=x"});
    const auto form = startWith();
    TFlatListBox* mails = child<TFlatListBox>(*form, "FlatListBox2");
    ASSERT_EQ(mails->Items().size(), 2);

    child<TFlatSpeedButton>(*form, "FlatSpeedButton1")->Click(); // nothing selected: nothing opened
    EXPECT_TRUE(links.opened.isEmpty());
    clickRow(mails, -1);
    EXPECT_FALSE(child<QAction>(*form, "Kopiuj1")->isEnabled());
    child<QAction>(*form, "Kopiuj1")->trigger();
    EXPECT_TRUE(clipboard.texts.isEmpty());

    mails->SetMultiSelect(true);
    clickRow(mails, 0);
    clickRow(mails, 1, Qt::RightButton);
    EXPECT_TRUE(child<QAction>(*form, "Kopiuj1")->isEnabled());
    child<TFlatSpeedButton>(*form, "FlatSpeedButton1")->Click();
    EXPECT_EQ(links.opened, QStringList({"mailto:b@y.pl%3Fbody%3Dx"}));
    child<QAction>(*form, "Kopiuj1")->trigger();
    EXPECT_EQ(clipboard.texts, QStringList({"a@x.pl"}));
    mails->SetSelected(0, false);
    mails->SetSelected(1, false);
    clickRow(mails, -1);
    EXPECT_FALSE(child<QAction>(*form, "Kopiuj1")->isEnabled());
}

TEST_F(CommandsTest, NipAndRegonFillTheirPanelWhichAClickOrAnotherPersonHides)
{
    write("baza/1.wps", {"<$@$>nazwisko</$@$>A Firma", "<$@$>NIP</$@$>123-456-78-90", "<$@$>regon</$@$>012345678"});
    write("baza/2.wps", {"<$@$>nazwisko</$@$>B Osoba"});
    const auto form = startWith();
    form->show();
    ASSERT_EQ(form->Shown().record.NIP, "123-456-78-90");
    child<TFlatSpeedButton>(*form, "FlatSpeedButton18")->Click();
    EXPECT_TRUE(child<QLabel>(*form, "Panel2")->isVisible());
    EXPECT_EQ(child<QLabel>(*form, "Panel2")->text(), "123-456-78-90");
    child<TFlatSpeedButton>(*form, "FlatSpeedButton19")->Click();
    EXPECT_EQ(child<QLabel>(*form, "Panel2")->text(), "012345678");
    child<QAction>(*form, "Kopiuj2")->trigger();
    EXPECT_EQ(clipboard.texts, QStringList({"012345678"}));
    leftClick(child<QLabel>(*form, "Panel2"));
    EXPECT_FALSE(child<QLabel>(*form, "Panel2")->isVisible());

    // Another person's view never shows this person's number.
    child<TFlatSpeedButton>(*form, "FlatSpeedButton18")->Click();
    ASSERT_TRUE(child<QLabel>(*form, "Panel2")->isVisible());
    choose(*form, 1);
    EXPECT_FALSE(child<QLabel>(*form, "Panel2")->isVisible());
}

TEST_F(CommandsTest, DeletingMovesAPersonToTheBinAndShowsTheFirstOfTheRefreshedList)
{
    write("baza/1.wps", {"<$@$>nazwisko</$@$>A Pierwsza", "<$@$>ulica</$@$>Pierwsza"});
    const QString second = write("baza/2.wps", {"<$@$>nazwisko</$@$>B Druga", "<$@$>zdjecie</$@$>2.bmp"});
    dir.write("baza/2.bmp", "photo");
    dir.write("baza/ulubione.sps", second.toUtf8() + "\r\n");
    const auto form = startWith();
    choose(*form, 1);

    child<TFlatSpeedButton>(*form, "FlatSpeedButton2")->Click(); // answered No
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(shownText(0), "Czy na pewno wykasować bieżącą osobę?: B Druga");
    EXPECT_EQ(prompter.shown[0].caption, "Zubo");
    EXPECT_TRUE(dir.exists("baza/2.wps"));

    prompter.answers = {Prompter::Answer::Yes};
    child<TFlatSpeedButton>(*form, "FlatSpeedButton2")->Click();
    EXPECT_FALSE(dir.exists("baza/2.wps"));
    EXPECT_TRUE(dir.exists("baza/2.wpb"));
    EXPECT_TRUE(dir.exists("baza/2.bmp")); // restored with the person
    EXPECT_EQ(listedNames(*form), QStringList({"A Pierwsza"}));
    EXPECT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox1")->currentIndex(), 0);
    EXPECT_EQ(child<TFlatEdit>(*form, "FlatEdit4")->text(), "Pierwsza");
    EXPECT_EQ(dir.read("baza/ulubione.sps"), second.toUtf8() + "\r\n"); // favourites are not touched
}

TEST_F(CommandsTest, DeletingBesideAnOlderBinEntryKeepsBothInTheBinOrReportsWhyNot)
{
    write("baza/1.wps", {"<$@$>nazwisko</$@$>A Nowa"});
    write("baza/1.wpb", {"<$@$>nazwisko</$@$>B Stara", "<$@$>zdjecie</$@$>1.bmp"});
    dir.write("baza/1.bmp", "photo");
    clock.setTime(QTime(9, 5, 7));
    const FailingFileWriter fullDisk(0);
    const auto failing = startWith(&fullDisk);
    prompter.answers = {Prompter::Answer::Yes};
    child<TFlatSpeedButton>(*failing, "FlatSpeedButton2")->Click();
    ASSERT_EQ(prompter.shown.size(), 2);
    EXPECT_TRUE(shownText(1).startsWith("Błąd pliku [id:" + dir.file("baza/1.wpb")));
    EXPECT_TRUE(dir.exists("baza/1.wps"));
    EXPECT_EQ(listedNames(*failing), QStringList({"A Nowa"}));

    const auto form = startWith();
    prompter.answers = {Prompter::Answer::Yes};
    child<TFlatSpeedButton>(*form, "FlatSpeedButton2")->Click();
    for (QAction* a : form->GroupFilterActions()) {
        if (a->text() == "Wykasowane")
            a->trigger();
    }
    EXPECT_EQ(listedNames(*form), QStringList({"A Nowa", "B Stara"}));
    EXPECT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox1")->Items(),
              QStringList({dir.file("baza/1.wpb"), dir.file("baza/2026128_957.wpb")}));
}

TEST_F(CommandsTest, DeletingTheLastEntryLeavesTheViewCleared)
{
    write("baza/1.wpj", {"<$@$>nazwisko</$@$>Rocznica", "<$@$>zdjecie</$@$>1.bmp", "<$@$>ulica</$@$>Polna"});
    QImage photo(10, 10, QImage::Format_RGB32);
    photo.fill(Qt::red);
    ASSERT_TRUE(photo.save(dir.file("baza/1.bmp")));
    const auto form = startWith();
    // One-off reminders are not listed at start; the filter lists them.
    for (QAction* a : form->GroupFilterActions()) {
        if (a->text() == "Jednorazowe przypomnienie")
            a->trigger();
    }
    ASSERT_EQ(listedNames(*form), QStringList({"Rocznica"}));
    ASSERT_TRUE(form->Shown().hasPhoto);
    prompter.answers = {Prompter::Answer::Yes};
    child<TFlatSpeedButton>(*form, "FlatSpeedButton2")->Click();
    EXPECT_FALSE(dir.exists("baza/1.wpj"));
    EXPECT_FALSE(dir.exists("baza/1.bmp"));
    EXPECT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox1")->count(), 0);
    EXPECT_EQ(child<TFlatEdit>(*form, "FlatEdit4")->text(), "");
    EXPECT_FALSE(form->Shown().hasPhoto);
    EXPECT_EQ(child<TImage>(*form, "Image1")->Picture(), bitmapResource(u"LOGO"));
}

TEST_F(CommandsTest, RestoringBringsTheBinEntryBackAndShowsIt)
{
    write("baza/1.wps", {"<$@$>nazwisko</$@$>A Obecna"});
    write("baza/2.wpb", {"<$@$>nazwisko</$@$>B Wykasowana", "<$@$>ulica</$@$>Kosz"});
    write("baza/3.wpb", {"<$@$>ulica</$@$>Bez nazwiska"});
    const auto form = startWith();
    for (QAction* a : form->GroupFilterActions()) {
        if (a->text() == "Wykasowane")
            a->trigger();
    }
    ASSERT_EQ(listedNames(*form), QStringList({"???", "A Obecna", "B Wykasowana"}));
    choose(*form, 0);
    child<TFlatSpeedButton>(*form, "FlatSpeedButton11")->Click(); // answered No
    EXPECT_EQ(shownText(0), "Czy przywrócić tę osobę?: ???");

    choose(*form, 2);
    EXPECT_FALSE(child<TFlatSpeedButton>(*form, "FlatSpeedButton11")->isHidden());
    prompter.answers = {Prompter::Answer::Yes};
    child<TFlatSpeedButton>(*form, "FlatSpeedButton11")->Click();
    EXPECT_TRUE(dir.exists("baza/2.wps"));
    EXPECT_FALSE(dir.exists("baza/2.wpb"));
    // The refreshed list has all persons again; the restored one is selected and shown.
    EXPECT_EQ(listedNames(*form), QStringList({"A Obecna", "B Wykasowana"}));
    EXPECT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox1")->currentIndex(), 1);
    EXPECT_EQ(child<TFlatEdit>(*form, "FlatEdit4")->text(), "Kosz");
    EXPECT_TRUE(child<TFlatSpeedButton>(*form, "FlatSpeedButton11")->isHidden());
    EXPECT_EQ(prompter.shown.size(), 2);
}

TEST_F(CommandsTest, RestoringOverAPersonOfTheSameNameKeepsBothAndAFailedRestoreIsReported)
{
    write("baza/1.wps", {"<$@$>nazwisko</$@$>A Nowa"});
    write("baza/1.wpb", {"<$@$>nazwisko</$@$>B Stara"});
    clock.setTime(QTime(9, 5, 7));
    const auto form = startWith();
    const auto restoreSelected = [&] {
        for (QAction* a : form->GroupFilterActions()) {
            if (a->text() == "Wykasowane" && !a->isChecked())
                a->trigger();
        }
        const int bin = int(child<TZuboComboBox>(*form, "ZuboComboBox1")->Items().indexOf(dir.file("baza/1.wpb")));
        ASSERT_GE(bin, 0);
        choose(*form, bin);
        prompter.answers = {Prompter::Answer::Yes};
        child<TFlatSpeedButton>(*form, "FlatSpeedButton11")->Click();
    };
    restoreSelected();
    EXPECT_EQ(dir.read("baza/1.wps"), crlf({"<$@$>nazwisko</$@$>B Stara"}));
    EXPECT_EQ(dir.read("baza/2026128_957.wps"), crlf({"<$@$>nazwisko</$@$>A Nowa"}));
    EXPECT_EQ(cp1250::toUnicode(form->Shown().record.nazwisko), "B Stara");

    // Deleted again and restored within the same second: the name to move aside to is taken.
    choose(*form, int(child<TZuboComboBox>(*form, "ZuboComboBox1")->Items().indexOf(dir.file("baza/1.wps"))));
    prompter.answers = {Prompter::Answer::Yes};
    child<TFlatSpeedButton>(*form, "FlatSpeedButton2")->Click();
    write("baza/1.wps", {"<$@$>nazwisko</$@$>C Najnowsza"});
    prompter.shown.clear();
    restoreSelected();
    ASSERT_EQ(prompter.shown.size(), 2);
    // The message names the person file that could not be moved aside.
    EXPECT_TRUE(shownText(1).startsWith("Błąd pliku [id:" + dir.file("baza/1.wps")));
    EXPECT_TRUE(dir.exists("baza/1.wpb"));
    EXPECT_EQ(dir.read("baza/1.wps"), crlf({"<$@$>nazwisko</$@$>C Najnowsza"}));
    // The person that kept the name is not shown as if it were the restored one: the bin entry is.
    EXPECT_EQ(cp1250::toUnicode(form->Shown().record.nazwisko), "B Stara");
    EXPECT_FALSE(child<TFlatSpeedButton>(*form, "FlatSpeedButton11")->isHidden());
}

// A favourite outside the list is shown while the chooser still selects another person: "K" and "P"
// act on the entry shown and name it in their question.
TEST_F(CommandsTest, DeleteAndRestoreActOnTheShownEntryNotTheChoosersSelection)
{
    write("baza/1.wps", {"<$@$>nazwisko</$@$>A Pierwsza", "<$@$>ulica</$@$>a"});
    write("baza/2.wps", {"<$@$>nazwisko</$@$>B Druga", "<$@$>ulica</$@$>b"});
    const QString reminder = write("baza/3.wpj", {"<$@$>nazwisko</$@$>C Jednorazowa", "<$@$>ulica</$@$>c"});
    const QString binned = write("baza/4.wpb", {"<$@$>nazwisko</$@$>D Wykasowana", "<$@$>ulica</$@$>d"});
    dir.write("baza/ulubione.sps", (reminder + "\r\n" + binned + "\r\n").toUtf8());
    const auto form = startWith();
    choose(*form, 1);

    child<QMenu>(*form, "PopupMenu6")->actions()[0]->trigger();
    ASSERT_EQ(child<TFlatEdit>(*form, "FlatEdit4")->text(), "c");
    ASSERT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox1")->currentIndex(), 1);
    prompter.answers = {Prompter::Answer::Yes};
    child<TFlatSpeedButton>(*form, "FlatSpeedButton2")->Click();
    EXPECT_EQ(shownText(0), "Czy na pewno wykasować bieżącą osobę?: C Jednorazowa");
    EXPECT_FALSE(dir.exists("baza/3.wpj"));
    EXPECT_TRUE(dir.exists("baza/2.wps"));
    EXPECT_EQ(listedNames(*form), QStringList({"A Pierwsza", "B Druga"}));
    EXPECT_EQ(child<TFlatEdit>(*form, "FlatEdit4")->text(), "a");

    choose(*form, 1);
    child<QMenu>(*form, "PopupMenu6")->actions()[1]->trigger();
    ASSERT_EQ(child<TFlatEdit>(*form, "FlatEdit4")->text(), "d");
    ASSERT_FALSE(child<TFlatSpeedButton>(*form, "FlatSpeedButton11")->isHidden());
    prompter.answers = {Prompter::Answer::Yes};
    child<TFlatSpeedButton>(*form, "FlatSpeedButton11")->Click();
    EXPECT_EQ(shownText(1), "Czy przywrócić tę osobę?: D Wykasowana");
    EXPECT_TRUE(dir.exists("baza/4.wps"));
    EXPECT_FALSE(dir.exists("baza/4.wpb"));
    EXPECT_TRUE(dir.exists("baza/2.wps"));
    EXPECT_EQ(listedNames(*form), QStringList({"A Pierwsza", "B Druga", "D Wykasowana"}));
    EXPECT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox1")->currentIndex(), 2);
    EXPECT_EQ(child<TFlatEdit>(*form, "FlatEdit4")->text(), "d");

    // With nothing shown neither asks nor touches a file, whatever the chooser selects.
    form->ClearPersonView();
    ASSERT_GE(child<TZuboComboBox>(*form, "ZuboComboBox1")->currentIndex(), 0);
    child<TFlatSpeedButton>(*form, "FlatSpeedButton2")->Click();
    child<TFlatSpeedButton>(*form, "FlatSpeedButton11")->Click();
    EXPECT_EQ(prompter.shown.size(), 2);
    EXPECT_EQ(listedNames(*form), QStringList({"A Pierwsza", "B Druga", "D Wykasowana"}));
}

// A favourite or the command line may name an entry outside the data folders, also through a link
// in a data folder that leads out of them. It is shown, but "K" and "P" say why they cannot act on
// it, before any question, and change nothing: not the entry, not its photo.
TEST_F(CommandsTest, DeleteAndRestoreRefuseAnEntryOutsideTheDataFolders)
{
    write("baza/1.wps", {"<$@$>nazwisko</$@$>A Pierwsza", "<$@$>ulica</$@$>a"});
    const QString notes =
        write("obce/notes.wpj", {"<$@$>nazwisko</$@$>Obce", "<$@$>zdjecie</$@$>notes.bmp", "<$@$>ulica</$@$>n"});
    dir.write("obce/notes.bmp", "photo");
    const QString keep = write("obce/keep.wps", {"<$@$>nazwisko</$@$>Obca", "<$@$>ulica</$@$>k"});
    const QString binned = write("obce/old.wpb", {"<$@$>nazwisko</$@$>Stara", "<$@$>ulica</$@$>o"});
    ASSERT_TRUE(QFile::link(dir.file("obce"), dir.file("baza/obce")));
    const QString throughLink = dir.file("baza/obce/keep.wps");
    // ".." after a folder link leads up from where the link leads: to the outside notes.wpj.
    dir.mkdir("obce/sub");
    ASSERT_TRUE(QFile::link(dir.file("obce/sub"), dir.file("baza/podfolder")));
    const QString upFromLink = dir.file("baza/podfolder/../notes.wpj");
    dir.write("baza/ulubione.sps",
              (notes + "\r\n" + binned + "\r\n" + throughLink + "\r\n" + upFromLink + "\r\n").toUtf8());
    const QStringList outside = {"obce/notes.wpj", "obce/notes.bmp", "obce/keep.wps", "obce/old.wpb"};
    QMap<QString, QByteArray> before;
    for (const QString& name : outside)
        before[name] = dir.read(name);

    const auto form = startWith(nullptr, nullptr, {keep});
    ASSERT_EQ(form->Shown().path, keep);
    ASSERT_EQ(child<TFlatEdit>(*form, "FlatEdit4")->text(), "k");
    const auto refused = [&](const QString& path, const char* button) {
        prompter.shown.clear();
        prompter.answers = {Prompter::Answer::Yes};
        child<TFlatSpeedButton>(*form, button)->Click();
        ASSERT_EQ(prompter.shown.size(), 1) << path.toStdString();
        EXPECT_FALSE(prompter.shown[0].question);
        EXPECT_EQ(shownText(0), QString::fromUtf8("Ten wpis leży poza używanymi bazami danych, nie można go "
                                                  "wykasować ani przywrócić: ") +
                                    path);
        EXPECT_EQ(form->Shown().path, path);
    };
    refused(keep, "FlatSpeedButton2");
    for (const auto& [favourite, path] : {std::pair{0, notes}, {1, binned}, {2, throughLink}, {3, upFromLink}}) {
        child<QMenu>(*form, "PopupMenu6")->actions()[favourite]->trigger();
        ASSERT_EQ(form->Shown().path, path);
        refused(path, "FlatSpeedButton2");
    }
    child<QMenu>(*form, "PopupMenu6")->actions()[1]->trigger();
    refused(binned, "FlatSpeedButton11");
    for (const QString& name : outside)
        EXPECT_EQ(dir.read(name), before[name]) << name.toStdString();
    EXPECT_EQ(QDir(dir.file("obce")).entryList(QDir::Files, QDir::Name),
              QStringList({"keep.wps", "notes.bmp", "notes.wpj", "old.wpb"}));
}

TEST_F(CommandsTest, FavouritesAreAddedRemovedAndShown)
{
    const QString a = write("baza/1.wps", {"<$@$>nazwisko</$@$>A Pierwsza", "<$@$>ulica</$@$>a"});
    const QString b = write("baza/2.wps", {"<$@$>nazwisko</$@$>B Druga", "<$@$>ulica</$@$>b"});
    const auto form = startWith();
    choose(*form, 1);
    child<TFlatSpeedButton>(*form, "FlatSpeedButton22")->Click();
    child<TFlatSpeedButton>(*form, "FlatSpeedButton22")->Click();
    choose(*form, 0);
    child<TFlatSpeedButton>(*form, "FlatSpeedButton22")->Click();
    EXPECT_EQ(dir.read("baza/ulubione.sps"), (b + "\r\n" + b + "\r\n" + a + "\r\n").toUtf8());
    EXPECT_EQ(favouriteItems(*form), QStringList({"B Druga", "B Druga", "A Pierwsza"}));
    ASSERT_EQ(prompter.shown.size(), 3);
    EXPECT_EQ(prompter.shown[0].box, FakePrompter::Box::Notice);
    EXPECT_EQ(shownText(0), "Osoba została dodana do listy podręcznej");

    // Choosing one selects and shows its person.
    child<QMenu>(*form, "PopupMenu6")->actions()[1]->trigger();
    EXPECT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox1")->currentIndex(), 1);
    EXPECT_EQ(child<TFlatEdit>(*form, "FlatEdit4")->text(), "b");

    // Removing takes out the first of the two, after the question.
    child<TFlatSpeedButton>(*form, "FlatSpeedButton24")->Click(); // answered No
    EXPECT_EQ(form->Favourites().size(), 3);
    EXPECT_EQ(shownText(3), "Czy na pewno wykasować aktualnie wybraną osobę z listy podręcznej");
    prompter.answers = {Prompter::Answer::Yes, Prompter::Answer::Yes, Prompter::Answer::Yes};
    child<TFlatSpeedButton>(*form, "FlatSpeedButton24")->Click();
    EXPECT_EQ(dir.read("baza/ulubione.sps"), (b + "\r\n" + a + "\r\n").toUtf8());
    EXPECT_EQ(favouriteItems(*form), QStringList({"B Druga", "A Pierwsza"}));
    child<TFlatSpeedButton>(*form, "FlatSpeedButton24")->Click();
    choose(*form, 0);
    child<TFlatSpeedButton>(*form, "FlatSpeedButton24")->Click();
    EXPECT_TRUE(form->Favourites().isEmpty());
    EXPECT_TRUE(favouriteItems(*form).isEmpty());
    EXPECT_TRUE(dir.exists("baza/ulubione.sps"));
    EXPECT_EQ(dir.read("baza/ulubione.sps"), "");

    // A person that is no favourite: nothing asked, nothing changed.
    const qsizetype asked = prompter.shown.size();
    child<TFlatSpeedButton>(*form, "FlatSpeedButton24")->Click();
    EXPECT_EQ(prompter.shown.size(), asked);
}

TEST_F(CommandsTest, FavouritesSavedOnTheOldSystemNameTheirPersonsAndCanBeRemoved)
{
    write("opcje.ini", {"[opcje]", ("baza_2=" + dir.file("druga").toStdString()).c_str()});
    const QString a = write("baza/1-2-3.wps", {"<$@$>nazwisko</$@$>A Pierwsza"});
    write("druga/4-5-6.wps", {"<$@$>nazwisko</$@$>B Druga"});
    dir.write("baza/ulubione.sps", crlf({"C:\\Program Files\\Zubo\\baza\\1-2-3.wps", "D:\\Moje\\4-5-6.wps"}));
    const auto form = startWith();
    EXPECT_EQ(favouriteItems(*form), QStringList({"A Pierwsza", "B Druga"}));

    child<QMenu>(*form, "PopupMenu6")->actions()[1]->trigger();
    ASSERT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox1")->currentIndex(), 1);
    prompter.answers = {Prompter::Answer::Yes};
    child<TFlatSpeedButton>(*form, "FlatSpeedButton24")->Click();
    EXPECT_EQ(favouriteItems(*form), QStringList({"A Pierwsza"}));
    // The file is written again with the paths of this system.
    EXPECT_EQ(dir.read("baza/ulubione.sps"), (a + "\r\n").toUtf8());
}

// The old system's names ignore case: a stored name that differs from its file only in case still
// names that person.
TEST_F(CommandsTest, AFavouriteOfTheOldSystemFindsItsFileWhateverTheCase)
{
    const QString file = write("baza/ab.wps", {"<$@$>nazwisko</$@$>A Pierwsza", "<$@$>ulica</$@$>a"});
    write("baza/cd.wps", {"<$@$>nazwisko</$@$>B Druga", "<$@$>ulica</$@$>b"});
    dir.write("baza/ulubione.sps", crlf({"C:\\ZUBO\\BAZA\\AB.WPS"}));
    const auto form = startWith();
    EXPECT_EQ(favouriteItems(*form), QStringList({"A Pierwsza"}));
    choose(*form, 1);
    child<QMenu>(*form, "PopupMenu6")->actions()[0]->trigger();
    EXPECT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox1")->currentIndex(), 0);
    EXPECT_EQ(child<TFlatEdit>(*form, "FlatEdit4")->text(), "a");
    prompter.answers = {Prompter::Answer::Yes};
    child<TFlatSpeedButton>(*form, "FlatSpeedButton24")->Click();
    EXPECT_TRUE(form->Favourites().isEmpty());
    EXPECT_EQ(dir.read("baza/ulubione.sps"), "");
    EXPECT_EQ(dir.read("baza/ab.wps"), crlf({"<$@$>nazwisko</$@$>A Pierwsza", "<$@$>ulica</$@$>a"}));
    EXPECT_EQ(form->Shown().path, file);
}

// "#>" removes the favourite just picked from "#", also one the chooser never holds (its file sent to
// the bin, or an entry that is not listed); once another entry is shown it acts on the chooser's
// selection again.
TEST_F(CommandsTest, AFavouritePickedAndStillShownIsRemovedEvenWhenNotListed)
{
    const QString a = write("baza/1.wps", {"<$@$>nazwisko</$@$>A Pierwsza", "<$@$>ulica</$@$>a"});
    write("baza/2.wps", {"<$@$>nazwisko</$@$>B Druga", "<$@$>ulica</$@$>b"});
    const QString reminder = write("baza/3.wpj", {"<$@$>nazwisko</$@$>C Jednorazowa", "<$@$>ulica</$@$>c"});
    write("baza/9.wpb", {"<$@$>nazwisko</$@$>D Wykasowana"});
    const QString binned = dir.file("baza/9.wps");
    dir.write("baza/ulubione.sps", (binned + "\r\n" + reminder + "\r\n" + a + "\r\n").toUtf8());
    const auto form = startWith();
    ASSERT_EQ(favouriteItems(*form), QStringList({"", "", "A Pierwsza"}));
    choose(*form, 1);

    child<QMenu>(*form, "PopupMenu6")->actions()[1]->trigger();
    ASSERT_EQ(child<TFlatEdit>(*form, "FlatEdit4")->text(), "c");
    child<TFlatSpeedButton>(*form, "FlatSpeedButton24")->Click(); // answered No
    EXPECT_EQ(form->Favourites().size(), 3);
    EXPECT_EQ(shownText(0), "Czy na pewno wykasować aktualnie wybraną osobę z listy podręcznej");
    prompter.answers = {Prompter::Answer::Yes};
    child<TFlatSpeedButton>(*form, "FlatSpeedButton24")->Click();
    EXPECT_EQ(dir.read("baza/ulubione.sps"), (binned + "\r\n" + a + "\r\n").toUtf8());
    EXPECT_EQ(favouriteItems(*form), QStringList({"", "A Pierwsza"}));
    EXPECT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox1")->currentIndex(), 1);
    EXPECT_TRUE(dir.exists("baza/3.wpj"));

    // Its file is gone: nothing new is shown, but it was the last pick.
    child<QMenu>(*form, "PopupMenu6")->actions()[0]->trigger();
    EXPECT_EQ(child<TFlatEdit>(*form, "FlatEdit4")->text(), "c");
    prompter.answers = {Prompter::Answer::Yes};
    child<TFlatSpeedButton>(*form, "FlatSpeedButton24")->Click();
    EXPECT_EQ(dir.read("baza/ulubione.sps"), (a + "\r\n").toUtf8());
    EXPECT_EQ(favouriteItems(*form), QStringList({"A Pierwsza"}));

    // Picked, then another person shown: the chooser's selection counts, and it is no favourite.
    child<QMenu>(*form, "PopupMenu6")->actions()[0]->trigger();
    ASSERT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox1")->currentIndex(), 0);
    choose(*form, 1);
    const qsizetype asked = prompter.shown.size();
    child<TFlatSpeedButton>(*form, "FlatSpeedButton24")->Click();
    EXPECT_EQ(prompter.shown.size(), asked);
    EXPECT_EQ(dir.read("baza/ulubione.sps"), (a + "\r\n").toUtf8());
}

TEST_F(CommandsTest, AFavouriteOutsideTheListIsShownWithoutChangingTheChoice)
{
    write("baza/1.wps", {"<$@$>nazwisko</$@$>A Pierwsza", "<$@$>ulica</$@$>a"});
    write("baza/2.wps", {"<$@$>nazwisko</$@$>B Druga", "<$@$>ulica</$@$>b"});
    const QString reminder = write("baza/3.wpj", {"<$@$>nazwisko</$@$>C Jednorazowa", "<$@$>ulica</$@$>c"});
    dir.write("baza/ulubione.sps", (reminder + "\r\n").toUtf8());
    const auto form = startWith();
    ASSERT_EQ(favouriteItems(*form), QStringList({""})); // not listed at start: no name
    choose(*form, 1);
    child<QMenu>(*form, "PopupMenu6")->actions()[0]->trigger();
    EXPECT_EQ(child<TZuboComboBox>(*form, "ZuboComboBox1")->currentIndex(), 1);
    EXPECT_EQ(child<TFlatEdit>(*form, "FlatEdit4")->text(), "c");
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(CommandsTest, AFavouritesFileThatCannotBeWrittenIsReportedAndTheListKeepsToIt)
{
    const QString a = write("baza/1.wps", {"<$@$>nazwisko</$@$>A Pierwsza"});
    const QString b = write("baza/2.wps", {"<$@$>nazwisko</$@$>B Druga"});
    const QByteArray file = (a + "\r\n" + b + "\r\n").toUtf8();
    dir.write("baza/ulubione.sps", file);
    const FailingFileWriter full(0);
    const auto form = startWith(&full);
    choose(*form, 0);
    child<TFlatSpeedButton>(*form, "FlatSpeedButton22")->Click();
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].box, FakePrompter::Box::Error);
    EXPECT_EQ(shownText(0), "Program musi znajdować się na dysku twardym i mieć możliwość zapisywania nań, a w "
                            "tej chwili nie może.");
    EXPECT_EQ(form->Favourites().size(), 2);

    prompter.answers = {Prompter::Answer::Yes};
    child<TFlatSpeedButton>(*form, "FlatSpeedButton24")->Click();
    ASSERT_EQ(prompter.shown.size(), 3);
    EXPECT_EQ(shownText(2), shownText(0));
    // Still a favourite in the menu as in the file, so it does not come back unexpectedly at the
    // next start.
    EXPECT_EQ(favouriteItems(*form), QStringList({"A Pierwsza", "B Druga"}));
    EXPECT_EQ(dir.read("baza/ulubione.sps"), file);
}

TEST_F(CommandsTest, TheFavouritesButtonsStandAboveTheChooserAndRemoveKeepsItsOwnColours)
{
    write("opcje.ini", {"[kolory]", "guziki_tlo=clRed", "guziki_podswietlenie=clLime"});
    const auto form = startWith();
    for (int number : {22, 23, 24}) {
        const TFlatSpeedButton* b =
            child<TFlatSpeedButton>(*form, QStringLiteral("FlatSpeedButton%1").arg(std::size_t(number)));
        EXPECT_LT(b->geometry().bottom(), child<TZuboComboBox>(*form, "ZuboComboBox1")->y()) << number;
        EXPECT_GE(b->x(), child<TZuboComboBox>(*form, "ZuboComboBox1")->x()) << number;
    }
    EXPECT_EQ(child<TFlatSpeedButton>(*form, "FlatSpeedButton22")->Caption(), ">#");
    EXPECT_EQ(child<TFlatSpeedButton>(*form, "FlatSpeedButton23")->Color(), 0x0000FFu);
    EXPECT_EQ(child<TFlatSpeedButton>(*form, "FlatSpeedButton20")->Color(), 0x0000FFu);
    EXPECT_EQ(child<TFlatSpeedButton>(*form, "FlatSpeedButton24")->Color(), clMedGray);
    EXPECT_EQ(child<TFlatSpeedButton>(*form, "FlatSpeedButton24")->ColorFocused(), 0x0080FFu);
}

TEST_F(CommandsTest, ASecondReleaseOnThePhoneListWithin700MsShowsTheNumber)
{
    write("baza/1.wps", {"<$@$>nazwisko</$@$>A", "<$@$>telefony</$@$>22 123 45 67", "<$@$>telefony</$@$>600 700"});
    write("baza/2.wps", {"<$@$>nazwisko</$@$>B"});
    const auto form = startWith();
    form->show();
    TFlatListBox* phones = child<TFlatListBox>(*form, "FlatListBox3");
    struct Click {
        int row;
        std::int64_t after; // ms after the previous click
        const char* panel;  // nullptr: hidden
    };
    const Click clicks[] = {
        {0, 0, nullptr}, {0, 700, nullptr}, {0, 699, "22 123 45 67"}, {1, 300, "600 700"}, {0, 5000, "600 700"},
    };
    for (const Click& c : clicks) {
        clock.advance(c.after);
        clickRow(phones, c.row);
        EXPECT_EQ(child<QLabel>(*form, "Panel1")->isVisible(), c.panel != nullptr) << c.after;
        if (c.panel) {
            EXPECT_EQ(child<QLabel>(*form, "Panel1")->text(), c.panel);
        }
    }
    child<QAction>(*form, "Kopiuj3")->trigger();
    EXPECT_EQ(clipboard.texts, QStringList({"600 700"}));
    leftClick(child<QLabel>(*form, "Panel1"));
    EXPECT_FALSE(child<QLabel>(*form, "Panel1")->isVisible());

    clock.advance(100);
    clickRow(phones, 0);
    ASSERT_TRUE(child<QLabel>(*form, "Panel1")->isVisible());
    choose(*form, 1); // another person hides it
    EXPECT_FALSE(child<QLabel>(*form, "Panel1")->isVisible());
}

TEST_F(CommandsTest, ReadAloudPlaysTheDigitsOfThePanelAndIgnoresACommandWhileReading)
{
    write("baza/1.wps", {"<$@$>nazwisko</$@$>A", "<$@$>telefony</$@$>+48 (22) 1-0"});
    const auto form = startWith();
    showFirstPhone(*form);

    sounds.holdSounds(true);
    child<QAction>(*form, "Czytaj1")->trigger();
    ASSERT_TRUE(sounds.waitForSounds(1));
    EXPECT_EQ(form->PhoneReader().lastDelayMs(), 0);
    EXPECT_FALSE(form->ReaderIdle());
    child<QAction>(*form, "Czytaj1")->trigger(); // ignored
    sounds.holdSounds(false);
    form->PhoneReader().waitUntilIdle();
    const QString wav = dir.file("wav/");
    EXPECT_EQ(sounds.played(),
              QStringList({wav + "4.wav", wav + "8.wav", wav + "2.wav", wav + "2.wav", wav + "1.wav", wav + "0.wav"}));
    EXPECT_TRUE(form->ReaderIdle());
}

// With no player or no sound device a reading says so once, whatever the number of digits.
TEST_F(CommandsTest, AReadingWithoutPlayerOrDeviceIsToldOnce)
{
    write("baza/1.wps", {"<$@$>nazwisko</$@$>A", "<$@$>telefony</$@$>123 456"});
    const auto form = startWith();
    showFirstPhone(*form);
    const struct {
        SoundPlayer::Outcome outcome;
        MissingTool tool;
    } cases[] = {
        {SoundPlayer::Outcome::NoPlayer, MissingTool::SoundPlayer},
        {SoundPlayer::Outcome::NoDevice, MissingTool::SoundDevice},
    };
    for (const auto& c : cases) {
        prompter.shown.clear();
        sounds.outcome = c.outcome;
        child<QAction>(*form, "Czytaj1")->trigger();
        form->PhoneReader().waitUntilIdle();
        QCoreApplication::processEvents();
        ASSERT_EQ(prompter.shown.size(), 1);
        EXPECT_EQ(shownText(0), missingToolText(c.tool));
        EXPECT_EQ(prompter.shown[0].caption, "Zubo");
    }
}

TEST_F(CommandsTest, TheDelayedReadingsWaitAndAClickOnThePanelEndsThemSilently)
{
    write("baza/1.wps", {"<$@$>nazwisko</$@$>A", "<$@$>telefony</$@$>123"});
    const auto form = startWith();
    form->show();
    const struct {
        QAction* command;
        int delayMs;
    } commands[] = {{child<QAction>(*form, "Czytajza3sekundy1"), 3000},
                    {child<QAction>(*form, "Czytajza5sekund1"), 5000},
                    {child<QAction>(*form, "Czytajza10sekund1"), 10000}};
    for (const auto& [command, delayMs] : commands) {
        SCOPED_TRACE(command->text().toStdString());
        clock.advance(1000);
        clickRow(child<TFlatListBox>(*form, "FlatListBox3"), 0);
        clock.advance(10);
        clickRow(child<TFlatListBox>(*form, "FlatListBox3"), 0);
        ASSERT_TRUE(child<QLabel>(*form, "Panel1")->isVisible());
        command->trigger();
        EXPECT_EQ(form->PhoneReader().lastDelayMs(), delayMs);
        EXPECT_FALSE(sounds.waitForSounds(1, 200)); // still waiting
        EXPECT_FALSE(form->ReaderIdle());
        leftClick(child<QLabel>(*form, "Panel1"));
        form->PhoneReader().waitUntilIdle();
        EXPECT_TRUE(sounds.played().isEmpty());
    }
}

TEST_F(CommandsTest, TheTimerRunsTheButtonWaveWhichEndsInTheSchemesFaceColour)
{
    write("baza/1.wps", {"<$@$>nazwisko</$@$>A"});
    const auto form = startWith();
    EXPECT_TRUE(child<QTimer>(*form, "Timer1")->isActive());
    EXPECT_EQ(child<QTimer>(*form, "Timer1")->interval(), 5000);
    EXPECT_TRUE(form->AnimationDone());

    // The scheme changed since the start: the wave ends in the new face colour.
    form->State().colors.guziki_tlo = 0x00FF00;
    form->Timer1Timer();
    EXPECT_EQ(child<QTimer>(*form, "Timer1")->interval(), 60000);
    EXPECT_FALSE(form->AnimationDone());
    EXPECT_EQ(child<TFlatSpeedButton>(*form, "FlatSpeedButton4")->Color(), 0x99FFF9u); // the head on "N"
    QElapsedTimer timer;
    timer.start();
    while (!form->AnimationDone() && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(form->AnimationDone());
    EXPECT_GE(timer.elapsed(), 1250);
    for (int number : {4, 2, 9, 3, 1, 10, 6, 5})
        EXPECT_EQ(child<TFlatSpeedButton>(*form, QStringLiteral("FlatSpeedButton%1").arg(std::size_t(number)))->Color(),
                  0x00FF00u)
            << number;
    EXPECT_EQ(child<TFlatSpeedButton>(*form, "FlatSpeedButton7")->Color(), clMedGray); // not in the wave
}

TEST_F(CommandsTest, ClosingDuringAWaveOrAReadingDoesNotWait)
{
    write("baza/1.wps", {"<$@$>nazwisko</$@$>A", "<$@$>telefony</$@$>123"});
    auto form = startWith();
    form->show();
    clickRow(child<TFlatListBox>(*form, "FlatListBox3"), 0);
    clickRow(child<TFlatListBox>(*form, "FlatListBox3"), 0);
    sounds.holdSounds(true);
    child<QAction>(*form, "Czytaj1")->trigger();
    ASSERT_TRUE(sounds.waitForSounds(1));
    form->Timer1Timer();
    QElapsedTimer timer;
    timer.start();
    form.reset();
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(sounds.played().size(), 1); // the reading ended with the window
}

TEST_F(CommandsTest, TheBackupCopyAsksFirstAndReportsWhenNoMediumTakesIt)
{
    write("baza/1.wps", {"<$@$>nazwisko</$@$>A"});
    write("baza/1.bmp", {"photo"});
    const auto form = startWith();
    drives.roots = {{u'a', dir.mkdir("media/a")}};

    child<TFlatSpeedButton>(*form, "FlatSpeedButton20")->Click(); // cancelled
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].box, FakePrompter::Box::OkCancel);
    EXPECT_EQ(shownText(0), "Nastąpi kopiowanie danych na dyskietkę, proszę włożyć czystą dyskietk do stacji i "
                            "nacisnąć OK\rUWAGA! Zdjęcia przypisane osobom nie zostaną zarchiwizowane.");
    EXPECT_FALSE(dir.exists("media/a/baza"));

    prompter.answers = {Prompter::Answer::Yes};
    child<TFlatSpeedButton>(*form, "FlatSpeedButton20")->Click();
    EXPECT_EQ(prompter.shown.size(), 2); // nothing more to say
    EXPECT_EQ(QDir(dir.file("media/a/baza")).entryList(QDir::Files), QStringList({"1.wps"}));

    drives.roots.clear();
    prompter.answers = {Prompter::Answer::Yes};
    child<TFlatSpeedButton>(*form, "FlatSpeedButton20")->Click();
    ASSERT_EQ(prompter.shown.size(), 4);
    EXPECT_EQ(prompter.shown[3].box, FakePrompter::Box::Error);
    EXPECT_EQ(shownText(3), "Nie znaleziono dyskietki lub dyskietka jest pełna albo zabezpieczona przed zapisem.");
}

TEST_F(CommandsTest, ABackupThatCouldNotCopyEveryFileIsReported)
{
    write("baza/1.wps", {"<$@$>nazwisko</$@$>A"});
    const FailingFileWriter full(0);
    const auto form = startWith(&full);
    drives.roots = {{u'a', dir.mkdir("media/a")}};
    prompter.answers = {Prompter::Answer::Yes};
    child<TFlatSpeedButton>(*form, "FlatSpeedButton20")->Click();
    ASSERT_EQ(prompter.shown.size(), 2);
    EXPECT_EQ(shownText(1), "Nie znaleziono dyskietki lub dyskietka jest pełna albo zabezpieczona przed zapisem.");
}

} // namespace
