// The contact book's entry: the application, its windows in their order, the message loop.
#include "FlatUtilitys.h"
#include "bitmaps.h"
#include "mainprogram.h"
#include "programfolder.h"
#include "qttranslation.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QPixmap>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    installPolishQtTranslation(app);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(bitmapResource(u"IKONA"))));
    // The desktop entry the installer writes, so the desktop shows its name and icon for the window.
    QGuiApplication::setDesktopFileName(QStringLiteral("zubo"));
    // The application title; a language text may replace it.
    QCoreApplication::setApplicationName(QStringLiteral("ZUBO"));
    QApplication::setFont(DefaultUiFont());

    start::StartSetup setup;
    const ProgramPlaces places =
        programPlacesOf(InstallFacts::probe(QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath()));
    setup.programDir = places.programDir;
    setup.soundDir = places.soundDir;
    setup.shippedNameDayDir = places.shippedNameDayDir;
    setup.shippedSums = places.shippedSums;
    setup.arguments = QCoreApplication::arguments().mid(1);
    setup.workingDir = QDir::currentPath();

    const std::unique_ptr<MainProgram> windows = createWindows(setup);
    if (!windows->Form1->Started())
        return 1;
    windows->Form1->show();
    return app.exec();
}
