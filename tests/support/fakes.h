#pragma once

#include "clipboard.h"
#include "colourpicker.h"
#include "dialogrunner.h"
#include "linkopener.h"
#include "picturechooser.h"
#include "processstarter.h"
#include "prompter.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Test doubles of the outside effects, so a test never reaches a real message box, browser or
// process. Each double of a process-wide effect installs itself for its lifetime and puts back the
// one it replaced; the others are handed to the window under test.

// Answers questions from a script (then No; Yes stands for OK and No for Cancel), and records every
// box it was asked to show.
class FakePrompter : public Prompter {
public:
    enum class Box { YesNo, YesNoCancel, Error, OkCancel, Notice };
    struct Shown {
        bool question; // Yes and No, or OK and Cancel
        QString caption;
        QString text;
        QWidget* owner;
        Box box;
    };

    FakePrompter();
    ~FakePrompter() override;
    FakePrompter(const FakePrompter&) = delete;
    FakePrompter& operator=(const FakePrompter&) = delete;

    Answer askYesNo(QWidget* owner, const QString& caption, const QString& text) override;
    Answer askYesNoCancel(QWidget* owner, const QString& caption, const QString& text) override;
    void showError(QWidget* owner, const QString& caption, const QString& text) override;
    bool askOkCancel(QWidget* owner, const QString& caption, const QString& text) override;
    void inform(QWidget* owner, const QString& caption, const QString& text) override;

    QList<Answer> answers; // taken from the front
    QList<Shown> shown;

private:
    Prompter* m_previous;
};

class RecordingLinkOpener : public LinkOpener {
public:
    RecordingLinkOpener();
    ~RecordingLinkOpener() override;
    RecordingLinkOpener(const RecordingLinkOpener&) = delete;
    RecordingLinkOpener& operator=(const RecordingLinkOpener&) = delete;

    bool open(const QString& url) override;

    QStringList opened;
    bool succeed = true;

private:
    LinkOpener* m_previous;
};

// Records the programs it is asked to start, and starts none.
class RecordingProcessStarter : public ProcessStarter {
public:
    struct Start {
        QString program;
        QStringList arguments;
    };

    bool startDetached(const QString& program, const QStringList& arguments, QString* error) const override;

    mutable QList<Start> started;
    bool succeed = true;
};

// Opens each dialog without blocking, runs the next script on it (which clicks, types and so
// closes it) and returns the result the dialog closed with. A dialog still open after its script,
// or shown without one, is closed as by its window's close box.
class ScriptedDialogRunner : public DialogRunner {
public:
    using Script = std::function<void(QDialog&)>;

    ScriptedDialogRunner();
    ~ScriptedDialogRunner() override;
    ScriptedDialogRunner(const ScriptedDialogRunner&) = delete;
    ScriptedDialogRunner& operator=(const ScriptedDialogRunner&) = delete;

    int run(QDialog& dialog) override;

    QList<Script> scripts; // taken from the front
    QList<QDialog*> shown;

private:
    DialogRunner* m_previous;
};

// Answers the picture-open dialog with a fixed path (empty: the user cancelled).
class FixedPictureChooser : public PictureChooser {
public:
    explicit FixedPictureChooser(QString answer = QString());
    ~FixedPictureChooser() override;
    FixedPictureChooser(const FixedPictureChooser&) = delete;
    FixedPictureChooser& operator=(const FixedPictureChooser&) = delete;

    QString choosePicture(QWidget* owner) override;

    QString answer;
    int asked = 0;

private:
    PictureChooser* m_previous;
};

// Answers the colour dialog with `answer` (nothing: Cancel) and records the colour it opened on.
class FakeColourPicker : public ColourPicker {
public:
    FakeColourPicker();
    ~FakeColourPicker() override;
    FakeColourPicker(const FakeColourPicker&) = delete;
    FakeColourPicker& operator=(const FakeColourPicker&) = delete;

    std::optional<QColor> pick(QWidget* parent, const QColor& initial) override;

    std::optional<QColor> answer;
    QList<QColor> opened;

private:
    ColourPicker* m_previous;
};

class RecordingClipboard : public Clipboard {
public:
    RecordingClipboard();
    ~RecordingClipboard() override;
    RecordingClipboard(const RecordingClipboard&) = delete;
    RecordingClipboard& operator=(const RecordingClipboard&) = delete;

    void setText(const QString& text) override { texts.append(text); }

    QStringList texts;

private:
    Clipboard* m_previous;
};
