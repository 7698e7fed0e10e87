#pragma once

#include "entryeditor.h"
#include "personfields.h"
#include "personlist.h"
#include "programstate.h"

#include <QByteArray>
#include <QDialog>
#include <QString>

#include <array>

class Clock;
class FileRemover;
class FileWriter;
class QLabel;
class QAction;
class QMenu;
class QToolButton;
class RandomSource;
class TextTargets;
class TFlatCheckBox;
class TFlatEdit;
class TFlatHint;
class TFlatListBox;
class TFlatMemo;
class TFlatSpeedButton;
class TImage;
class TShape;
class TZuboComboBox;

namespace dane_biznesowe {
class TForm14;
}
namespace imieniny {
class TForm12;
}
namespace zarzadzanie_grupami {
class TForm5;
}
namespace zdjecia {
class TForm4;
}

// The entry editor: the one window in which a person or a one-off reminder is made or changed.
// Nothing reaches the disk until "Z" saves; the main window's "N" and "E" commands prepare it and
// show it modally.
namespace dodaj_nowy {

// The outside effects of the save and the quick dates besides the program state's reader and
// writer; the standard ones when null.
struct EditorServices {
    RandomSource* random = nullptr;
    const FileRemover* remover = nullptr;
    const Clock* clock = nullptr;
};

// The dialogs the editor opens: the crop window of "...", the group dialog of "G", the business
// data of its button and the name-day lookup. A button whose dialog is missing does nothing.
struct EditorDialogs {
    zdjecia::TForm4* cropWindow = nullptr;
    zarzadzanie_grupami::TForm5* groupDialog = nullptr;
    dane_biznesowe::TForm14* businessData = nullptr;
    imieniny::TForm12* nameDays = nullptr;
};

class TForm3 : public QDialog, private PersonFields {
    Q_OBJECT
public:
    // The editor reads the program's colours, messages and save folder from `state`, which must
    // outlive it; `groups` is the main window's group filter, whose groups a new entry may take.
    TForm3(const ProgramState& state, const GroupFilterMenu& groups, const EditorDialogs& dialogs = {},
           const EditorServices& services = {}, QWidget* parent = nullptr);
    ~TForm3() override;

    // What the main window reads of the editor.
    bool AddMode() const { return m_addMode; }                  // a new entry, else the edited file is rewritten
    const QByteArray& EntryType() const { return m_entryType; } // "osoba" or "jednorazowka"
    // The file the last new-entry save created, without folder.
    const QString& NewFileName() const { return m_newFileName; }
    // What the last save wrote, as the file now holds it.
    const PersonRecord& SavedRecord() const { return m_savedRecord; }
    // Whether the entry was changed since the editor was shown.
    bool EditorModified() const { return m_editorModified; }
    // The picture chosen during this showing.
    const QString& PickedPictureName() const { return m_pickedPictureName; }
    // The business data the save writes.
    const QString& Nip() const { return m_nip; }
    const QString& Regon() const { return m_regon; }
    // The entry's groups as the menu of "G" marks them.
    const EntryGroupMenu& Groups() const { return m_groups; }

    // Whether the group dialog deleted or renamed a group in the files when it was last shown (its
    // GroupsChanged); the edit command reads it after the editor closed unsaved, and sets it back.
    bool GroupsChanged() const { return m_groupsChanged; }
    void ForgetGroupsChanged() { m_groupsChanged = false; }

    // The quick-date items in their order, separators and headings included.
    const QList<QAction*>& QuickDateItems() const { return QuickDates; }

    void RegisterTexts(TextTargets& texts);

    // Empties every field for a new entry.
    void ClearForNewEntry();
    // "N": an empty new entry, with the groups of the main window's filter to choose from.
    void PrepareNewEntry(const GroupFilterMenu& groups);
    // The type chosen for a new entry: "osoba" or "jednorazowka"; only persons have groups.
    void SetEntryType(const QByteArray& type);
    // "E": the person the main window shows, with its photo as it loaded there (null for none), and
    // the groups of the filter besides those its file holds.
    void PrepareEdit(const ShownPerson& person, const QImage& photo, const GroupFilterMenu& groups);
    // A name day found by the name-day search: day 1..31, month 1..12.
    void NameDayFound(int day, int month);

    // Checks and rewrites a year edit; false, after the message, for a text that is no year.
    bool NormalizeYearField(TFlatEdit* edit);
    void UpdateEditorState();
    // Writes the entry and closes with OK; false with the editor left open when it was not saved.
    bool SavePersonFile();

    void FormShow();
    void FlatEdit4Change();
    void FlatEdit2Change();
    void FlatMemo1Change();
    void FlatComboBox2Change();
    void FlatComboBox4Change();
    void FlatComboBox6Change();
    void FlatCheckBox1Click();
    void FlatCheckBox2Click();
    void PopupMenu1Change();
    void FlatSpeedButton6Click();  // add an occasion
    void FlatSpeedButton2Click();  // add an e-mail address
    void FlatSpeedButton9Click();  // add a phone
    void FlatSpeedButton7Click();  // delete an occasion
    void FlatSpeedButton4Click();  // delete an e-mail address
    void FlatSpeedButton11Click(); // delete a phone
    void FlatListBox1MouseUp();
    void PopupMenu2Popup(QWidget* requester);
    void poniedziaek2Click(int index);
    void FlatSpeedButton3Click();  // remove the photo
    void FlatSpeedButton1Click();  // choose a photo
    void FlatSpeedButton10Click(); // groups
    void SpeedButton1Click();      // name-day search
    void SpeedButton2Click();      // business data
    void FlatSpeedButton8Click();  // "Z"
    void FlatSpeedButton5Click();  // "X"

    // The close box and Alt+F4 ask as "X" does.
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    // Which date group the quick-date menu fills.
    enum class DateTarget { None, NameDay, Birthday, Occasion };

    // Shows Groups() in PopupMenu1.
    void RebuildGroupMenu();

    // The controls, each named by its component name (see nameControls). The person's fields are
    // PersonFields; the occasion fields hold the occasion to add.
    TFlatEdit* FlatEdit1;         // name
    TFlatCheckBox* FlatCheckBox1; // name day on
    TFlatCheckBox* FlatCheckBox2; // birthday on
    TImage* Image4;               // date warnings: name day, birthday, occasion
    TImage* Image2;
    TImage* Image3;
    QToolButton* SpeedButton1;           // name-day search
    QToolButton* SpeedButton2;           // business data
    TFlatEdit* FlatEdit12;               // e-mail address to add
    TFlatEdit* FlatEdit10;               // phone to add
    TShape* Shape1;                      // the button bar
    TFlatSpeedButton* FlatSpeedButton1;  // "..." photo
    TFlatSpeedButton* FlatSpeedButton2;  // "D" e-mail
    TFlatSpeedButton* FlatSpeedButton3;  // "K" photo
    TFlatSpeedButton* FlatSpeedButton4;  // "K" e-mail
    TFlatSpeedButton* FlatSpeedButton5;  // "X"
    TFlatSpeedButton* FlatSpeedButton6;  // "D" occasion
    TFlatSpeedButton* FlatSpeedButton7;  // "K" occasion
    TFlatSpeedButton* FlatSpeedButton8;  // "Z"
    TFlatSpeedButton* FlatSpeedButton9;  // "D" phone
    TFlatSpeedButton* FlatSpeedButton10; // "G" groups
    TFlatSpeedButton* FlatSpeedButton11; // "K" phone
    // Label1..Label16 by their text numbers; Label[0] is unused.
    std::array<QLabel*, 17> Label{};
    QMenu* PopupMenu1; // the entry's groups, a view of Groups
    QMenu* PopupMenu2; // quick dates
    TFlatHint* FlatHint1;
    // The quick-date items in their order, separators and headings included.
    QList<QAction*> QuickDates;

    void createControls();
    void createQuickDates();
    std::optional<QByteArray> typedText(const TFlatEdit* entry, int label) const;
    void addToList(TFlatListBox* list, const QString& item, TFlatEdit* entry);
    void deleteWithQuestion(TFlatListBox* list, TFlatEdit* entry, int message);
    void applyQuickDate(const CalendarDay& date);
    bool collectRecord(PersonRecord& record, QByteArray& pendingPhone, QString* error) const;
    std::optional<QByteArray> photoFile() const;
    void showMessage(int index, const QString& suffix = QString()) const;

    const ProgramState& m_state;
    EditorDialogs m_dialogs;
    bool m_addMode = true;
    QByteArray m_entryType = kEntryTypePerson;
    QString m_editedPath;
    QString m_newFileName;
    PersonRecord m_savedRecord;
    bool m_editorModified = false;
    QString m_pickedPictureName;
    QString m_nip;
    QString m_regon;
    EntryGroupMenu m_groups;
    DateTarget m_quickDateTarget = DateTarget::None;
    bool m_groupsChanged = false;
    // Whether the photo of the edited entry loaded in the main window: the save then keeps it.
    bool m_editedHasPhoto = false;
    RandomSource* m_random;
    const FileRemover* m_remover;
    const Clock* m_clock;
};

} // namespace dodaj_nowy
