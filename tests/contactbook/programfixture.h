#pragma once

#include "codec1250.h"
#include "fakedialogs.h"
#include "fakes.h"
#include "mainprogram.h"
#include "support.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

// The whole main program started in a temporary program folder, with every outside effect replaced:
// message boxes, dialogs, file dialogs and the printer.
class ProgramTest : public ::testing::Test {
protected:
    QString write(const QString& name, std::initializer_list<const char*> lines)
    {
        return dir.write(name, crlf(lines));
    }

    void start()
    {
        start::StartSetup setup;
        setup.programDir = dir.path();
        setup.workingDir = dir.path();
        setup.locale = QLocale(QLocale::Polish, QLocale::Poland);
        program = createWindows(setup);
        ASSERT_TRUE(program->Form1->Started());
    }

    QString msg(int number) const { return cp1250::toUnicode(program->Form1->State().Messages[std::size_t(number)]); }

    QStringList shownTexts() const
    {
        QStringList texts;
        for (const FakePrompter::Shown& s : prompter.shown)
            texts << s.text;
        return texts;
    }

    TempDir dir;
    FakePrompter prompter;
    ScriptedDialogRunner dialogs;
    FakeFileChooser files;
    FakePrinter printer;
    std::unique_ptr<MainProgram> program;
};
