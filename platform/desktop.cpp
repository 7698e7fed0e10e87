#include "desktop.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QWidget>

namespace {

class SystemDesktop final : public Desktop {
public:
    QPoint cursorPos() const override { return QCursor::pos(); }
    QWidget* widgetAt(const QPoint& global) const override { return QApplication::widgetAt(global); }
    QWidget* activeWindow() const override { return QApplication::activeWindow(); }
    int wheelScrollLines() const override { return QApplication::wheelScrollLines(); }
    QRect screenGeometry(const QPoint& global) const override
    {
        QScreen* screen = QGuiApplication::screenAt(global);
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    }
    void showBusyCursor(bool busy) const override
    {
        if (busy) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            // Drawn now: the step that follows holds the event loop up.
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        } else {
            QApplication::restoreOverrideCursor();
        }
    }
};

const SystemDesktop systemDesktop;
const Desktop* installed = nullptr;

} // namespace

const Desktop& Desktop::current()
{
    return installed ? *installed : systemDesktop;
}

void Desktop::setCurrent(const Desktop* desktop)
{
    installed = desktop;
}
