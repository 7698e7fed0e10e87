#include "szukanie.h"

#include "FlatUtilitys.h"
#include "TFlatEditUnit.h"
#include "TFlatHintUnit.h"
#include "TFlatListBoxUnit.h"
#include "TFlatRadioButtonUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "codec1250.h"
#include "dialogrunner.h"
#include "prompter.h"
#include "schemecolours.h"
#include "shape.h"
#include "windowparts.h"
#include "windowplace.h"

#include <QLabel>

namespace szukanie {
namespace {

constexpr int kMsgNothingFound = 20;
constexpr int kMsgNoCriteria = 21;
// How the group list shows the menu's separator.
constexpr char kSeparatorRow[] = "--------------------------";

constexpr int kRowTop = 24;
constexpr int kRowStep = 24;
constexpr int kEditLeft = 176;
constexpr int kEditWidth = 177;
constexpr int kEditHeight = 19;
constexpr int kJoinLine = 368;

// The criteria rows from the top: the label's number and text, and the number of the row's edit; the
// phone row (edit 0) holds three edits side by side.
struct Row {
    int label;
    const char* text;
    int edit;
};
constexpr Row kRows[] = {
    {1, "Imię / Nazwisko / Nazwa", 1},
    {2, "ulica", 2},
    {3, "nr domu", 3},
    {4, "nr mieszkania", 4},
    {5, "miejscowość", 5},
    {6, "telefon", 0},
    {7, "email", 9},
    {13, "NIP", 10},
    {14, "Regon", 11},
    {15, "Notatki", 12},
};
constexpr int kPhoneRow = 5;

// A thin line, drawn as the outline of a shape one pixel wide or high.
TShape* line(QWidget* parent, int x, int y, int w, int h)
{
    auto* shape = new TShape(parent);
    shape->SetFilled(false);
    shape->setGeometry(x, y, w, h);
    return shape;
}

} // namespace

TForm7::TForm7(const ProgramState& state, PersonListOwner& list, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_list(list)
{
    setWindowTitle(windowCaption());
    setFixedSize(632, 266);
    setFont(DefaultUiFont());

    i = new TFlatRadioButton(this);
    i->setGeometry(208, 3, 49, 17);
    i->SetCaption(QStringLiteral("AND"));
    lub = new TFlatRadioButton(this);
    lub->setGeometry(272, 3, 49, 17);
    lub->SetCaption(QStringLiteral("OR"));
    lub->SetChecked(true);

    for (int r = 0; r < int(std::size(kRows)); ++r) {
        const int top = kRowTop + r * kRowStep;
        Label[std::size_t(kRows[r].label)] = makeLabel(this, QString::fromUtf8(kRows[r].text), 8, top);
        Shape[std::size_t(3 + r)] = line(this, r == kPhoneRow ? 362 : kEditLeft + kEditWidth, top + 9,
                                         r == kPhoneRow ? kJoinLine - 362 : kJoinLine - kEditLeft - kEditWidth, 1);
        if (const int number = kRows[r].edit) {
            auto* edit = new TFlatEdit(this);
            edit->setGeometry(kEditLeft, top, kEditWidth, kEditHeight);
            FlatEdit[std::size_t(number)] = edit;
        }
    }
    const int phoneTop = kRowTop + kPhoneRow * kRowStep;
    for (const auto& [number, left] : {std::pair{6, 169}, std::pair{7, 245}, std::pair{8, 321}}) {
        auto* edit = new TFlatEdit(this);
        edit->setGeometry(left, phoneTop, 41, kEditHeight);
        FlatEdit[std::size_t(number)] = edit;
    }
    Label[10] = makeLabel(this, QStringLiteral("AND"), 213, phoneTop + 3);
    Label[11] = makeLabel(this, QStringLiteral("AND"), 289, phoneTop + 3);
    Shape[1] = line(this, kJoinLine, kRowTop + 9, 1, 9 * kRowStep + 1);
    Shape[13] = line(this, 208, 21, 113, 1);
    for (std::size_t n = 1; n < FlatEdit.size(); ++n)
        connect(FlatEdit[n], &QLineEdit::returnPressed, this, &TForm7::RunSearch);

    Label[9] = makeLabel(this, QStringLiteral("Grupy"), 376, 0);
    Label[8] = makeLabel(this, QStringLiteral("AND"), 376, 120);
    Label[12] = new QLabel(QStringLiteral("O R"), this);
    Label[12]->setGeometry(584, 112, 17, 33);
    Label[12]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label[12]->setWordWrap(true);

    FlatListBox1 = new TFlatListBox(this);
    FlatListBox1->SetScrollBars(true);
    FlatListBox1->setGeometry(408, 16, 177, 233);
    FlatListBox1->SetMultiSelect(true);
    FlatListBox1->setToolTip(
        QString::fromUtf8("Wybierz grupy, w których musi być szukana osoba lub pozostaw bez zaznaczeń."));

    Shape2 = new TShape(this);
    Shape2->setGeometry(600, -8, 17, 281);
    FlatSpeedButton10 = new TFlatSpeedButton(this);
    FlatSpeedButton10->setGeometry(600, 176, 17, 17);
    FlatSpeedButton10->SetCaption(QStringLiteral("Z"));
    FlatSpeedButton10->setToolTip(QString::fromUtf8("Znajdź"));
    connect(FlatSpeedButton10, &TFlatSpeedButton::OnClick, this, &TForm7::RunSearch);
    FlatSpeedButton1 = new TFlatSpeedButton(this);
    FlatSpeedButton1->setGeometry(600, 216, 17, 17);
    FlatSpeedButton1->SetCaption(QStringLiteral("X"));
    FlatSpeedButton1->setToolTip(QStringLiteral("Zamknij okno"));
    FlatSpeedButton1->SetModalResult(mrCancel);

    FlatHint1 = new TFlatHint(this);
    FlatHint1->SetFont(DefaultUiFont());
    nameNumbered(FlatEdit, "FlatEdit");
    nameNumbered(Label, "Label");
    nameNumbered(Shape, "Shape");
    nameControls({{i, "i"},
                  {lub, "lub"},
                  {FlatListBox1, "FlatListBox1"},
                  {Shape2, "Shape2"},
                  {FlatSpeedButton1, "FlatSpeedButton1"},
                  {FlatSpeedButton10, "FlatSpeedButton10"},
                  {FlatHint1, "FlatHint1"}});
}

void TForm7::ShowSearch()
{
    for (std::size_t n = 1; n < FlatEdit.size(); ++n)
        FlatEdit[n]->clear();
    m_groupRows.clear();
    QStringList rows;
    const QList<GroupFilterMenu::Item>& items = m_list.GroupMenu().items();
    for (qsizetype r = 0; r < items.size(); ++r) {
        m_groupRows.append(items[r].caption);
        rows << (r == GroupFilterMenu::Separator ? QString::fromLatin1(kSeparatorRow)
                                                 : cp1250::toUnicode(items[r].caption));
    }
    FlatListBox1->SetItems(rows);
    FlatListBox1->SetSelected(GroupFilterMenu::All, true);
    FlatEdit[1]->setFocus();
    DialogRunner::current().run(*this);
}

SearchRequest TForm7::request() const
{
    SearchRequest r;
    const auto& criteria = searchCriteria();
    for (std::size_t i = 0; i < criteria.size(); ++i)
        r.texts.*criteria[i].text = cp1250::fromUnicode(FlatEdit[i + 1]->text());
    r.andMode = i->Checked();
    SearchGroups& g = r.groups;
    g.oneOffs = FlatListBox1->GetSelected(GroupFilterMenu::OneOffs);
    g.bin = FlatListBox1->GetSelected(GroupFilterMenu::Bin);
    g.all = FlatListBox1->GetSelected(GroupFilterMenu::All);
    for (int row = 0; row < FlatListBox1->Items().size(); ++row) {
        if (!FlatListBox1->GetSelected(row))
            continue;
        g.any = true;
        if (row >= GroupFilterMenu::FirstGroup && row < m_groupRows.size())
            g.groups.append(m_groupRows[row]);
    }
    return r;
}

void TForm7::RunSearch()
{
    const SearchRequest r = request();
    const auto message = [this](int number) {
        Prompter::current().inform(nullptr, messageBoxCaption(),
                                   cp1250::toUnicode(m_state.messages[std::size_t(number)]));
    };
    if (r.isEmpty()) {
        message(kMsgNoCriteria);
        return;
    }
    QList<PersonListEntry> hits =
        PersonSearch(dataFolders(m_state.settings, m_state.programDir), *m_state.reader).run(r);
    if (hits.isEmpty()) {
        message(kMsgNothingFound);
        done(mrCancel);
        return;
    }
    m_list.ShowSearchHits(std::move(hits));
    done(mrOk);
}

void TForm7::FormShow()
{
    const ColorScheme& s = m_state.colors;
    using namespace schemecolours;
    applyToWindow(this, s);
    applyToBar(Shape2, s);
    for (TShape* shape : Shape) {
        if (shape)
            applyToFrame(shape, s);
    }
    apply(FlatSpeedButton1, s);
    apply(FlatSpeedButton10, s);
    for (std::size_t n = 1; n < FlatEdit.size(); ++n)
        apply(FlatEdit[n], s, EditFont::FromScheme);
    apply(i, s);
    apply(lub, s);
    apply(FlatListBox1, s);
}

void TForm7::showEvent(QShowEvent* e)
{
    openCentred(this, e, [this] { FormShow(); });
    QDialog::showEvent(e);
}

} // namespace szukanie
