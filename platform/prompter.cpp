#include "prompter.h"

#include <QMessageBox>

namespace {

class MessageBoxPrompter final : public Prompter {
public:
    Answer askYesNo(QWidget* owner, const QString& caption, const QString& text) override
    {
        const auto button = QMessageBox::question(owner, caption, text, QMessageBox::Yes | QMessageBox::No);
        return button == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }

    void showError(QWidget* owner, const QString& caption, const QString& text) override
    {
        QMessageBox::critical(owner, caption, text);
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
