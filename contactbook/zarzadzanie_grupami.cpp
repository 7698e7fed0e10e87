#include "zarzadzanie_grupami.h"

#include "windowparts.h"

#include "FlatUtilitys.h"
#include "TFlatEditUnit.h"
#include "TFlatListBoxUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "codec1250.h"
#include "dialogrunner.h"
#include "fieldtext.h"
#include "filewriter.h"
#include "personlist.h"
#include "prompter.h"
#include "schemecolours.h"
#include "shape.h"
#include "texttargets.h"

#include <QLabel>

namespace zarzadzanie_grupami {
namespace {

constexpr int kButtonSize = 17;
constexpr int kBar = 171;

QString text(const QByteArray& bytes)
{
    return cp1250::toUnicode(bytes);
}

} // namespace

TForm5::TForm5(const ProgramState& state, PersonListOwner& list, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_state(state)
    , m_list(list)
{
    setFixedSize(372, 242);
    setFont(DefaultUiFont());

    FlatListBox1 = new TFlatListBox(this);
    FlatListBox1->SetScrollBars(true);
    FlatListBox1->setGeometry(8, 8, 145, 233);
    connect(FlatListBox1, &TFlatListBox::OnMouseUp, this, &TForm5::FlatListBox1MouseUp);

    Shape1 = new TShape(this);
    Shape1->setGeometry(kBar, -1, kButtonSize, height() + 2);

    const std::pair<TFlatSpeedButton*&, int> buttons[] = {
        {FlatSpeedButton3, 16},  {FlatSpeedButton1, 40},  {FlatSpeedButton5, 64},
        {FlatSpeedButton4, 184}, {FlatSpeedButton2, 208},
    };
    for (const auto& [button, y] : buttons) {
        button = new TFlatSpeedButton(this);
        button->setGeometry(kBar, y, kButtonSize, kButtonSize);
    }
    // The rename button's texts are no language texts.
    FlatSpeedButton5->SetCaption(QStringLiteral("N"));
    FlatSpeedButton5->setToolTip(QString::fromUtf8("Zmień nazwę zaznaczonej grupy"));
    // Unlike the other dialogs, "X" ends with OK too: the editor then counts its entry as changed.
    FlatSpeedButton4->SetModalResult(mrOk);
    FlatSpeedButton2->SetModalResult(mrOk);
    connect(FlatSpeedButton3, &TFlatSpeedButton::OnClick, this, &TForm5::FlatSpeedButton3Click);
    connect(FlatSpeedButton1, &TFlatSpeedButton::OnClick, this, &TForm5::FlatSpeedButton1Click);
    connect(FlatSpeedButton5, &TFlatSpeedButton::OnClick, this, &TForm5::FlatSpeedButton5Click);
    connect(FlatSpeedButton4, &TFlatSpeedButton::OnClick, this, &TForm5::FlatSpeedButton4Click);

    Label1 = new QLabel(this);
    Label1->setTextFormat(Qt::PlainText);
    Label1->move(208, 0);
    FlatEdit1 = new TFlatEdit(this);
    FlatEdit1->setGeometry(208, 16, 153, 19);
    nameControls({{FlatListBox1, "FlatListBox1"},
                  {Shape1, "Shape1"},
                  {FlatSpeedButton1, "FlatSpeedButton1"},
                  {FlatSpeedButton2, "FlatSpeedButton2"},
                  {FlatSpeedButton3, "FlatSpeedButton3"},
                  {FlatSpeedButton4, "FlatSpeedButton4"},
                  {FlatSpeedButton5, "FlatSpeedButton5"},
                  {Label1, "Label1"},
                  {FlatEdit1, "FlatEdit1"}});

    // The window starts with the built-in texts of its language targets.
    TextTargets own;
    RegisterTexts(own);
    own.applyBuiltIn();
}

TForm5::~TForm5() = default;

void TForm5::RegisterTexts(TextTargets& texts)
{
    texts.add(19, TextTargets::caption(Label1));
    texts.add(20, [this](const QString& caption) { setWindowTitle(caption); });
    TFlatSpeedButton* const numbered[] = {FlatSpeedButton1, FlatSpeedButton2, FlatSpeedButton3, FlatSpeedButton4};
    for (int i = 0; i < 4; ++i) {
        texts.add(63 + i, TextTargets::caption(numbered[i]));
        texts.add(73 + i, TextTargets::hint(numbered[i]));
    }
}

void TForm5::FillGroups(const QList<MarkedGroup>& groups, const QByteArray& entryType)
{
    m_groups = groups;
    m_entryType = entryType;
    m_pick.clear();
    m_editorMenu.reset();
    FlatListBox1->ClearItems();
    for (const MarkedGroup& group : m_groups)
        FlatListBox1->AddItem(text(groupListItem(group)));
}

void TForm5::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        move(288, 194);
        FormShow();
    }
    QDialog::showEvent(event);
}

void TForm5::FormShow()
{
    m_groupsChanged = false;
    const ColorScheme& s = m_state.colors;
    using namespace schemecolours;
    applyToWindow(this, s);
    applyToBar(Shape1, s);
    // The rename button keeps its own look.
    for (TFlatSpeedButton* button : {FlatSpeedButton1, FlatSpeedButton2, FlatSpeedButton3, FlatSpeedButton4})
        apply(button, s);
    apply(FlatEdit1, s, EditFont::Keep);
    apply(FlatListBox1, s);
}

// With several rows selected the last one counts.
int TForm5::selectedRow() const
{
    for (int row = int(m_groups.size()) - 1; row >= 0; --row) {
        if (FlatListBox1->GetSelected(row))
            return row;
    }
    return -1;
}

void TForm5::setRow(int row)
{
    FlatListBox1->SetItem(row, text(groupListItem(m_groups[row])));
}

void TForm5::FlatListBox1MouseUp()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    m_pick.clicked(row, m_groups[row].marked);
    toggleGroupMark(m_groups[row], m_state.messages);
    setRow(row);
    FlatListBox1->SetSelected(row, true);
}

// The name typed for adding or renaming; nothing, after a message naming the field, when it holds a
// character that person files cannot store.
std::optional<QByteArray> TForm5::typedName()
{
    QString error;
    std::optional<QByteArray> name = storableText(FlatEdit1->text(), Label1->text(), &error);
    if (!name)
        Prompter::current().showError(nullptr, messageBoxCaption(), error);
    return name;
}

void TForm5::FlatSpeedButton3Click()
{
    if (FlatEdit1->text().isEmpty())
        return;
    const std::optional<QByteArray> name = typedName();
    if (!name)
        return;
    // The entry joins the new group; the name stays in the field.
    m_groups.append({*name, true});
    m_pick.clear();
    FlatListBox1->AddItem(text(groupListItem(m_groups.last())));
}

void TForm5::FlatSpeedButton1Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const QByteArray name = m_groups[row].name;
    if (isProtectedGroup(name, m_state.messages))
        return;
    // The main window rebuilds its list after the editor even when the question is answered No.
    m_groupsChanged = true;
    const MessageTable& m = m_state.messages;
    if (Prompter::current().askYesNoCancel(nullptr, messageBoxCaption(), text(m[4] + name + " ?" + m[5])) !=
        Prompter::Answer::Yes)
        return;
    m_groups.removeAt(row);
    FlatListBox1->DeleteItem(row);
    m_pick.clear();
    groupsRewritten(RemoveGroupFromFiles(dataFolders(m_state.settings, m_state.programDir), name, *m_state.reader,
                                         *m_state.writer));
}

void TForm5::FlatSpeedButton5Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const QByteArray oldName = m_groups[row].name;
    if (isProtectedGroup(oldName, m_state.messages) || FlatEdit1->text().isEmpty())
        return;
    const std::optional<QByteArray> newName = typedName();
    if (!newName)
        return;
    m_groupsChanged = true;
    // The group keeps its mark: the entry's own file has just been given the new name, and the
    // save writes the marked groups. The click that picked the group marked nothing.
    MarkedGroup& group = m_groups[row];
    group.name = *newName;
    if (const std::optional<bool> before = m_pick.markBeforePick(row))
        group.marked = *before;
    m_pick.clear();
    setRow(row);
    groupsRewritten(RenameGroupInFiles(dataFolders(m_state.settings, m_state.programDir), oldName, *newName,
                                       *m_state.reader, *m_state.writer));
}

// After a deletion or renaming: the files that could not be rewritten are named, and both group
// menus show the dialog's list.
void TForm5::groupsRewritten(const GroupRewrite& result)
{
    if (!result.errors.isEmpty()) {
        Prompter::current().showError(nullptr, messageBoxCaption(),
                                      text(m_state.messages[kMsgFileError]) + u'\n' +
                                          result.errors.join(QLatin1Char('\n')));
    }
    if (!result.left.isEmpty())
        Prompter::current().showError(nullptr, messageBoxCaption(), leftLinksMessage(result.left));
    m_editorMenu = editorGroupMenu(m_groups, m_entryType, m_state.messages);
    QList<QByteArray> names;
    for (const MarkedGroup& group : m_groups)
        names.append(group.name);
    m_list.ShowGroups(names);
}

void TForm5::FlatSpeedButton4Click()
{
    m_editorMenu = editorGroupMenu(m_groups, m_entryType, m_state.messages);
}

GroupDialogResult ShowGroupDialog(TForm5& dialog, const QList<MarkedGroup>& groups, const QByteArray& entryType)
{
    dialog.FillGroups(groups, entryType);
    const int result = DialogRunner::current().run(dialog);
    return {result == mrOk, dialog.EditorMenu(), dialog.GroupsChanged()};
}

} // namespace zarzadzanie_grupami
