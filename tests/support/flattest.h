#pragma once

#include "FlatUtilitys.h"
#include "fakedesktop.h"

#include <QImage>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

// Widget tests: a form on the offscreen platform with the programs' font, a fake desktop on which
// the form is the active window, and helpers that send mouse input and read rendered pixels.
class FlatTest : public ::testing::Test {
protected:
    FlatTest();

    // The widget as painted now.
    static QImage snapshot(QWidget& w);
    static TColor pixel(const QImage& image, int x, int y);
    // Pixels within a small distance of a colour: text is drawn smoothed, so its pixels only come
    // near the font colour.
    static int countNear(const QImage& image, TColor c, const QRect& area = QRect());

    static void press(QWidget& w, QPoint p, Qt::MouseButton button = Qt::LeftButton);
    static void release(QWidget& w, QPoint p, Qt::MouseButton button = Qt::LeftButton);
    static void click(QWidget& w, QPoint p, Qt::MouseButton button = Qt::LeftButton);
    static void doubleClick(QWidget& w, QPoint p);
    // Puts the fake cursor on w at p and sends w the mouse move.
    void moveOnto(QWidget& w, QPoint p = QPoint(2, 2), Qt::MouseButtons held = Qt::NoButton);
    // Takes the fake cursor off every widget; w (which holds the mouse) gets the move to p.
    void moveOff(QWidget& w, QPoint p, Qt::MouseButtons held = Qt::NoButton);
    static void wheel(QWidget& w, int delta);
    // A plain text field on the form, shown, to hold the focus away from the controls under test.
    QLineEdit& focusHolder();

    FakeDesktop desktop;
    QWidget form;

private:
    QLineEdit* m_focusHolder = nullptr;
};

// Readable colours in failure messages.
struct Hex {
    TColor value;
    bool operator==(const Hex&) const = default;
};
void PrintTo(const Hex& h, std::ostream* os);
