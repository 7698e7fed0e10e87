#pragma once

#include "personfields.h"
#include "personlist.h"
#include "programstate.h"
#include "shownperson.h"
#include "texttargets.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class ButtonAnimation;
class Clock;
class FileRemover;
class FileWriter;
class NumberReader;
class QAction;
class QDialog;
class QActionGroup;
class QLabel;
class QMenu;
class QPainter;
class QTimer;
class TFlatEdit;
class TFlatHint;
class TFlatListBox;
class TFlatMemo;
class TFlatSpeedButton;
class TImage;
class TShape;
class TextReader;
class TZuboComboBox;
struct TOwnerDrawState;

namespace dodaj_nowy {
class TForm3;
}
namespace wybor_typu_nowego {
class TForm6;
}
namespace szukanie {
class TForm7;
}
namespace kolory {
class TForm11;
}
namespace imieniny {
class TForm12;
}
namespace drukowanie {
class TForm8;
}

// The main window of the contact book: one person at a time, the person chooser, the group filter
// and the language menu. It owns the program state that every window reads, and the person list,
// which other windows change only through PersonListOwner.
namespace start {

class TForm1;

// A dialog of a command, asked for only when a command opens it, so that whoever makes the windows
// may make it then; each call returns the same dialog. Missing when empty.
template <class T> using DialogOf = std::function<T*()>;

// The dialogs the main window's commands open: the about box of "O", the entry editor and the entry
// type dialog of "N" and "E", the print picker, the bulk e-mail picker (a print picker too), the
// options dialog, and the dialogs of "S", the colours command and "I". A command whose dialog is
// missing does nothing.
struct Dialogs {
    DialogOf<QDialog> aboutBox = {};
    DialogOf<dodaj_nowy::TForm3> editor = {};
    DialogOf<wybor_typu_nowego::TForm6> entryTypeDialog = {};
    DialogOf<drukowanie::TForm8> printDialog = {};
    DialogOf<drukowanie::TForm8> mailDialog = {};
    DialogOf<QDialog> optionsDialog = {};
    DialogOf<szukanie::TForm7> searchDialog = {};
    DialogOf<kolory::TForm11> colourEditor = {};
    DialogOf<imieniny::TForm12> nameDayDialog = {};
};

// What the create step takes from outside the window.
struct StartSetup {
    QString programDir;                   // the program folder (ProgramPlaces), ending in "/"
    QString soundDir;                     // the digit sounds; programDir's wav/ when empty
    QString shippedNameDayDir;            // a system install's name-day files (ProgramPlaces)
    QString shippedSums;                  // and the list of their shipped versions
    QStringList arguments;                // the command line without the program itself
    QString workingDir;                   // against which command-line paths are made absolute
    QLocale locale;                       // folds the names of the name-day search
    const TextReader* reader = nullptr;   // the standard reader when null
    const FileRemover* remover = nullptr; // the standard remover when null
    const Clock* clock = nullptr;         // the standard clock when null
    const FileWriter* writer = nullptr;   // the standard writer when null
    // Hands over the dialogs once the create step succeeded; they are built on the window's program
    // state and person list, and must outlive the window. None when empty.
    std::function<Dialogs(TForm1&)> dialogs;
};

class TForm1 : public QWidget, private PersonFields, public PersonListOwner {
    Q_OBJECT
public:
    // Builds the window and runs its create step.
    explicit TForm1(const StartSetup& setup, QWidget* parent = nullptr);
    ~TForm1() override;

    // False when the create step could not make the data folder: the program then ends without
    // showing the window.
    bool Started() const { return m_started; }

    // What every window of the program reads; the colour editor and the language switch change it.
    ProgramState& State() { return m_state; }
    const ProgramState& State() const { return m_state; }
    // The targets of the language texts; each window registers its own when it is built.
    TextTargets& Texts() { return m_texts; }

    // The entries the chooser lists, in its order, and the favourites of "#".
    const QList<PersonListEntry>& PersonList() const { return m_personList; }
    const QList<PersonListEntry>& Favourites() const { return m_favourites; }
    // The person shown, for the commands that act on it and the editor of "E"; its path is empty
    // when nothing is shown.
    const ShownPerson& Shown() const { return m_shown; }
    // The shown person's photo as it loaded; null when the built-in picture is shown.
    const QImage& ShownPhoto() const { return m_photo; }

    // The list as other windows change it (PersonListOwner).
    const GroupFilterMenu& GroupMenu() const override { return m_groupMenu; }
    // Lists the hits of a search in place of the person list and shows the first. The list then
    // follows no filter, so no item of the group filter is checked.
    void ShowSearchHits(QList<PersonListEntry> hits) override;
    // The group filter shows "everything" and the groups the group dialog leaves.
    void ShowGroups(const QList<QByteArray>& groups) override;

    // Reads a person file whole and shows it. A missing file changes nothing; an unreadable one
    // changes nothing and is reported.
    void ShowPerson(const QString& path);
    // Empties the view: nothing is shown, whatever the chooser selects.
    void ClearPersonView();

    // Handlers.
    void FlatSpeedButton3Click();  // "G": the group filter menu
    void FlatSpeedButton4Click();  // "N": a new entry
    void FlatSpeedButton5Click();  // "X": ends the program
    void FlatSpeedButton6Click();  // "O": the about box
    void FlatSpeedButton7Click();  // ">>"
    void FlatSpeedButton8Click();  // "<<"
    void FlatSpeedButton9Click();  // "E": edit the shown entry
    void FlatSpeedButton10Click(); // "J": the language menu
    void FlatSpeedButton13Click(); // "Drukuj ..."
    void FlatSpeedButton15Click(); // "Mail zbiorowy"
    void FlatSpeedButton21Click(); // "Opcje"
    // Offer the persons of the data folders in use to a picker: all named persons to print, those
    // with an address to mail.
    void FillPrintDialog();
    void FillMailDialog();
    void FlatSpeedButton12Click(); // "S": the search
    void FlatSpeedButton16Click(); // the colour scheme editor
    void FlatSpeedButton17Click(); // "I": the name days
    void FlatComboBox1Change();
    void FlatComboBox1DrawItem(QPainter* canvas, int index, const QRect& rect, TOwnerDrawState state);
    void FlatListBox1MouseUp();
    void w1Click(int index);
    void Polski1Click();
    void FormShow();

    // The items of PopupMenu1 as they stand for GroupMenu() now.
    QList<QAction*> GroupFilterActions();
    // The menu point below a button at which its pop-up menu opens.
    QPoint popupPointOf(const TFlatSpeedButton* button) const;

    // E-mail, bin, favourites, NIP/REGON and phone panels, read-aloud, button wave, backup copy
    // (startcommands.cpp).
    // No button wave runs.
    bool AnimationDone() const;
    // No read-aloud runs.
    bool ReaderIdle() const;
    NumberReader& PhoneReader() { return *m_numberReader; }

    void FlatSpeedButton1Click(); // "M": e-mail to the selected address
    void FlatListBox2MouseUp();
    void Kopiuj1Click();
    void FlatSpeedButton2Click();  // "K": delete the shown entry
    void FlatSpeedButton11Click(); // "P": restore it from the bin
    void FlatSpeedButton18Click(); // "NIP"
    void FlatSpeedButton19Click(); // "REG"
    void Panel2Click();
    void Kopiuj2Click();
    void FlatSpeedButton20Click(); // backup copy of the data folder
    void FlatSpeedButton22Click(); // ">#": add to the favourites
    void FlatSpeedButton23Click(); // "#": the favourites menu
    void FlatSpeedButton24Click(); // "#>": remove the favourite shown, or the selected person
    void osoba1Click();
    void FlatListBox3MouseUp();
    void Panel1Click();
    void Czytaj1Click();
    void Czytajza3sekundy1Click();
    void Czytajza5sekund1Click();
    void Czytajza10sekund1Click();
    void Kopiuj3Click();
    void Timer1Timer();
    void FormDestroy();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The controls, each named by its component name (see nameControls). The display: the person
    // chooser, and the person's fields (PersonFields), whose occasion fields show the occasion
    // picked in FlatListBox1.
    TZuboComboBox* ZuboComboBox1; // item i is the path of PersonList()[i]
    // Label1..Label18 by their text numbers; Label[0] is unused.
    std::array<QLabel*, 19> Label{};
    QLabel* Panel1; // the large phone number
    QLabel* Panel2; // NIP or REGON
    TShape* Shape1; // the two vertical bars the buttons sit on
    TShape* Shape2;
    // FlatSpeedButton1..FlatSpeedButton24 by number; null for the buttons this window does not have
    // yet.
    std::array<TFlatSpeedButton*, 25> FlatSpeedButton{};
    TFlatHint* FlatHint1;
    QMenu* PopupMenu1; // the group filter, a view of GroupMenu() (see GroupFilterActions)
    QMenu* PopupMenu2; // the languages
    QMenu* PopupMenu6; // the favourites
    QAction* Polski1;  // the built-in language, first item of PopupMenu2
    // Of the e-mail list, the phone panel and the NIP/REGON panel (startcommands.cpp).
    QMenu* PopupMenu3 = nullptr; // of the e-mail list
    QAction* Kopiuj1 = nullptr;
    QMenu* PopupMenu4 = nullptr; // of the phone panel
    QAction* Czytaj1 = nullptr;
    QAction* Czytajza3sekundy1 = nullptr;
    QAction* Czytajza5sekund1 = nullptr;
    QAction* Czytajza10sekund1 = nullptr;
    QAction* Kopiuj3 = nullptr;
    QMenu* PopupMenu5 = nullptr; // of the NIP/REGON panel
    QAction* Kopiuj2 = nullptr;
    QTimer* Timer1 = nullptr; // starts the button wave: after 5 s, then every minute

    // Whether a listing also rebuilds the group filter menu from the files: after the start and
    // after a command that added, changed, deleted or restored entries.
    enum class GroupScan { KeepMenu, RebuildMenu };
    // The listings fill the person list and the chooser together and leave the chooser without a
    // selection. `afterFolder` is told of each data folder listed (the start's sweep).
    void RefreshPersonList(GroupScan scan = GroupScan::KeepMenu,
                           const PersonListing::ListedFolderVisit& afterFolder = {});
    void ListPersonsByGroup();
    void LoadColours();
    void BuildLanguageMenu();
    void ApplyLanguage();
    // Shows GroupMenu() in PopupMenu1 again after it changed. The items are made when the menu next
    // opens, or when GroupFilterActions asks for them: a data folder may name thousands of groups,
    // and making their items would cost more than all the rest of the start.
    void rebuildGroupMenu();
    // Lists the entries again with a group scan, then selects and shows the one at `path`, listed
    // or not: the record the editor saved, or the file as it now stands when it was not saved.
    void showAfterEdit(const QString& path, const PersonRecord* saved);
    // Shows a person read already, or just saved.
    void showPerson(ShownPerson person);

    void createControls();
    void registerTexts();
    void FormCreate(const StartSetup& setup);
    void fillChooser(QList<PersonListEntry> entries);
    void rebuildFavouritesMenu();
    void showOneOf(const QList<PersonListEntry>& entries);
    QImage logo() const;

    void createCommandControls();
    void readAloud(int delayMs);
    QString favouritesFile() const;
    // The path of the favourite last picked from "#", while nothing else has been shown since
    // (empty otherwise): "#>" removes it, also when the chooser never holds it.
    QString m_pickedFavourite;

    ProgramState m_state;
    TextTargets m_texts;
    Dialogs m_dialogs;
    QList<PersonListEntry> m_personList;
    QList<PersonListEntry> m_favourites;
    GroupFilterMenu m_groupMenu;
    ShownPerson m_shown;
    QImage m_photo;
    const FileRemover* m_remover;
    const Clock* m_clock;
    // Shared with the phone panel's watcher, which may still see the panel hidden while the window
    // is destroyed.
    std::shared_ptr<NumberReader> m_numberReader;
    std::unique_ptr<ButtonAnimation> m_animation;
    std::unique_ptr<PersonListing> m_listing;
    QActionGroup* m_languageGroup = nullptr;
    QList<QByteArray> m_languageCaptions; // the names of the PopupMenu2 items, as stored
    bool m_started = false;
    bool m_centred = false;
    bool m_groupMenuStale = true; // PopupMenu1's items do not show GroupMenu yet
    void makeGroupMenuItems();
};

} // namespace start
