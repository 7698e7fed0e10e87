#pragma once

class QDialog;

// Shows the programs' own dialogs modally. Every modal show goes through the current runner, so
// tests drive a dialog (click its buttons, type into it) without a blocking event loop.
class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    // Shows the dialog modally and returns the result it closed with.
    virtual int run(QDialog& dialog) = 0;

    // The runner in use: the real modal show unless another was set (tests set a double).
    static DialogRunner& current();
    static void setCurrent(DialogRunner* runner);
};
