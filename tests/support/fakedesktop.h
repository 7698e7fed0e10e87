#pragma once

#include "desktop.h"

#include <QPointer>
#include <QWidget>

#include <vector>

// A desktop whose cursor, widget under the cursor, active window and wheel setting the test sets.
// Installs itself for its lifetime. Only widgets of the same process can be under the cursor.
class FakeDesktop : public Desktop {
public:
    FakeDesktop() { Desktop::setCurrent(this); }
    ~FakeDesktop() override { Desktop::setCurrent(nullptr); }
    FakeDesktop(const FakeDesktop&) = delete;
    FakeDesktop& operator=(const FakeDesktop&) = delete;

    QPoint cursorPos() const override { return cursor; }
    QWidget* widgetAt(const QPoint& global) const override { return global == cursor ? under.data() : nullptr; }
    QWidget* activeWindow() const override { return active; }
    int wheelScrollLines() const override { return scrollLines; }
    QRect screenGeometry(const QPoint&) const override { return screen; }
    void showBusyCursor(bool busy) const override
    {
        busyCalls.push_back(busy);
        busyDepth += busy ? 1 : -1;
    }

    // Puts the cursor on a point of w (local coordinates), or off every widget when w is null.
    void moveOnto(QWidget* w, QPoint local = QPoint(1, 1))
    {
        under = w;
        cursor = w ? w->mapToGlobal(local) : QPoint(-10000, -10000);
    }

    QPoint cursor{-10000, -10000};
    QPointer<QWidget> under;
    QPointer<QWidget> active;
    int scrollLines = 3;
    QRect screen{0, 0, 1024, 768};
    // Each showBusyCursor call in turn, and how many busy cursors are shown now.
    mutable std::vector<bool> busyCalls;
    mutable int busyDepth = 0;
};
