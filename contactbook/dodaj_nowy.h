#pragma once

#include "entryeditor.h"
#include "personfields.h"

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

namespace start {
class TForm1;
}
namespace wybor_typu_nowego {
class TForm6;
}
namespace dane_biznesowe {
class TForm14;
}

// The entry editor: the one window in which a person or a one-off reminder is made or changed.
// Nothing reaches the disk until "Z" saves; the main window's "N" and "E" commands fill it and
// show it modally.
namespace dodaj_nowy {

// The outside effects of the save and the quick dates; the standard ones when null.
struct EditorServices {
    RandomSource* random = nullptr;
    const FileWriter* writer = nullptr;
    const FileRemover* remover = nullptr;
    const Clock* clock = nullptr;
};

class TForm3 : public QDialog, public PersonFields {
    Q_OBJECT
public:
    // The editor reads the main window's colours, messages, save folder and shown photo.
    explicit TForm3(start::TForm1& main, const EditorServices& services = {}, QWidget* parent = nullptr);
    ~TForm3() override;

    // The person's fields are PersonFields; the occasion fields hold the occasion to add.
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
    // The quick-date items in their order, separators and headings included.
    QList<QAction*> QuickDates;
    TFlatHint* FlatHint1;

    // The business data dialog, set once it exists.
    dane_biznesowe::TForm14* BusinessData = nullptr;

    // The hand-over with the main window.
    bool AddMode = true;            // a new entry, else EditedPath is rewritten
    QByteArray EntryType = "osoba"; // "osoba" or "jednorazowka"
    QString EditedPath;
    QString NewFileName; // the file the last new-entry save created, without folder
    bool EditorModified = false;
    QString PickedPictureName; // the picture chosen during this showing
    QString Nip;
    QString Regon;
    EntryGroupMenu Groups;

    // Which date group the quick-date menu fills.
    enum class DateTarget { None, NameDay, Birthday, Occasion };
    DateTarget QuickDateTarget = DateTarget::None;

    void RegisterTexts(TextTargets& texts);

    // Empties every field for a new entry.
    void ClearForNewEntry();
    // Takes the entry the main window shows.
    void FillFromMainWindow(const start::TForm1& main);
    // Shows Groups in PopupMenu1.
    void RebuildGroupMenu();
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
    void createControls();
    void createQuickDates();
    std::optional<QByteArray> typedText(const TFlatEdit* entry, int label) const;
    void addToList(TFlatListBox* list, const QString& item, TFlatEdit* entry);
    void deleteWithQuestion(TFlatListBox* list, TFlatEdit* entry, int message);
    void applyQuickDate(const CalendarDay& date);
    bool collectRecord(PersonRecord& record, QByteArray& pendingPhone, QString* error) const;
    std::optional<QByteArray> photoFile() const;
    void showMessage(int index, const QString& suffix = QString()) const;

    start::TForm1& m_main;
    RandomSource* m_random;
    const FileWriter* m_writer;
    const FileRemover* m_remover;
    const Clock* m_clock;
};

// The main window's "N": asks for the entry type, opens the editor empty, and after a save lists
// the entries again and shows the new one.
void NewEntryCommand(start::TForm1& main, TForm3& editor, wybor_typu_nowego::TForm6& entryType);
// The main window's "E": opens the editor on the shown entry, and after a save lists the entries
// again and shows it.
void EditEntryCommand(start::TForm1& main, TForm3& editor);

} // namespace dodaj_nowy
