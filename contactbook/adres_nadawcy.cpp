#include "adres_nadawcy.h"

#include "FlatUtilitys.h"
#include "TFlatMemoUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "codec1250.h"
#include "fieldtext.h"
#include "profilefile.h"
#include "prompter.h"
#include "schemecolours.h"
#include "senderaddress.h"
#include "settings.h"
#include "shape.h"
#include "windowparts.h"
#include "windowplace.h"

#include <QLabel>
#include <QShowEvent>

namespace adres_nadawcy {

TForm13::TForm13(const ProgramState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
{
    setWindowTitle(windowCaption());
    setFixedSize(288, 135);
    setFont(DefaultUiFont());

    Shape1 = new TShape(this);
    Shape1->setGeometry(232, 0, 17, 137);

    Label1 = new QLabel(QString::fromUtf8("Podaj pełny adres nadawcy:"), this);
    Label1->move(16, 8);
    Label1->adjustSize();

    FlatMemo1 = new TFlatMemo(this);
    FlatMemo1->setGeometry(16, 32, 185, 89);

    const auto button = [this](int y, const char* caption, const char* hint, int result) {
        auto* b = new TFlatSpeedButton(this);
        b->setGeometry(232, y, 17, 17);
        b->SetCaption(QString::fromUtf8(caption));
        b->setToolTip(QString::fromUtf8(hint));
        b->SetModalResult(result);
        return b;
    };
    // "Z" closes with OK only once its click has stored the address.
    FlatSpeedButton1 = button(71, "Z", "Zacznij drukowanie", mrNone);
    FlatSpeedButton2 = button(103, "X", "Zamknij okno i anuluj drukowanie", mrCancel);
    connect(FlatSpeedButton1, &TFlatSpeedButton::OnClick, this, &TForm13::FlatSpeedButton1Click);
    nameControls({{Label1, "Label1"},
                  {FlatMemo1, "FlatMemo1"},
                  {Shape1, "Shape1"},
                  {FlatSpeedButton1, "FlatSpeedButton1"},
                  {FlatSpeedButton2, "FlatSpeedButton2"}});
}

void TForm13::FormShow()
{
    FlatMemo1->clear();
    QStringList lines;
    for (const QByteArray& line : readSenderAddress(ProfileFile(settingsPathIn(m_state.programDir), *m_state.writer)))
        lines << cp1250::toUnicode(line);
    FlatMemo1->SetLines(lines);
    m_lines.clear();

    const ColorScheme& s = m_state.colors;
    schemecolours::applyToWindow(this, s);
    schemecolours::applyToBar(Shape1, s);
    schemecolours::apply(FlatSpeedButton1, s);
    schemecolours::apply(FlatSpeedButton2, s);
    schemecolours::apply(FlatMemo1, s);
}

void TForm13::FlatSpeedButton1Click()
{
    const auto report = [](const QString& text) {
        Prompter::current().showError(nullptr, QStringLiteral("Zubo"), text);
    };
    QList<QByteArray> lines;
    for (const QString& line : FlatMemo1->Lines()) {
        QString error;
        const std::optional<QByteArray> bytes = storableText(line, QString::fromUtf8("adres nadawcy"), &error);
        if (!bytes) {
            report(error);
            return;
        }
        lines.append(*bytes);
    }
    ProfileFile opcje(settingsPathIn(m_state.programDir), *m_state.writer);
    QString error;
    // An address that could not be stored is not printed either: the dialog stays open.
    if (!storeSenderAddress(opcje, lines, &error)) {
        report(error);
        return;
    }
    m_lines = lines;
    done(mrOk);
}

void TForm13::showEvent(QShowEvent* event)
{
    openCentred(this, event, [this] { FormShow(); });
    QDialog::showEvent(event);
}

} // namespace adres_nadawcy
