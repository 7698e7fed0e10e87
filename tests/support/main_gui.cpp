#include "fakedialogs.h"
#include "fakes.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Widget tests draw on the offscreen platform unless the caller chose another one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A message box that a test did not expect is answered No instead of waiting for a click, a
    // modal dialog is closed at once and the picture dialog is cancelled; tests that check them
    // install their own doubles.
    FakePrompter noModalDialogs;
    RecordingLinkOpener noBrowser;
    ScriptedDialogRunner noBlockingDialogs;
    FixedPictureChooser noPictureDialog;
    // File dialogs are cancelled, and nothing reaches a real printer.
    FakeFileChooser noFileDialogs;
    FakePrinter noPaper;
    FakeColourPicker noColourDialog;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
