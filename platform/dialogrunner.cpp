#include "dialogrunner.h"

#include <QDialog>

namespace {

class ModalDialogRunner final : public DialogRunner {
public:
    int run(QDialog& dialog) override { return dialog.exec(); }
};

DialogRunner* g_current = nullptr;

} // namespace

DialogRunner& DialogRunner::current()
{
    static ModalDialogRunner real;
    return g_current ? *g_current : real;
}

void DialogRunner::setCurrent(DialogRunner* runner)
{
    g_current = runner;
}
