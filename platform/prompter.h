#pragma once

#include <QString>

class QWidget;

// Message boxes. Every question and error the programs show goes through the current prompter, so
// tests answer them without a modal dialog.
class Prompter {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompter() = default;

    // A question with the buttons Yes and No. `owner` may be null: the box then has no owner window.
    virtual Answer askYesNo(QWidget* owner, const QString& caption, const QString& text) = 0;
    // A question with the buttons Yes, No and Cancel; closing the box answers Cancel.
    virtual Answer askYesNoCancel(QWidget* owner, const QString& caption, const QString& text) = 0;
    // An error report with the button OK.
    virtual void showError(QWidget* owner, const QString& caption, const QString& text) = 0;
    // A notice with the button OK; a double that does not tell notices apart records it as an error.
    virtual void inform(QWidget* owner, const QString& caption, const QString& text)
    {
        showError(owner, caption, text);
    }
    // A notice with the buttons OK and Cancel; true for OK.
    virtual bool askOkCancel(QWidget* owner, const QString& caption, const QString& text) = 0;

    // The prompter in use: the real message boxes unless another was set (tests set a double).
    static Prompter& current();
    static void setCurrent(Prompter* prompter);
};
