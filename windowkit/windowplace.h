#pragma once

class QWidget;

// Puts a window in the middle of the screen it is on, as the dialogs open.
void centreOnScreen(QWidget* window);
