#pragma once

#include "codec1250.h"
#include "fakedialogs.h"
#include "fakes.h"
#include "flattest.h"
#include "mainprogram.h"
#include "support.h"

#include <functional>
#include <initializer_list>
#include <memory>

class Clock;

// The names the main window's chooser lists, in its order.
QStringList listedNames(const start::TForm1& form);

// A program folder in a temporary folder, with the main window alone (startMain) or the whole main
// program (start) started in it, and every outside effect replaced: message boxes, modal shows,
// file dialogs and the printer.
class ProgramFixture : public FlatTest {
protected:
    // Writes a text file of code page 1250 lines, each ended by CR LF.
    QString write(const QString& name, std::initializer_list<const char*> lines);
    // How the program starts in the folder.
    start::StartSetup setup() const;
    // Starts the main window alone on what the folder holds now, with the dialogs `dialogs` makes.
    start::TForm1& startMain(std::function<start::Dialogs(start::TForm1&)> dialogs = {});
    // Creates every window of the program on what the folder holds now.
    void start();

    // Entry `number` of the program's message table.
    QString msg(int number) const;
    // The texts of the message boxes shown so far.
    QStringList messages() const;

    TempDir dir;
    FakePrompter prompter;
    ScriptedDialogRunner dialogs;
    FakeFileChooser files;
    FakePrinter printer;
    // The clock the program is started with; the standard one when null.
    const Clock* clock = nullptr;
    std::unique_ptr<start::TForm1> main;
    std::unique_ptr<MainProgram> program;
};
