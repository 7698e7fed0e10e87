#include "prompter.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace {

class MessageBoxPrompter final : public Prompter {
public:
    Answer askYesNo(QWidget* owner, const QString& caption, const QString& text) override
    {
        QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, owner);
        // The users are Polish; the desktop's language may be another.
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Tak"));
        box.button(QMessageBox::No)->setText(QStringLiteral("Nie"));
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }

    Answer askYesNoCancel(QWidget* owner, const QString& caption, const QString& text) override
    {
        QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                        owner);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Tak"));
        box.button(QMessageBox::No)->setText(QStringLiteral("Nie"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("Anuluj"));
        switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
        }
    }

    void showError(QWidget* owner, const QString& caption, const QString& text) override
    {
        QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, owner);
        box.exec();
    }

    bool askOkCancel(QWidget* owner, const QString& caption, const QString& text) override
    {
        QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok | QMessageBox::Cancel, owner);
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("Anuluj"));
        return box.exec() == QMessageBox::Ok;
    }

    void inform(QWidget* owner, const QString& caption, const QString& text) override
    {
        QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
        box.exec();
    }
};

Prompter* g_current = nullptr;

} // namespace

Prompter& Prompter::current()
{
    static MessageBoxPrompter real;
    return g_current ? *g_current : real;
}

void Prompter::setCurrent(Prompter* prompter)
{
    g_current = prompter;
}
