#include "windowplace.h"

#include <QScreen>
#include <QShowEvent>
#include <QWidget>

void centreOnScreen(QWidget* window)
{
    if (const QScreen* screen = window->screen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

void openCentred(QWidget* dialog, const QShowEvent* event, const std::function<void()>& showStep)
{
    if (event->spontaneous())
        return;
    showStep();
    centreOnScreen(dialog);
}
