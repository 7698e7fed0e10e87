// What the start of a program costs before it does any work of its own, step by step; run as a
// process by checker_program_bench. Built twice: linked with Qt Core only (START_PROBE_CORE), and
// with Qt Widgets, where the argument says how far the GUI library is started:
//   (none)        nothing: the cost of loading the GUI libraries alone
//   application   the QApplication, which loads the platform plugin
//   fonts         also a text laid out in the default font, which loads the font database
#include <QCoreApplication>
#include <QString>

#ifndef START_PROBE_CORE
#include <QApplication>
#include <QFontMetrics>
#endif

#include <cstring>

int main(int argc, char** argv)
{
#ifdef START_PROBE_CORE
    QCoreApplication app(argc, argv);
    return app.arguments().isEmpty() ? 1 : 0;
#else
    if (argc < 2)
        return QString::fromLatin1(argv[0]).isEmpty() ? 1 : 0;
    QApplication app(argc, argv);
    if (std::strcmp(argv[1], "fonts") == 0)
        return QFontMetrics(QApplication::font()).horizontalAdvance(QStringLiteral("Dzisiaj jest")) > 0 ? 0 : 1;
    return 0;
#endif
}
