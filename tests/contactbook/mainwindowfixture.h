#pragma once

#include "fakes.h"
#include "flattest.h"
#include "start.h"
#include "support.h"

#include <memory>

// The names the main window's chooser lists, in its order.
QStringList listedNames(const start::TForm1& form);

// A program folder in a temporary folder with the main window started in it, message boxes and
// modal shows answered by doubles.
class ProgramFixture : public FlatTest {
protected:
    // Writes a text file of code page 1250 lines, each ended by CR LF.
    QString write(const QString& name, std::initializer_list<const char*> lines);
    // How the program starts in the folder.
    start::StartSetup setup() const;
    // Starts the main window on what the folder holds now.
    start::TForm1& startMain();

    // The texts of the message boxes shown so far.
    QStringList messages() const;

    TempDir dir;
    FakePrompter prompter;
    ScriptedDialogRunner dialogs;
    std::unique_ptr<start::TForm1> main;
};
