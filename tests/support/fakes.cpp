#include "fakes.h"

#include <QDialog>

FakePrompter::FakePrompter()
    : m_previous(&Prompter::current())
{
    Prompter::setCurrent(this);
}

FakePrompter::~FakePrompter()
{
    Prompter::setCurrent(m_previous);
}

Prompter::Answer FakePrompter::askYesNo(QWidget* owner, const QString& caption, const QString& text)
{
    shown.append({true, caption, text, owner, Box::YesNo});
    return answers.isEmpty() ? Answer::No : answers.takeFirst();
}

Prompter::Answer FakePrompter::askYesNoCancel(QWidget* owner, const QString& caption, const QString& text)
{
    shown.append({true, caption, text, owner, Box::YesNoCancel});
    return answers.isEmpty() ? Answer::No : answers.takeFirst();
}

void FakePrompter::showError(QWidget* owner, const QString& caption, const QString& text)
{
    shown.append({false, caption, text, owner, Box::Error});
}

bool FakePrompter::askOkCancel(QWidget* owner, const QString& caption, const QString& text)
{
    shown.append({true, caption, text, owner, Box::OkCancel});
    return !answers.isEmpty() && answers.takeFirst() == Answer::Yes;
}

void FakePrompter::inform(QWidget* owner, const QString& caption, const QString& text)
{
    shown.append({false, caption, text, owner, Box::Notice});
}

RecordingLinkOpener::RecordingLinkOpener()
    : m_previous(&LinkOpener::current())
{
    LinkOpener::setCurrent(this);
}

RecordingLinkOpener::~RecordingLinkOpener()
{
    LinkOpener::setCurrent(m_previous);
}

bool RecordingLinkOpener::open(const QString& url)
{
    opened.append(url);
    return succeed;
}

bool RecordingProcessStarter::startDetached(const QString& program, const QStringList& arguments, QString* error) const
{
    started.append({program, arguments});
    if (!succeed && error)
        *error = QStringLiteral("cannot start %1").arg(program);
    return succeed;
}

ScriptedDialogRunner::ScriptedDialogRunner()
    : m_previous(&DialogRunner::current())
{
    DialogRunner::setCurrent(this);
}

ScriptedDialogRunner::~ScriptedDialogRunner()
{
    DialogRunner::setCurrent(m_previous);
}

int ScriptedDialogRunner::run(QDialog& dialog)
{
    shown.append(&dialog);
    dialog.open();
    if (!scripts.isEmpty())
        scripts.takeFirst()(dialog);
    if (dialog.isVisible())
        dialog.reject();
    return dialog.result();
}

FixedPictureChooser::FixedPictureChooser(QString answer)
    : answer(std::move(answer))
    , m_previous(&PictureChooser::current())
{
    PictureChooser::setCurrent(this);
}

FixedPictureChooser::~FixedPictureChooser()
{
    PictureChooser::setCurrent(m_previous);
}

QString FixedPictureChooser::choosePicture(QWidget*)
{
    ++asked;
    return answer;
}

FakeColourPicker::FakeColourPicker()
    : m_previous(&ColourPicker::current())
{
    ColourPicker::setCurrent(this);
}

FakeColourPicker::~FakeColourPicker()
{
    ColourPicker::setCurrent(m_previous);
}

std::optional<QColor> FakeColourPicker::pick(QWidget*, const QColor& initial)
{
    opened.append(initial);
    return answer;
}

RecordingClipboard::RecordingClipboard()
    : m_previous(&Clipboard::current())
{
    Clipboard::setCurrent(this);
}

RecordingClipboard::~RecordingClipboard()
{
    Clipboard::setCurrent(m_previous);
}
