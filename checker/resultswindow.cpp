// The checker's results window as a module of its own, loaded by wakto19 only when something is due.
#include "resultswindow.h"

#include "FlatUtilitys.h"
#include "TFlatHintUnit.h"
#include "bitmaps.h"
#include "checkerscan.h"
#include "fileremover.h"
#include "processstarter.h"
#include "prompter.h"
#include "qttranslation.h"
#include "wyniki.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include <type_traits>

extern "C" Q_DECL_EXPORT int wakto19ShowResults(int& argc, char** argv, const QString& programDir,
                                                const QString& programsDir, const CheckerResult& result)
{
    QApplication app(argc, argv);
    installPolishQtTranslation(app);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(bitmapResource(u"IKONA"))));
    QApplication::setApplicationName(QStringLiteral("Wakto"));
    QApplication::setFont(DefaultUiFont());
    wyniki::TForm1 form(programDir, programsDir, FileRemover::standard(), ProcessStarter::standard(),
                        Prompter::current());
    TFlatHint::SetMainForm(&form);
    form.ApplyTexts(result.texts);
    form.Fill(result);
    form.show();
    app.exec();
    return 0;
}

// The entry has the type the program calls it through.
static_assert(std::is_same_v<decltype(&wakto19ShowResults), ShowResultsFunction>);
