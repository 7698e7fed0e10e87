#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

// What the desktop tells a control about the mouse and the windows: the cursor position, the widget
// under it, the active window, the screen and the wheel-scroll setting. The hover, hint and wheel
// rules read them only through here, so tests can put the cursor anywhere without a real mouse.
class Desktop {
public:
    virtual ~Desktop() = default;
    // Cursor position in global (screen) coordinates.
    virtual QPoint cursorPos() const = 0;
    // The topmost widget of this application at a global point, or none.
    virtual QWidget* widgetAt(const QPoint& global) const = 0;
    // The application's active window, or none while another application is active.
    virtual QWidget* activeWindow() const = 0;
    // Lines to scroll per wheel notch as the user set it (0 or out of range means a page).
    virtual int wheelScrollLines() const = 0;
    // The screen that holds a global point.
    virtual QRect screenGeometry(const QPoint& global) const = 0;

    // The desktop in force: the real one unless a test installed another.
    static const Desktop& current();
    // Installs a desktop (nullptr goes back to the real one); the caller keeps ownership.
    static void setCurrent(const Desktop* desktop);
};
