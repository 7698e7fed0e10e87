#include "windowparts.h"

#include "codec1250.h"
#include "linkopener.h"
#include "prompter.h"

#include <QLabel>
#include <QPlainTextEdit>

void nameControls(std::initializer_list<std::pair<QObject*, const char*>> controls)
{
    for (const auto& [control, name] : controls)
        control->setObjectName(QLatin1String(name));
}

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

QString windowCaption()
{
    return QStringLiteral("..::  -- ZUBO --  ::..");
}

QString menuText(const QByteArray& caption)
{
    return cp1250::toUnicode(caption).replace(u'&', QStringLiteral("&&"));
}

QString messageBoxCaption()
{
    return QStringLiteral("Zubo");
}

QString missingToolText(MissingTool tool)
{
    switch (tool) {
    case MissingTool::MailProgram:
        return QString::fromUtf8("Nie można otworzyć wiadomości: nie ma programu pocztowego, który otwiera adresy "
                                 "„mailto:”. Zainstaluj program pocztowy lub ustaw go jako domyślny.");
    case MissingTool::SoundPlayer:
        return QString::fromUtf8("Nie można odczytać numeru: nie ma programu do odtwarzania dźwięku "
                                 "(pw-play, paplay lub aplay z pakietu alsa-utils).");
    case MissingTool::SoundDevice:
        return QString::fromUtf8("Nie można odczytać numeru: nie ma urządzenia dźwiękowego albo nie da się na nim "
                                 "odtworzyć dźwięku.");
    case MissingTool::Printer:
        return QString::fromUtf8("Nic nie wydrukowano: nie ma zainstalowanej drukarki.");
    }
    return QString();
}

void tellMissingTool(MissingTool tool)
{
    Prompter::current().showError(nullptr, messageBoxCaption(), missingToolText(tool));
}

void openMail(const QString& url)
{
    if (!LinkOpener::current().open(url))
        tellMissingTool(MissingTool::MailProgram);
}
