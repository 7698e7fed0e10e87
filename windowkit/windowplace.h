#pragma once

#include <functional>

class QShowEvent;
class QWidget;

// Puts a window in the middle of the screen it is on.
void centreOnScreen(QWidget* window);

// A dialog opening: each time the program shows it, its show step runs and it opens in the middle
// of its screen; a show by the window system (a minimised dialog restored) leaves both alone.
void openCentred(QWidget* dialog, const QShowEvent* event, const std::function<void()>& showStep);
