#include "dodaj_nowy.h"

#include "TFlatCheckBoxUnit.h"
#include "TFlatEditUnit.h"
#include "TFlatListBoxUnit.h"
#include "TFlatMemoUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "ZuboComboBox.h"
#include "children.h"
#include "codec1250.h"
#include "dane_biznesowe.h"
#include "fakes.h"
#include "flattest.h"
#include "picture.h"
#include "shape.h"
#include "start.h"
#include "support.h"
#include "texttargets.h"
#include "zdjecia.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace {

using dodaj_nowy::EditorServices;
using dodaj_nowy::TForm3;
using start::TForm1;

#define T(key, value) "<$@$>" key "</$@$>" value

const char kYearMessage[] = "Nieprawidłowy format roku: ";

// A program folder with a person in a group, the main window started in it and its editor.
class EditorTest : public FlatTest {
protected:
    EditorTest()
    {
        dir.write("baza/9-9-9.wps", crlf({T("nazwisko", "Inny"), T("grupa", "&Rodzina"), T("grupa", "Praca")}));
    }

    // The editor with its crop window and business data dialog.
    void start(const FileWriter& writer = FileWriter::standard())
    {
        editor.reset();
        businessDialog.reset();
        cropWindow.reset();
        start::StartSetup setup;
        setup.programDir = dir.path();
        setup.workingDir = dir.path();
        setup.writer = &writer;
        main = std::make_unique<TForm1>(setup);
        cropWindow = std::make_unique<zdjecia::TForm4>(main->State());
        businessDialog = std::make_unique<dane_biznesowe::TForm14>(main->State().colors);
        const dodaj_nowy::EditorDialogs dialogs{.cropWindow = cropWindow.get(), .businessData = businessDialog.get()};
        editor = std::make_unique<TForm3>(main->State(), main->GroupMenu(), dialogs,
                                          EditorServices{&random, nullptr, &clock});
    }

    // The editor as the edit command leaves it for the file at `path`, shown without blocking.
    void openEdit(const QString& path)
    {
        if (!editor)
            start();
        main->ShowPerson(path);
        editor->PrepareEdit(main->Shown(), main->ShownPhoto(), main->GroupMenu());
        editor->open();
    }

    // The user's part in the business data dialog: the numbers typed, then "Z".
    void typeBusinessData(const char* nip, const char* regon)
    {
        ScriptedDialogRunner dialogs;
        dialogs.scripts = {[&](QDialog&) {
            child<TFlatEdit>(*businessDialog, "FlatEdit1")->setText(QString::fromUtf8(nip));
            child<TFlatEdit>(*businessDialog, "FlatEdit2")->setText(QString::fromUtf8(regon));
            child<TFlatSpeedButton>(*businessDialog, "FlatSpeedButton2")->Click();
        }};
        child<QToolButton>(*editor, "SpeedButton2")->click();
    }

    // The editor as the new-entry command leaves it, shown without blocking.
    void openNew(const char* type = "osoba")
    {
        if (!editor)
            start();
        editor->PrepareNewEntry(main->GroupMenu());
        editor->SetEntryType(type);
        editor->open();
    }

    // What the user does to a date list: choose an item, which raises the change.
    static void choose(TZuboComboBox* combo, int index)
    {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    static void pressEnter(QWidget* w)
    {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(w, &enter);
    }

    QAction* groupItem(const char* caption) const
    {
        for (QAction* a : child<QMenu>(*editor, "PopupMenu1")->actions()) {
            if (a->text() == QString::fromUtf8(caption))
                return a;
        }
        ADD_FAILURE() << "no group item " << caption;
        return nullptr;
    }

    QStringList messages() const
    {
        QStringList texts;
        for (const FakePrompter::Shown& s : prompter.shown)
            texts << s.text;
        return texts;
    }

    QStringList newFiles() const
    {
        QStringList files = QDir(dir.file("baza")).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        files.removeAll(QStringLiteral("9-9-9.wps"));
        return files;
    }

    TempDir dir;
    FakePrompter prompter;
    SequenceRandom random{1, 2, 3};
    FixedClock clock{QDate(2024, 1, 15)}; // a Monday
    std::unique_ptr<TForm1> main;
    std::unique_ptr<zdjecia::TForm4> cropWindow;
    std::unique_ptr<dane_biznesowe::TForm14> businessDialog;
    std::unique_ptr<TForm3> editor;
};

TEST_F(EditorTest, ControlsStandAtTheirPlaces)
{
    start();
    TForm3& e = *editor;
    EXPECT_EQ(e.size(), QSize(688, 469));
    struct Place {
        const char* what;
        QWidget* control;
        QRect rect;
    };
    const Place places[] = {
        {"name", child<TFlatEdit>(e, "FlatEdit1"), {24, 24, 409, 19}},
        {"name-day box", child<TFlatCheckBox>(e, "FlatCheckBox1"), {8, 72, 121, 17}},
        {"name-day day", child<TZuboComboBox>(e, "ZuboComboBox2"), {112, 72, 49, 21}},
        {"name-day month", child<TZuboComboBox>(e, "ZuboComboBox3"), {176, 72, 73, 21}},
        {"name-day warning", child<TImage>(e, "Image4"), {253, 74, 16, 16}},
        {"name-day search", child<QToolButton>(e, "SpeedButton1"), {272, 72, 23, 22}},
        {"business data", child<QToolButton>(e, "SpeedButton2"), {304, 72, 23, 22}},
        {"birthday box", child<TFlatCheckBox>(e, "FlatCheckBox2"), {8, 104, 121, 17}},
        {"birthday day", child<TZuboComboBox>(e, "ZuboComboBox4"), {112, 104, 49, 21}},
        {"birthday month", child<TZuboComboBox>(e, "ZuboComboBox5"), {176, 104, 73, 21}},
        {"birthday warning", child<TImage>(e, "Image2"), {253, 106, 16, 16}},
        {"birth year", child<TFlatEdit>(e, "FlatEdit2"), {272, 104, 57, 19}},
        {"occasion day", child<TZuboComboBox>(e, "ZuboComboBox6"), {112, 136, 49, 21}},
        {"occasion month", child<TZuboComboBox>(e, "ZuboComboBox7"), {176, 136, 73, 21}},
        {"occasion warning", child<TImage>(e, "Image3"), {253, 138, 16, 16}},
        {"occasion year", child<TFlatEdit>(e, "FlatEdit3"), {272, 136, 57, 19}},
        {"occasion text", child<TFlatEdit>(e, "FlatEdit11"), {24, 176, 409, 19}},
        {"occasion D", child<TFlatSpeedButton>(e, "FlatSpeedButton6"), {0, 176, 17, 17}},
        {"occasion K", child<TFlatSpeedButton>(e, "FlatSpeedButton7"), {0, 200, 17, 17}},
        {"occasions", child<TFlatListBox>(e, "FlatListBox1"), {24, 192, 409, 100}},
        {"notes", child<TFlatMemo>(e, "FlatMemo1"), {24, 312, 409, 153}},
        {"photo", child<TImage>(e, "Image1"), {333, 64, 100, 100}},
        {"photo ...", child<TFlatSpeedButton>(e, "FlatSpeedButton1"), {440, 72, 17, 17}},
        {"photo K", child<TFlatSpeedButton>(e, "FlatSpeedButton3"), {440, 96, 17, 17}},
        {"groups", child<TFlatSpeedButton>(e, "FlatSpeedButton10"), {440, 136, 17, 17}},
        {"save", child<TFlatSpeedButton>(e, "FlatSpeedButton8"), {440, 392, 17, 17}},
        {"close", child<TFlatSpeedButton>(e, "FlatSpeedButton5"), {440, 424, 17, 17}},
        {"street", child<TFlatEdit>(e, "FlatEdit4"), {472, 24, 177, 19}},
        {"house number", child<TFlatEdit>(e, "FlatEdit5"), {472, 64, 57, 19}},
        {"flat number", child<TFlatEdit>(e, "FlatEdit6"), {544, 64, 105, 19}},
        {"postal code", child<TFlatEdit>(e, "FlatEdit7"), {472, 104, 73, 19}},
        {"post office", child<TFlatEdit>(e, "FlatEdit8"), {560, 104, 89, 19}},
        {"town", child<TFlatEdit>(e, "FlatEdit9"), {472, 144, 177, 19}},
        {"province", child<TFlatEdit>(e, "FlatEdit13"), {472, 184, 177, 19}},
        {"mail entry", child<TFlatEdit>(e, "FlatEdit12"), {472, 224, 177, 19}},
        {"mail D", child<TFlatSpeedButton>(e, "FlatSpeedButton2"), {656, 224, 17, 17}},
        {"mail K", child<TFlatSpeedButton>(e, "FlatSpeedButton4"), {656, 248, 17, 17}},
        {"mails", child<TFlatListBox>(e, "FlatListBox2"), {472, 248, 177, 81}},
        {"phone entry", child<TFlatEdit>(e, "FlatEdit10"), {472, 360, 177, 19}},
        {"phone D", child<TFlatSpeedButton>(e, "FlatSpeedButton9"), {656, 360, 17, 17}},
        {"phone K", child<TFlatSpeedButton>(e, "FlatSpeedButton11"), {656, 384, 17, 17}},
        {"phones", child<TFlatListBox>(e, "FlatListBox3"), {472, 384, 177, 81}},
    };
    for (const Place& p : places)
        EXPECT_EQ(p.control->geometry(), p.rect) << p.what;
    EXPECT_EQ(child<TShape>(e, "Shape1")->x(), 440);
    EXPECT_EQ(child<TShape>(e, "Shape1")->width(), 17);

    // The day lists lie over the right ends of the check boxes: their captions end before them.
    for (const TFlatCheckBox* box :
         {child<TFlatCheckBox>(e, "FlatCheckBox1"), child<TFlatCheckBox>(e, "FlatCheckBox2")}) {
        ASSERT_FALSE(box->Caption().isEmpty());
        const int captionEnd = box->x() + 16 + box->fontMetrics().horizontalAdvance(box->Caption());
        EXPECT_LE(captionEnd, child<TZuboComboBox>(e, "ZuboComboBox2")->x()) << box->Caption().toStdString();
    }
}

TEST_F(EditorTest, NewEntryIsWrittenInTheNewEntryOrder)
{
    openNew();
    child<TFlatEdit>(*editor, "FlatEdit1")->setText(QString::fromUtf8("Nowak Anna"));
    child<TFlatEdit>(*editor, "FlatEdit4")->setText(QString::fromUtf8("Długa"));
    child<TFlatEdit>(*editor, "FlatEdit5")->setText(QStringLiteral("5"));
    child<TFlatEdit>(*editor, "FlatEdit7")->setText(QStringLiteral("00-950"));
    child<TFlatEdit>(*editor, "FlatEdit13")->setText(QStringLiteral("mazowieckie"));
    child<TFlatEdit>(*editor, "FlatEdit10")->setText(QStringLiteral("22 123"));
    child<TFlatSpeedButton>(*editor, "FlatSpeedButton9")->Click();
    child<TFlatEdit>(*editor, "FlatEdit10")->setText(QStringLiteral("600")); // typed but not added
    child<TFlatEdit>(*editor, "FlatEdit12")->setText(QStringLiteral("anna@example.org"));
    pressEnter(child<TFlatEdit>(*editor, "FlatEdit12"));
    // The name day switched on without a choice is 01.01.
    child<TFlatCheckBox>(*editor, "FlatCheckBox1")->SetChecked(true);
    choose(child<TZuboComboBox>(*editor, "ZuboComboBox4"), 4);
    choose(child<TZuboComboBox>(*editor, "ZuboComboBox5"), 10);
    child<TFlatEdit>(*editor, "FlatEdit2")->setText(QStringLiteral("80"));
    choose(child<TZuboComboBox>(*editor, "ZuboComboBox6"), 23);
    choose(child<TZuboComboBox>(*editor, "ZuboComboBox7"), 11);
    child<TFlatEdit>(*editor, "FlatEdit3")->clear();
    child<TFlatEdit>(*editor, "FlatEdit11")->setText(QStringLiteral("Wigilia"));
    child<TFlatSpeedButton>(*editor, "FlatSpeedButton6")->Click();
    child<TFlatMemo>(*editor, "FlatMemo1")->setPlainText(QStringLiteral("pierwsza\n\n\nczwarta"));
    typeBusinessData("123-45", "");
    groupItem("&&Rodzina")->trigger();

    EXPECT_TRUE(child<TFlatCheckBox>(*editor, "FlatCheckBox2")->Checked()) << "choosing a birthday switches it on";
    ASSERT_TRUE(child<TFlatSpeedButton>(*editor, "FlatSpeedButton8")->isEnabled());
    child<TFlatSpeedButton>(*editor, "FlatSpeedButton8")->Click();

    EXPECT_EQ(messages(), QStringList());
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(editor->result(), mrOk);
    EXPECT_FALSE(editor->EditorModified());
    EXPECT_EQ(editor->NewFileName(), "1-2-3.wps");
    EXPECT_EQ(newFiles(), QStringList{"1-2-3.wps"});
    EXPECT_EQ(dir.read("baza/1-2-3.wps"),
              crlf({T("nazwisko", "Nowak Anna"), T("ulica", "Długa"), T("nr_domu", "5"), T("kod_pocztowy", "00-950"),
                    T("telefony", "600"), T("wojewodztwo", "mazowieckie"), T("NIP", "123-45"), T("imieniny", "01.01"),
                    T("urodziny", "05.11.1980"), T("telefony", "22 123"), T("impreza", "24.12.????-Wigilia"),
                    T("mail", "anna@example.org"), T("notatka", "pierwsza"), T("notatka", ""), T("notatka", ""),
                    T("notatka", "czwarta"), T("grupa", "Rodzina")}));
}

TEST_F(EditorTest, ReminderGoesToTheSecondFolderWhenItIsTheSaveTarget)
{
    dir.mkdir("druga");
    dir.write("opcje.ini", crlf({"[opcje]", ("baza_2=" + dir.file("druga/").toStdString()).c_str(),
                                 ("zapis_do=" + dir.file("druga/").toStdString()).c_str()}));
    openNew("jednorazowka");
    child<TFlatEdit>(*editor, "FlatEdit1")->setText(QStringLiteral("Rocznica"));
    child<TFlatSpeedButton>(*editor, "FlatSpeedButton8")->Click();
    EXPECT_EQ(editor->NewFileName(), "1-2-3.wpj");
    EXPECT_EQ(dir.read("druga/1-2-3.wpj"), crlf({T("nazwisko", "Rocznica")}));
}

TEST_F(EditorTest, NewEntryWithABadBirthYearAsksWhetherToSaveWithoutIt)
{
    openNew();
    child<TFlatEdit>(*editor, "FlatEdit1")->setText(QStringLiteral("Jan"));
    choose(child<TZuboComboBox>(*editor, "ZuboComboBox4"), 4);
    choose(child<TZuboComboBox>(*editor, "ZuboComboBox5"), 10);
    child<TFlatEdit>(*editor, "FlatEdit2")->setText(QStringLiteral("19x0"));
    const QString yearMessage = QString::fromUtf8(kYearMessage) + "19x0";
    const QString question = QString::fromUtf8("Czy zapisać wszystko z pominięciem urodzin?");

    // No: nothing is written and the editor stays as it was.
    prompter.answers = {Prompter::Answer::No};
    child<TFlatSpeedButton>(*editor, "FlatSpeedButton8")->Click();
    EXPECT_EQ(messages(), QStringList({yearMessage, question}));
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(child<TFlatEdit>(*editor, "FlatEdit2")->text(), "19x0");
    EXPECT_TRUE(newFiles().isEmpty());

    // Yes: the birthday is saved without its year, and the year is reported once more.
    prompter.shown.clear();
    prompter.answers = {Prompter::Answer::Yes};
    child<TFlatSpeedButton>(*editor, "FlatSpeedButton8")->Click();
    EXPECT_EQ(messages(), QStringList({yearMessage, question, yearMessage}));
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(dir.read("baza/1-2-3.wps"), crlf({T("nazwisko", "Jan"), T("urodziny", "05.11.????")}));
}

TEST_F(EditorTest, EditRewritesTheFileInItsOrderWithThePhotoUnderItsName)
{
    QImage red(100, 100, QImage::Format_RGB32);
    red.fill(Qt::red);
    red.save(dir.file("baza/AB-1.bmp"), "BMP");
    const QString path = dir.write(
        "baza/AB-1.WPJ", crlf({T("nazwisko", "Rocznica"), T("zdjecie", "AB-1.bmp"), T("urodziny", "05.11.19x0"),
                               T("telefony", "1"), T("grupa", "Praca"), T("notatka", "n")}));
    openEdit(path);
    ASSERT_TRUE(main->Shown().hasPhoto);
    child<TFlatEdit>(*editor, "FlatEdit1")->setText(QStringLiteral("Rocznica ślubu"));
    child<TFlatEdit>(*editor, "FlatEdit10")->setText(QStringLiteral("dropped for an edit"));
    child<TFlatSpeedButton>(*editor, "FlatSpeedButton8")->Click();

    // A bad year is reported once, without the question, and written as "????".
    EXPECT_EQ(messages(), QStringList{QString::fromUtf8(kYearMessage) + "19x0"});
    EXPECT_EQ(editor->result(), mrOk);
    EXPECT_EQ(dir.read("baza/AB-1.WPJ"),
              crlf({T("nazwisko", "Rocznica ślubu"), T("telefony", "1"), T("grupa", "Praca"), T("zdjecie", "AB-1.bmp"),
                    T("urodziny", "05.11.????"), T("notatka", "n")}));
    EXPECT_EQ(newFiles(), QStringList({"AB-1.WPJ", "AB-1.bmp"}));
    const QImage photo(dir.file("baza/AB-1.bmp"));
    EXPECT_EQ(photo.size(), QSize(100, 100));
    EXPECT_EQ(photo.pixel(50, 50), QColor(Qt::red).rgb());
}

TEST_F(EditorTest, SaveThatCannotBeDoneKeepsTheEditorOpenAndWritesNothing)
{
    struct Case {
        const char* what;
        std::function<void(TForm3&)> fill;
        const char* message;
    };
    const Case cases[] = {
        {"a character the code page lacks",
         [](TForm3& e) { child<TFlatEdit>(e, "FlatEdit4")->setText(QString::fromUtf8("ul. \xE2\x98\xBA")); },
         "Pole „ulica” zawiera znak „\xE2\x98\xBA”, którego nie można zapisać."},
        {"in a list",
         [](TForm3& e) {
             child<TFlatMemo>(e, "FlatMemo1")->setPlainText(QString::fromUtf8("\xE2\x82\xAC ok\n\xE4\xB8\xAD"));
         },
         "Pole „notatki” zawiera znak „\xE4\xB8\xAD”, którego nie można zapisać."},
        {"a full disk", [](TForm3& e) { child<TFlatEdit>(e, "FlatEdit4")->setText(QStringLiteral("Polna")); },
         "Błąd pliku: "},
    };
    const FailingFileWriter full(0);
    start(full);
    for (const Case& c : cases) {
        prompter.shown.clear();
        openNew();
        child<TFlatEdit>(*editor, "FlatEdit1")->setText(QStringLiteral("Jan"));
        c.fill(*editor);
        child<TFlatSpeedButton>(*editor, "FlatSpeedButton8")->Click();
        ASSERT_EQ(prompter.shown.size(), 1) << c.what;
        EXPECT_TRUE(prompter.shown[0].text.startsWith(QString::fromUtf8(c.message))) << c.what;
        EXPECT_TRUE(editor->isVisible()) << c.what;
        EXPECT_TRUE(newFiles().isEmpty()) << c.what;
    }
}

TEST_F(EditorTest, OccasionsNeedADateAndTakeTheYearOrFourQuestionMarks)
{
    // Without a day, a month or both: the message, and nothing is added.
    for (const DaySelection date : {DaySelection{}, DaySelection{4, -1}, DaySelection{-1, 4}}) {
        prompter.shown.clear();
        openNew();
        if (date.day >= 0)
            choose(child<TZuboComboBox>(*editor, "ZuboComboBox6"), date.day);
        if (date.month >= 0)
            choose(child<TZuboComboBox>(*editor, "ZuboComboBox7"), date.month);
        child<TFlatEdit>(*editor, "FlatEdit11")->setText(QStringLiteral("Imieniny psa"));
        child<TFlatSpeedButton>(*editor, "FlatSpeedButton6")->Click();
        EXPECT_EQ(messages(), QStringList{QString::fromUtf8("Wybierz datę dla okazji.")}) << date.day << date.month;
        EXPECT_TRUE(child<TFlatListBox>(*editor, "FlatListBox1")->Items().isEmpty());
    }

    prompter.shown.clear();
    choose(child<TZuboComboBox>(*editor, "ZuboComboBox6"), 0);
    choose(child<TZuboComboBox>(*editor, "ZuboComboBox7"), 4);
    struct Case {
        const char* year;
        const char* item;
        int messages;
    };
    const Case cases[] = {{"7", "01.05.2007-Imieniny psa", 0},
                          {"19x0", "01.05.????-Imieniny psa", 1},
                          {"", "01.05.????-Imieniny psa", 0}};
    for (const Case& c : cases) {
        prompter.shown.clear();
        child<TFlatListBox>(*editor, "FlatListBox1")->ClearItems();
        child<TFlatEdit>(*editor, "FlatEdit3")->setText(QString::fromUtf8(c.year));
        child<TFlatEdit>(*editor, "FlatEdit11")->setText(QStringLiteral("Imieniny psa"));
        pressEnter(child<TFlatEdit>(*editor, "FlatEdit11"));
        EXPECT_EQ(child<TFlatListBox>(*editor, "FlatListBox1")->Items(), QStringList{QString::fromUtf8(c.item)})
            << c.year;
        EXPECT_EQ(prompter.shown.size(), c.messages) << c.year;
        EXPECT_TRUE(child<TFlatEdit>(*editor, "FlatEdit11")->text().isEmpty());
    }
}

TEST_F(EditorTest, AddressesNeedAnAtAndADotAndPhonesAreTakenAsTyped)
{
    openNew();
    struct Case {
        TFlatEdit* edit;
        TFlatSpeedButton* add;
        const char* typed;
        const char* message; // empty when added
    };
    const Case cases[] = {
        {child<TFlatEdit>(*editor, "FlatEdit12"), child<TFlatSpeedButton>(*editor, "FlatSpeedButton2"), "jan@localhost",
         "Nieprawidłowy adres, brakuje kropki"},
        {child<TFlatEdit>(*editor, "FlatEdit12"), child<TFlatSpeedButton>(*editor, "FlatSpeedButton2"),
         "jan.example.org", "Nieprawidłowy adres, brakuje małpy \"@\""},
        {child<TFlatEdit>(*editor, "FlatEdit12"), child<TFlatSpeedButton>(*editor, "FlatSpeedButton2"),
         "jan@example.org", ""},
        {child<TFlatEdit>(*editor, "FlatEdit10"), child<TFlatSpeedButton>(*editor, "FlatSpeedButton9"), "+48 (22) 1",
         ""},
        {child<TFlatEdit>(*editor, "FlatEdit10"), child<TFlatSpeedButton>(*editor, "FlatSpeedButton9"), "", ""},
    };
    for (const Case& c : cases) {
        prompter.shown.clear();
        editor->FormShow(); // the cases before count as changes made before the showing
        c.edit->setText(QString::fromUtf8(c.typed));
        c.add->Click();
        const bool added = *c.typed && !*c.message;
        EXPECT_EQ(messages(), *c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList()) << c.typed;
        EXPECT_EQ(c.edit->text().isEmpty(), added || !*c.typed) << c.typed;
        EXPECT_EQ(editor->EditorModified(), added) << c.typed;
    }
    EXPECT_EQ(child<TFlatListBox>(*editor, "FlatListBox2")->Items(), QStringList{"jan@example.org"});
    EXPECT_EQ(child<TFlatListBox>(*editor, "FlatListBox3")->Items(), QStringList{"+48 (22) 1"});
}

TEST_F(EditorTest, DeletingAListItemAsksFirst)
{
    openNew();
    child<TFlatListBox>(*editor, "FlatListBox3")->AddItem(QStringLiteral("600"));
    child<TFlatListBox>(*editor, "FlatListBox3")->AddItem(QStringLiteral("700"));
    editor->FormShow(); // the filling before the showing does not count

    // Nothing selected: no question and no change.
    child<TFlatSpeedButton>(*editor, "FlatSpeedButton11")->Click();
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_FALSE(editor->EditorModified());

    child<TFlatListBox>(*editor, "FlatListBox3")->SetSelected(1, true);
    child<TFlatEdit>(*editor, "FlatEdit10")->setText(QStringLiteral("typed"));
    prompter.answers = {Prompter::Answer::No};
    child<TFlatSpeedButton>(*editor, "FlatSpeedButton11")->Click();
    EXPECT_EQ(messages(), QStringList{QString::fromUtf8("Czy napewno wykasować telefon: 700 ?!")});
    EXPECT_EQ(child<TFlatListBox>(*editor, "FlatListBox3")->Items().size(), 2);
    EXPECT_TRUE(editor->EditorModified()) << "answering No still counts";

    child<TFlatListBox>(*editor, "FlatListBox3")->SetSelected(1, true);
    prompter.answers = {Prompter::Answer::Yes};
    child<TFlatSpeedButton>(*editor, "FlatSpeedButton11")->Click();
    EXPECT_EQ(child<TFlatListBox>(*editor, "FlatListBox3")->Items(), QStringList{"600"});
    EXPECT_TRUE(child<TFlatEdit>(*editor, "FlatEdit10")->text().isEmpty());

    // The occasion and e-mail lists ask their own questions.
    child<TFlatListBox>(*editor, "FlatListBox1")->AddItem(QStringLiteral("01.05.????-Majówka"));
    child<TFlatListBox>(*editor, "FlatListBox1")->SetSelected(0, true);
    child<TFlatListBox>(*editor, "FlatListBox2")->AddItem(QStringLiteral("a@b.pl"));
    child<TFlatListBox>(*editor, "FlatListBox2")->SetSelected(0, true);
    prompter.shown.clear();
    child<TFlatSpeedButton>(*editor, "FlatSpeedButton7")->Click();
    child<TFlatSpeedButton>(*editor, "FlatSpeedButton4")->Click();
    EXPECT_EQ(messages(), QStringList({QString::fromUtf8("Czy na pewno wykasować wpis: 01.05.????-Majówka ?!"),
                                       QString::fromUtf8("Czy na pewno wykasować ten adres: a@b.pl ?!")}));
}

TEST_F(EditorTest, SaveIsOfferedOnlyForAnEntryWithContent)
{
    struct Case {
        const char* what;
        std::function<void(TForm3&)> fill;
        bool enabled;
    };
    const Case cases[] = {
        {"nothing", [](TForm3&) {}, false},
        {"only phones",
         [](TForm3& e) {
             child<TFlatEdit>(e, "FlatEdit10")->setText("1");
             child<TFlatSpeedButton>(e, "FlatSpeedButton9")->Click();
         },
         false},
        {"only business data",
         [this](TForm3& e) {
             typeBusinessData("1", "");
             child<TFlatEdit>(e, "FlatEdit2")->setText("1990");
         },
         false},
        {"a name", [](TForm3& e) { child<TFlatEdit>(e, "FlatEdit1")->setText("A"); }, true},
        {"a town", [](TForm3& e) { child<TFlatEdit>(e, "FlatEdit9")->setText("Kraków"); }, true},
        {"a note", [](TForm3& e) { child<TFlatMemo>(e, "FlatMemo1")->setPlainText("x"); }, true},
        {"a name day", [](TForm3& e) { child<TFlatCheckBox>(e, "FlatCheckBox1")->SetChecked(true); }, true},
        {"an address",
         [](TForm3& e) {
             child<TFlatEdit>(e, "FlatEdit12")->setText("a@b.pl");
             child<TFlatSpeedButton>(e, "FlatSpeedButton2")->Click();
         },
         true},
    };
    for (const Case& c : cases) {
        openNew();
        c.fill(*editor);
        EXPECT_EQ(child<TFlatSpeedButton>(*editor, "FlatSpeedButton8")->isEnabled(), c.enabled) << c.what;
    }
}

TEST_F(EditorTest, DateWarningsShowForDaysTheMonthDoesNotHave)
{
    openNew();
    choose(child<TZuboComboBox>(*editor, "ZuboComboBox2"), 30); // 31 lutego
    choose(child<TZuboComboBox>(*editor, "ZuboComboBox3"), 1);
    EXPECT_TRUE(child<TImage>(*editor, "Image4")->isVisibleTo(editor.get()));
    choose(child<TZuboComboBox>(*editor, "ZuboComboBox2"), 28); // 29 lutego: the name day has no year
    EXPECT_FALSE(child<TImage>(*editor, "Image4")->isVisibleTo(editor.get()));

    choose(child<TZuboComboBox>(*editor, "ZuboComboBox4"), 28);
    choose(child<TZuboComboBox>(*editor, "ZuboComboBox5"), 1);
    EXPECT_FALSE(child<TImage>(*editor, "Image2")->isVisibleTo(editor.get())) << "no year counts as a leap year";
    child<TFlatEdit>(*editor, "FlatEdit2")->setText(QStringLiteral("2003"));
    EXPECT_TRUE(child<TImage>(*editor, "Image2")->isVisibleTo(editor.get()));
    EXPECT_FALSE(child<TImage>(*editor, "Image3")->isVisibleTo(editor.get()));
    EXPECT_EQ(child<TImage>(*editor, "Image2")->toolTip(), QString::fromUtf8("Data może być nieprawidłowa."));
}

TEST_F(EditorTest, QuickDatesFillTheDateTheMenuWasOpenedOn)
{
    openNew();
    const auto pick = [&](QWidget* on, int item) {
        editor->PopupMenu2Popup(on);
        editor->QuickDateItems().at(item)->trigger();
    };
    // "Dzisiaj" on a name-day list switches the name day on.
    pick(child<TZuboComboBox>(*editor, "ZuboComboBox3"), 18);
    EXPECT_EQ(child<TZuboComboBox>(*editor, "ZuboComboBox2")->currentIndex(), 14);
    EXPECT_EQ(child<TZuboComboBox>(*editor, "ZuboComboBox3")->currentIndex(), 0);
    EXPECT_TRUE(child<TFlatCheckBox>(*editor, "FlatCheckBox1")->Checked());

    // "w najbliższy(ą) poniedziałek" on the birthday's year: a week ahead, with the year.
    pick(child<TFlatEdit>(*editor, "FlatEdit2"), 30);
    EXPECT_EQ(child<TZuboComboBox>(*editor, "ZuboComboBox4")->currentIndex(), 21);
    EXPECT_EQ(child<TZuboComboBox>(*editor, "ZuboComboBox5")->currentIndex(), 0);
    EXPECT_EQ(child<TFlatEdit>(*editor, "FlatEdit2")->text(), "2024");
    EXPECT_TRUE(child<TFlatCheckBox>(*editor, "FlatCheckBox2")->Checked());

    // "rok temu" on an occasion list fills the occasion; the change counts even when the year
    // stands as it was.
    child<TFlatEdit>(*editor, "FlatEdit3")->setText(QStringLiteral("2023"));
    editor->FormShow(); // the year typed counts as filled before the showing
    pick(child<TZuboComboBox>(*editor, "ZuboComboBox6"), 17);
    EXPECT_EQ(child<TZuboComboBox>(*editor, "ZuboComboBox6")->currentIndex(), 14);
    EXPECT_EQ(child<TFlatEdit>(*editor, "FlatEdit3")->text(), "2023");
    EXPECT_TRUE(editor->EditorModified());

    // A month back from 31 March is 31 February: filled, and warned about.
    clock.setToday(QDate(2024, 3, 31));
    pick(child<TZuboComboBox>(*editor, "ZuboComboBox2"), 16);
    EXPECT_EQ(child<TZuboComboBox>(*editor, "ZuboComboBox2")->currentIndex(), 30);
    EXPECT_EQ(child<TZuboComboBox>(*editor, "ZuboComboBox3")->currentIndex(), 1);
    EXPECT_TRUE(child<TImage>(*editor, "Image4")->isVisibleTo(editor.get()));
}

TEST_F(EditorTest, ClosingAsksOnlyWhenANamedEntryWasChangedWhicheverWayItIsClosed)
{
    struct Case {
        const char* what;
        const char* name;
        bool change;
        QList<Prompter::Answer> answers;
        int questions;
        int result;
    };
    const Case cases[] = {
        {"unchanged", "Jan", false, {}, 0, mrCancel},
        {"changed without a name", "", true, {}, 0, mrCancel},
        {"changed, not saved", "Jan", true, {Prompter::Answer::No}, 1, mrCancel},
        {"changed, saved", "Jan", true, {Prompter::Answer::Yes}, 1, mrOk},
    };
    // The window's close box and Alt+F4 reach the window as a close event.
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"X", [this] { child<TFlatSpeedButton>(*editor, "FlatSpeedButton5")->Click(); }},
        {"close box", [this] { editor->close(); }},
    };
    for (const auto& [way, close] : ways) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(way) + ": " + c.what);
            prompter.shown.clear();
            openNew();
            child<TFlatEdit>(*editor, "FlatEdit1")->setText(QString::fromUtf8(c.name));
            editor->FormShow(); // the filling before the showing does not count
            if (c.change)
                child<TFlatEdit>(*editor, "FlatEdit9")->setText(QStringLiteral("Kraków"));
            prompter.answers = c.answers;
            close();
            EXPECT_EQ(prompter.shown.size(), c.questions);
            if (c.questions > 0) {
                EXPECT_EQ(prompter.shown[0].text, QString::fromUtf8("Były dokonane zmiany, czy zapisać je?"));
            }
            EXPECT_FALSE(editor->isVisible());
            EXPECT_EQ(editor->result(), c.result);
            EXPECT_FALSE(editor->EditorModified());
        }
        EXPECT_EQ(newFiles(), QStringList{"1-2-3.wps"});
        QFile::remove(dir.file("baza/1-2-3.wps"));
    }

    // Esc neither asks nor closes; a save that fails on closing keeps the window open.
    prompter.shown.clear();
    const FailingFileWriter fullDisk(0);
    editor.reset();
    start(fullDisk);
    openNew();
    child<TFlatEdit>(*editor, "FlatEdit1")->setText(QStringLiteral("Jan"));
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(editor.get(), &esc);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(prompter.shown.isEmpty());
    prompter.answers = {Prompter::Answer::Yes};
    editor->close();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(editor->EditorModified());
    child<TFlatSpeedButton>(*editor, "FlatSpeedButton5")->Click(); // answered No
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(editor->result(), mrCancel);
    EXPECT_EQ(newFiles(), QStringList());
}

TEST_F(EditorTest, MinimisingAndRestoringKeepsTheChangesAndThePickedPicture)
{
    QImage picture(120, 90, QImage::Format_RGB32);
    picture.fill(Qt::green);
    ASSERT_TRUE(picture.save(dir.file("photo.png"), "PNG"));
    FixedPictureChooser chooser(dir.file("photo.png"));
    ScriptedDialogRunner dialogs; // the crop is cancelled, which keeps the picked picture
    openNew();
    child<TFlatEdit>(*editor, "FlatEdit1")->setText(QStringLiteral("Jan"));
    child<TFlatSpeedButton>(*editor, "FlatSpeedButton1")->Click();
    ASSERT_EQ(dialogs.shown.size(), 1);
    child<TFlatEdit>(*editor, "FlatEdit9")->setText(QStringLiteral("Kraków"));
    editor->showMinimized();
    QCoreApplication::processEvents();
    editor->showNormal();
    QCoreApplication::processEvents();
    EXPECT_TRUE(editor->EditorModified());
    EXPECT_EQ(editor->PickedPictureName(), dir.file("photo.png"));
    prompter.answers = {Prompter::Answer::No};
    child<TFlatSpeedButton>(*editor, "FlatSpeedButton5")->Click();
    EXPECT_EQ(prompter.shown.size(), 1) << "closing still asks about the changes";
}

TEST_F(EditorTest, TakesTheSchemeEachTimeItIsShown)
{
    start();
    ColorScheme& s = main->State().colors;
    s.tlo_tlo = 0x202020;
    s.paski_tlo = 0x00FF00;
    s.guziki_tlo = 0x0000FF;
    s.ComboBox_tlo = 0xFFFF00;
    s.ComboBox_tlo_strzalki = 0x00FFFF;
    openNew();
    const QImage image = snapshot(*editor);
    struct Case {
        const char* what;
        QPoint at;
        TColor expected;
    };
    const Case pixels[] = {
        {"window", {460, 300}, s.tlo_tlo},
        {"bar", {448, 300}, s.paski_tlo},
        {"close button", {444, 428}, s.guziki_tlo},
        {"street", {560, 33}, s.ComboBox_tlo},
        {"phone list band", {560, 386}, s.ComboBox_tlo_strzalki},
    };
    for (const Case& c : pixels)
        EXPECT_EQ(Hex{pixel(image, c.at.x(), c.at.y())}, Hex{c.expected}) << c.what;
    EXPECT_EQ(Hex{FontColor(child<TFlatEdit>(*editor, "FlatEdit4"))}, Hex{s.ComboBox_tekst1});
}

TEST_F(EditorTest, BusinessDataChangesOnlyWhenConfirmed)
{
    // An entry of business data alone.
    openEdit(dir.write("baza/1-1-1.wps", crlf({T("NIP", "111"), T("regon", "222")})));
    ASSERT_FALSE(editor->EditorModified());
    ScriptedDialogRunner dialogs;
    dane_biznesowe::TForm14& business = *businessDialog;

    // "K" then "X": nothing changes.
    dialogs.scripts = {[&](QDialog&) {
        EXPECT_EQ(child<TFlatEdit>(business, "FlatEdit1")->text(), "111");
        EXPECT_EQ(child<TFlatEdit>(business, "FlatEdit2")->text(), "222");
        child<TFlatSpeedButton>(business, "FlatSpeedButton3")->Click();
        child<TFlatSpeedButton>(business, "FlatSpeedButton1")->Click();
    }};
    child<QToolButton>(*editor, "SpeedButton2")->click();
    EXPECT_EQ(editor->Nip(), "111");

    // Any text is taken with "Z", an emptied one too; it counts as no change of the entry.
    dialogs.scripts = {[&](QDialog&) {
        child<TFlatSpeedButton>(business, "FlatSpeedButton4")->Click();
        child<TFlatEdit>(business, "FlatEdit1")->setText(QStringLiteral("abc"));
        child<TFlatSpeedButton>(business, "FlatSpeedButton2")->Click();
    }};
    child<QToolButton>(*editor, "SpeedButton2")->click();
    EXPECT_EQ(editor->Nip(), "abc");
    EXPECT_EQ(editor->Regon(), "");
    EXPECT_FALSE(editor->EditorModified());
    EXPECT_FALSE(child<TFlatSpeedButton>(*editor, "FlatSpeedButton8")->isEnabled());
}

TEST_F(EditorTest, LanguageTextsReachEveryTargetOfTheirNumber)
{
    start();
    TextTargets texts;
    editor->RegisterTexts(texts);
    texts.apply(42, QStringLiteral("A"));
    texts.apply(78, QStringLiteral("year hint"));
    texts.apply(83, QStringLiteral("March"));
    texts.apply(18, QStringLiteral("Born"));
    EXPECT_EQ(child<TFlatSpeedButton>(*editor, "FlatSpeedButton2")->Caption(), "A");
    EXPECT_EQ(child<TFlatSpeedButton>(*editor, "FlatSpeedButton9")->Caption(), "A");
    EXPECT_EQ(child<TFlatEdit>(*editor, "FlatEdit2")->toolTip(), "year hint");
    EXPECT_EQ(child<TFlatEdit>(*editor, "FlatEdit3")->toolTip(), "year hint");
    for (TZuboComboBox* months :
         {child<TZuboComboBox>(*editor, "ZuboComboBox3"), child<TZuboComboBox>(*editor, "ZuboComboBox5"),
          child<TZuboComboBox>(*editor, "ZuboComboBox7")}) {
        EXPECT_EQ(months->itemText(2), "March");
        EXPECT_EQ(months->count(), 12);
    }
    EXPECT_EQ(child<TFlatCheckBox>(*editor, "FlatCheckBox2")->Caption(), "Born");
    // Built with the built-in texts.
    EXPECT_EQ(child<QLabel>(*editor, "Label16")->text(), QString::fromUtf8("województwo"));
    EXPECT_EQ(child<TFlatSpeedButton>(*editor, "FlatSpeedButton8")->toolTip(),
              QString::fromUtf8("Zapisz zmiany i wyjdź"));
}

TEST_F(EditorTest, OccasionClickedInTheListComesBackIntoItsFields)
{
    openNew();
    child<TFlatListBox>(*editor, "FlatListBox1")->AddItem(QStringLiteral("24.12.2003-Wigilia-kolacja"));
    child<TFlatListBox>(*editor, "FlatListBox1")->AddItem(QStringLiteral("bez daty"));
    struct Case {
        int row;
        const char* description;
        const char* year;
        int day, month;
    };
    const Case cases[] = {{0, "Wigilia-kolacja", "2003", 23, 11}, {1, "", "ty", 23, 11}};
    for (const Case& c : cases) {
        child<TFlatListBox>(*editor, "FlatListBox1")->SetSelected(c.row, true);
        emit child<TFlatListBox>(*editor, "FlatListBox1")->OnMouseUp(Qt::LeftButton, Qt::NoModifier, 5, 5);
        EXPECT_EQ(child<TFlatEdit>(*editor, "FlatEdit11")->text(), c.description);
        EXPECT_EQ(child<TFlatEdit>(*editor, "FlatEdit3")->text(), c.year);
        EXPECT_EQ(child<TZuboComboBox>(*editor, "ZuboComboBox6")->currentIndex(), c.day)
            << "a row without a date keeps the lists";
        EXPECT_EQ(child<TZuboComboBox>(*editor, "ZuboComboBox7")->currentIndex(), c.month);
        EXPECT_EQ(child<TFlatListBox>(*editor, "FlatListBox1")->Items().size(), 2);
    }
}

} // namespace
