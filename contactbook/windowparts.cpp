#include "windowparts.h"

#include <QLabel>
#include <QPlainTextEdit>

QLabel* makeLabel(QWidget* parent, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->move(x, y);
    label->adjustSize();
    return label;
}

void useNarrowFont(QWidget* control)
{
    QFont font = control->font();
    font.setStretch(QFont::SemiCondensed);
    control->setFont(font);
}

void makeCentredText(QPlainTextEdit* memo)
{
    memo->setFrameStyle(QFrame::NoFrame);
    memo->setReadOnly(true);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->viewport()->setBackgroundRole(QPalette::Window);
    QTextOption centred = memo->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    memo->document()->setDefaultTextOption(centred);
}

QString messageBoxCaption()
{
    return QStringLiteral("Zubo");
}
