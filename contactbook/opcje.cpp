#include "opcje.h"

#include "windowparts.h"

#include "FlatUtilitys.h"
#include "TFlatCheckBoxUnit.h"
#include "TFlatEditUnit.h"
#include "TFlatRadioButtonUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "ZuboComboBox.h"
#include "codec1250.h"
#include "drives.h"
#include "fieldtext.h"
#include "profilefile.h"
#include "prompter.h"
#include "schemecolours.h"
#include "settings.h"
#include "shape.h"
#include "windowplace.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTreeView>

namespace opcje {
namespace {

void report(const QString& text)
{
    Prompter::current().showError(nullptr, messageBoxCaption(), text);
}

} // namespace

TForm15::TForm15(const ProgramState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
{
    setWindowTitle(windowCaption());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(531, 231);
    setFont(DefaultUiFont());

    Shape1 = new TShape(this);
    Shape1->setGeometry(440, -8, 17, 241);

    const auto label = [this](int number, int x, int y, const char* text) {
        auto* l = new QLabel(QString::fromUtf8(text), this);
        l->move(x, y);
        l->adjustSize();
        Label[std::size_t(number)] = l;
    };
    label(1, 16, 16, "Baza danych");
    label(11, 8, 88, "Domyślnie zapisuje nowe rekordy w bazie:");

    FlatCheckBox1 = new TFlatCheckBox(this);
    FlatCheckBox1->setGeometry(8, 32, 393, 17);
    FlatCheckBox1->SetCaption(QStringLiteral("Standardowa (przypisana do programu)"));
    FlatCheckBox1->SetChecked(true);
    FlatCheckBox2 = new TFlatCheckBox(this);
    FlatCheckBox2->setGeometry(8, 56, 45, 17);
    FlatCheckBox2->SetCaption(QStringLiteral("Inna"));

    FlatEdit1 = new TFlatEdit(this);
    FlatEdit1->setGeometry(56, 56, 345, 19);

    FlatSpeedButton1 = new TFlatSpeedButton(this);
    FlatSpeedButton1->setGeometry(400, 56, 17, 19);
    FlatSpeedButton1->SetCaption(QString::fromUtf8("ˇ"));
    connect(FlatSpeedButton1, &TFlatSpeedButton::OnClick, this, &TForm15::FlatSpeedButton1Click);

    FlatRadioButton1 = new TFlatRadioButton(this);
    FlatRadioButton1->setGeometry(24, 104, 145, 17);
    FlatRadioButton1->SetCaption(QStringLiteral("Standardowej"));
    FlatRadioButton1->SetChecked(true);
    FlatRadioButton2 = new TFlatRadioButton(this);
    FlatRadioButton2->setGeometry(184, 104, 145, 17);
    FlatRadioButton2->SetCaption(QStringLiteral("Dodatkowej"));

    // Three rows: what to remind of, days before it, days after it.
    static constexpr struct {
        int y;
        const char* what;
    } kRows[] = {
        {136, "Informuj o urodzinach"}, {160, "Informuj o imieninach"}, {184, "Informuj o innych wydarzeniach"}};
    for (int row = 0; row < 3; ++row) {
        const int y = kRows[row].y;
        const int first = 2 + 3 * row;
        label(first, 8, y + 4, kRows[row].what);
        label(first + 1, 236, y + 4, "dni przed nimi i ");
        label(first + 2, 374, y + 4, "dni po nich");
        for (int k = 0; k < 2; ++k) {
            const int box = 1 + 2 * row + k;
            auto* combo = new TZuboComboBox(this, csDropDownList);
            QStringList items;
            for (int days = 0; days < dayBoxItemCount(box - 1); ++days)
                items << QString::number(days);
            combo->SetItems(items);
            combo->setMaxVisibleItems(15);
            combo->setGeometry(k == 0 ? 190 : 328, y, 41, 21);
            ZuboComboBox[std::size_t(box)] = combo;
        }
    }

    // Above the rows it covers while shown.
    DirectoryModel = new QFileSystemModel(this);
    DirectoryModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
    DirectoryListBox1 = new QTreeView(this);
    DirectoryListBox1->setModel(DirectoryModel);
    for (int column = 1; column < DirectoryModel->columnCount(); ++column)
        DirectoryListBox1->hideColumn(column);
    DirectoryListBox1->setHeaderHidden(true);
    DirectoryListBox1->setGeometry(56, 75, 361, 113);
    DirectoryListBox1->hide();
    connect(DirectoryListBox1, &QTreeView::doubleClicked, this, &TForm15::DirectoryListBox1DblClick);
    connect(DirectoryModel, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
        if (m_browserFolder.isEmpty() || !(m_browserFolder + u'/').startsWith(loaded))
            return;
        showBrowserFolder();
        // Once there, the user's own scrolling is left alone.
        if (QDir::cleanPath(loaded) == m_browserFolder)
            m_browserFolder.clear();
    });

    DriveComboBox1 = new QComboBox(this);
    DriveComboBox1->setGeometry(416, 74, 97, 21);
    DriveComboBox1->hide();
    connect(DriveComboBox1, &QComboBox::currentIndexChanged, this, &TForm15::DriveComboBox1Change);

    FlatSpeedButton3 = new TFlatSpeedButton(this);
    FlatSpeedButton3->setGeometry(440, 112, 17, 17);
    FlatSpeedButton3->SetCaption(QStringLiteral("Z"));
    FlatSpeedButton3->setToolTip(QStringLiteral("Zapisz zmiany"));
    connect(FlatSpeedButton3, &TFlatSpeedButton::OnClick, this, &TForm15::FlatSpeedButton3Click);
    FlatSpeedButton2 = new TFlatSpeedButton(this);
    FlatSpeedButton2->setGeometry(440, 152, 17, 17);
    FlatSpeedButton2->SetCaption(QStringLiteral("X"));
    FlatSpeedButton2->setToolTip(QStringLiteral("Zamknij okno"));
    FlatSpeedButton2->SetModalResult(mrCancel);

    nameNumbered(Label, "Label");
    nameNumbered(ZuboComboBox, "ZuboComboBox");
    nameControls({{FlatCheckBox1, "FlatCheckBox1"},
                  {FlatCheckBox2, "FlatCheckBox2"},
                  {FlatEdit1, "FlatEdit1"},
                  {FlatSpeedButton1, "FlatSpeedButton1"},
                  {FlatSpeedButton2, "FlatSpeedButton2"},
                  {FlatSpeedButton3, "FlatSpeedButton3"},
                  {DirectoryListBox1, "DirectoryListBox1"},
                  {DirectoryModel, "DirectoryModel"},
                  {DriveComboBox1, "DriveComboBox1"},
                  {FlatRadioButton1, "FlatRadioButton1"},
                  {FlatRadioButton2, "FlatRadioButton2"},
                  {Shape1, "Shape1"}});
}

OptionsState TForm15::state() const
{
    OptionsState s;
    for (std::size_t box = 1; box <= 6; ++box)
        s.days[box - 1] = ZuboComboBox[box]->currentIndex();
    s.useDefaultBase = FlatCheckBox1->Checked();
    s.useSecondBase = FlatCheckBox2->Checked();
    // Only emptiness counts here; the text is converted when it is saved.
    s.secondBase = FlatEdit1->text().isEmpty() ? QByteArray() : QByteArray("?");
    s.saveToDefault = FlatRadioButton1->Checked();
    return s;
}

void TForm15::show(const OptionsState& s)
{
    for (std::size_t box = 1; box <= 6; ++box)
        ZuboComboBox[box]->setCurrentIndex(s.days[box - 1]);
    FlatCheckBox1->SetChecked(s.useDefaultBase);
    FlatCheckBox2->SetChecked(s.useSecondBase);
    (s.saveToDefault ? FlatRadioButton1 : FlatRadioButton2)->SetChecked(true);
}

void TForm15::FormShow()
{
    ProfileFile file(settingsPathIn(m_state.programDir), *m_state.writer);
    const OptionsLoad load = readOptions(file);
    show(load.state);
    FlatEdit1->setText(cp1250::toUnicode(load.state.secondBase));
    if (load.writeDefaultInUse) {
        QString error;
        if (!file.writeString(opcje::kSectionOptions, opcje::kDefaultBase, opcje::kInUse, &error))
            report(error);
    }
    FlatSpeedButton1->setGeometry(FlatSpeedButton1->x(), FlatEdit1->y(), FlatSpeedButton1->width(),
                                  FlatEdit1->height());

    DriveComboBox1->blockSignals(true);
    DriveComboBox1->clear();
    DriveComboBox1->addItems(DriveList::current().mountPoints());
    DriveComboBox1->blockSignals(false);
    // A browser left open at the last showing opens again where the data folder now is.
    if (!DirectoryListBox1->isHidden())
        openBrowserAtDataFolder();
    colour();
}

void TForm15::colour()
{
    using namespace schemecolours;
    const ColorScheme& s = m_state.colors;
    applyToWindow(this, s);
    for (QLabel* label : Label) {
        if (label)
            applyToLabel(label, s);
    }
    applyToBar(Shape1, s);
    for (TFlatSpeedButton* b : {FlatSpeedButton1, FlatSpeedButton2, FlatSpeedButton3})
        apply(b, s);
    apply(FlatEdit1, s, EditFont::Keep);
    for (std::size_t box = 1; box <= 6; ++box)
        apply(ZuboComboBox[box], s);
    applyToPlainList(DirectoryListBox1, s);
    applyToPlainList(DriveComboBox1, s);
    apply(FlatCheckBox1, s);
    apply(FlatCheckBox2, s);
    apply(FlatRadioButton1, s);
    apply(FlatRadioButton2, s);
}

void TForm15::FlatSpeedButton1Click()
{
    const bool show = DirectoryListBox1->isHidden();
    if (show)
        openBrowserAtDataFolder();
    DirectoryListBox1->setVisible(show);
    DriveComboBox1->setVisible(show);
    if (show) {
        DirectoryListBox1->raise();
        DriveComboBox1->raise();
    }
}

// The browser opens on the drive of the data folder in use, with that folder chosen and in view.
void TForm15::openBrowserAtDataFolder()
{
    const QString folder = browserStartFolder(FlatEdit1->text(), m_state.programDir);
    QStringList drives;
    for (int i = 0; i < DriveComboBox1->count(); ++i)
        drives << DriveComboBox1->itemText(i);
    const int drive = int(drives.indexOf(mountPointOf(folder, drives)));
    if (drive >= 0) {
        const QSignalBlocker quiet(DriveComboBox1);
        DriveComboBox1->setCurrentIndex(drive);
    }
    DriveComboBox1Change();
    m_browserFolder = folder;
    showBrowserFolder();
}

// The model reads folders in the background: the folder is chosen at once and brought into view
// again as each folder above it has been read.
void TForm15::showBrowserFolder()
{
    const QModelIndex at = DirectoryModel->index(m_browserFolder);
    if (!at.isValid())
        return;
    DirectoryListBox1->setCurrentIndex(at);
    DirectoryListBox1->scrollTo(at);
}

void TForm15::DriveComboBox1Change()
{
    const QString root = DriveComboBox1->currentText();
    if (root.isEmpty())
        return;
    DirectoryListBox1->setRootIndex(DirectoryModel->setRootPath(root));
}

void TForm15::DirectoryListBox1DblClick(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    FlatEdit1->setText(DirectoryModel->filePath(index));
    FlatCheckBox2->SetChecked(true);
}

void TForm15::FlatSpeedButton3Click()
{
    OptionsState s = state();
    const QList<int> corrections = correctOptions(s);
    if (!corrections.isEmpty())
        show(s);
    for (const int message : corrections)
        Prompter::current().inform(nullptr, messageBoxCaption(),
                                   cp1250::toUnicode(m_state.messages[std::size_t(message)]));

    QString error;
    const std::optional<QByteArray> folder = storableText(FlatEdit1->text(), QStringLiteral("Inna"), &error);
    if (!folder && s.useSecondBase) {
        report(error);
        return;
    }
    s.secondBase = folder.value_or(QByteArray());
    ProfileFile file(settingsPathIn(m_state.programDir), *m_state.writer);
    // A failed write ends the command: the dialog stays open and says where it could not write.
    if (!writeOptions(file, s, &error)) {
        report(error);
        return;
    }
    Prompter::current().inform(nullptr, messageBoxCaption(),
                               cp1250::toUnicode(m_state.messages[std::size_t(kMsgRestart)]));
    done(mrOk);
}

void TForm15::showEvent(QShowEvent* event)
{
    openCentred(this, event, [this] { FormShow(); });
    QDialog::showEvent(event);
}

} // namespace opcje
