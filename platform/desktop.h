#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

// What the desktop tells a control about the mouse and the windows: the cursor position, the widget
// under it, the active window, the screen and the wheel-scroll setting; and the busy cursor the
// program shows over its windows during a long step. The hover, hint and wheel rules read them only
// through here, so tests can put the cursor anywhere without a real mouse.
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
    // Shows the busy cursor over every window of the program (true) or the usual cursors again
    // (false); the calls pair up and nest.
    virtual void showBusyCursor(bool busy) const = 0;

    // The desktop in force: the real one unless a test installed another.
    static const Desktop& current();
    // Installs a desktop (nullptr goes back to the real one); the caller keeps ownership.
    static void setCurrent(const Desktop* desktop);
};

// The busy cursor for as long as it lives.
class BusyCursor {
public:
    BusyCursor() { Desktop::current().showBusyCursor(true); }
    ~BusyCursor() { Desktop::current().showBusyCursor(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};
