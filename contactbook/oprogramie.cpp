#include "oprogramie.h"

#include "FlatUtilitys.h"
#include "TFlatHintUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "bitmaps.h"
#include "linkopener.h"
#include "maker.h"
#include "schemecolours.h"
#include "shape.h"
#include "texttargets.h"
#include "windowparts.h"
#include "windowplace.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>

namespace oprogramie {
namespace {

QStringList descriptionLines(Edition edition)
{
    const char* first = edition == Edition::Checker ? "Zubo v3.7 - program do zarządzania kontaktami pod Windows "
                                                    : "Zubo v3.7.1 - program do zarządzania kontaktami pod Windows ";
    return {QString::fromUtf8(first), QStringLiteral("9x/Me/XP."),
            QString::fromUtf8("Przypomina o imieninach, urodzinach i innych okazjach.")};
}

void makeLink(QLabel* label, const QString& hint)
{
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    label->adjustSize();
    label->setCursor(Qt::PointingHandCursor);
    label->setToolTip(hint);
}

QString mailto(const char* address)
{
    return QStringLiteral("mailto:") + QLatin1String(address) + QStringLiteral("?Subject=Zubo");
}

} // namespace

TForm2::TForm2(const ColorScheme& scheme, Edition edition, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_scheme(scheme)
{
    setWindowTitle(windowCaption());
    setFixedSize(421, 354);
    setFont(DefaultUiFont());
    SetWidgetColor(this, clMedGray);
    SetFontColor(this, clWindowText);

    // The frame first, so everything else lies over it.
    Shape2 = new TShape(this);
    Shape2->setGeometry(0, 4, 417, 347);
    Shape2->SetFilled(false);
    Shape2->SetPenWidth(3);
    Shape1 = new TShape(this);
    Shape1->setGeometry(368, -44, 17, 489);

    Image1 = new QLabel(this);
    Image1->setPixmap(QPixmap::fromImage(bitmapResource(u"BANER")));
    Image1->move(8, 8);
    Image1->adjustSize();

    Memo1 = new QPlainTextEdit(this);
    Memo1->setGeometry(8, 112, 353, 57);
    makeCentredText(Memo1);
    Memo1->setPlainText(descriptionLines(edition).join(QLatin1Char('\n')));
    Memo1->installEventFilter(this);

    Label3 = makeLabel(this, QString::fromUtf8("Podziękowania dla:"), 16, 264);
    Label4 = makeLabel(this, QString::fromUtf8(kThanksName), 16, 280);
    makeLink(Label4, QString());
    Label1 = makeLabel(this, QLatin1String(kMakerMail), 8, 328);
    makeLink(Label1, QLatin1String(kMakerMail));
    Label2 = makeLabel(this, QLatin1String(kMakerPage), 200, 328);
    makeLink(Label2, QLatin1String(kMakerPage).toString().section(QStringLiteral("://"), 1));
    for (QLabel* link : {Label1, Label2, Label4})
        link->installEventFilter(this);

    FlatSpeedButton2 = new TFlatSpeedButton(this);
    FlatSpeedButton2->setGeometry(368, 296, 17, 17);
    FlatSpeedButton2->SetCaption(QStringLiteral("X"));
    FlatSpeedButton2->setToolTip(QStringLiteral("Zamknij okno"));
    FlatSpeedButton2->SetModalResult(mrCancel);

    FlatHint1 = new TFlatHint(this);
    FlatHint1->SetFont(DefaultUiFont());

    nameControls({{Shape1, "Shape1"},
                  {Shape2, "Shape2"},
                  {Image1, "Image1"},
                  {Memo1, "Memo1"},
                  {Label3, "Label3"},
                  {Label4, "Label4"},
                  {Label1, "Label1"},
                  {Label2, "Label2"},
                  {FlatSpeedButton2, "FlatSpeedButton2"},
                  {FlatHint1, "FlatHint1"}});

    Memo1->setFocus();
}

void TForm2::SetTexts(const QString& closeCaption, const QString& closeHint, const QString& aboutText)
{
    FlatSpeedButton2->SetCaption(closeCaption);
    FlatSpeedButton2->setToolTip(closeHint);
    Memo1->setPlainText(aboutText);
}

void TForm2::RegisterTexts(TextTargets& texts)
{
    texts.add(67, TextTargets::caption(FlatSpeedButton2));
    texts.add(77, TextTargets::hint(FlatSpeedButton2));
    texts.add(106, [this](const QString& text) { Memo1->setPlainText(text); });
}

void TForm2::FormShow()
{
    const ColorScheme& s = m_scheme;
    schemecolours::applyToWindow(this, s);
    schemecolours::applyToBar(Shape1, s);
    schemecolours::applyToFrame(Shape2, s);
    schemecolours::apply(FlatSpeedButton2, s);
    for (QLabel* label : {Label1, Label2, Label3, Label4})
        schemecolours::applyToLabel(label, s);
}

// A link that does not open leaves the box as it is; only a missing mail program is told.
void TForm2::Label1Click()
{
    openMail(mailto(kMakerMail));
}

void TForm2::Label2Click()
{
    LinkOpener::current().open(QLatin1String(kMakerPage));
}

void TForm2::Label4Click()
{
    openMail(mailto(kThanksMail));
}

void TForm2::showEvent(QShowEvent* e)
{
    openCentred(this, e, [this] {
        FormShow();
        Memo1->setFocus();
    });
    QDialog::showEvent(e);
}

bool TForm2::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == Memo1 && e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
        done(mrCancel);
        return true;
    }
    if (e->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(e);
        const auto* label = qobject_cast<QLabel*>(watched);
        if (mouse->button() == Qt::LeftButton && label && label->rect().contains(mouse->position().toPoint())) {
            if (label == Label1)
                Label1Click();
            else if (label == Label2)
                Label2Click();
            else if (label == Label4)
                Label4Click();
        }
    }
    return QDialog::eventFilter(watched, e);
}

} // namespace oprogramie
