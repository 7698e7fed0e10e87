#pragma once

#include "groupmanagement.h"
#include "personlist.h"
#include "programstate.h"

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <QString>

#include <optional>

class FileWriter;
class QLabel;
class TextReader;
class TextTargets;
class TFlatEdit;
class TFlatListBox;
class TFlatSpeedButton;
class TShape;

// The group dialog, opened from the entry editor's "G": the groups with a mark for those the
// edited entry belongs to. Marks and added groups go back to the editor; deleting and renaming a
// group change every person file at once.
namespace zarzadzanie_grupami {

class TForm5 : public QDialog {
    Q_OBJECT
public:
    // `state` gives the data folders, messages and colours; `list` (the main window's) shows the
    // groups left after a deletion or renaming. Both must outlive the dialog.
    TForm5(const ProgramState& state, PersonListOwner& list, QWidget* parent = nullptr);
    ~TForm5() override;

    // False when the dialog is shown, true once a group was deleted or renamed in the files (also
    // when the deletion is then not confirmed).
    bool GroupsChanged() const { return m_groupsChanged; }

    // Fills the list for one showing: the editor's groups with their marks, and its entry type,
    // which the rebuilt editor menu needs. Clears EditorMenu.
    void FillGroups(const QList<MarkedGroup>& groups, const QByteArray& entryType);
    const QList<MarkedGroup>& Groups() const { return m_groups; }
    // The editor's group menu as "Z", a deletion or a renaming last rebuilt it during this showing;
    // nothing when none of them ran.
    const std::optional<QList<GroupMenuItem>>& EditorMenu() const { return m_editorMenu; }

    void RegisterTexts(TextTargets& texts);

    void FormShow();
    void FlatListBox1MouseUp();
    void FlatSpeedButton3Click(); // "D"
    void FlatSpeedButton1Click(); // "K"
    void FlatSpeedButton5Click(); // "N"
    void FlatSpeedButton4Click(); // "Z"

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The controls, each named by its component name (see nameControls).
    TFlatListBox* FlatListBox1; // the groups: a mark of five characters, then the name
    TShape* Shape1;
    TFlatSpeedButton* FlatSpeedButton3; // "D" add
    TFlatSpeedButton* FlatSpeedButton1; // "K" delete
    TFlatSpeedButton* FlatSpeedButton5; // "N" rename
    TFlatSpeedButton* FlatSpeedButton4; // "Z" back to the editor with the marks
    TFlatSpeedButton* FlatSpeedButton2; // "X"
    QLabel* Label1;
    TFlatEdit* FlatEdit1; // the name for adding and renaming

    int selectedRow() const;
    void showGroups();
    void setRow(int row);
    std::optional<QByteArray> typedName();
    void groupsRewritten(const GroupRewrite& result);

    const ProgramState& m_state;
    PersonListOwner& m_list;
    QList<MarkedGroup> m_groups;
    QByteArray m_entryType;
    GroupPick m_pick;
    bool m_groupsChanged = false;
    std::optional<QList<GroupMenuItem>> m_editorMenu;
};

// What the editor's "G" got from the dialog.
struct GroupDialogResult {
    bool accepted = false; // "Z" or "X"; the close box gives false
    // The editor's group menu to show from now on, when the dialog rebuilt it.
    std::optional<QList<GroupMenuItem>> editorMenu;
    // A group was deleted or renamed in the files (GroupsChanged): the main window lists the entries
    // again even when the editor is not saved.
    bool groupsChanged = false;
};

// The editor's "G": fills the dialog with the editor's groups (its menu items from index 4 on,
// caption and check mark) and shows it modally.
GroupDialogResult ShowGroupDialog(TForm5& dialog, const QList<MarkedGroup>& groups, const QByteArray& entryType);

} // namespace zarzadzanie_grupami
