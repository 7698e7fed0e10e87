// wakto19: lists what is due and ends, or shows it in the results window.
#include "FlatUtilitys.h"
#include "TFlatHintUnit.h"
#include "bitmaps.h"
#include "checkerscan.h"
#include "clock.h"
#include "fileremover.h"
#include "qttranslation.h"
#include "settings.h"
#include "wyniki.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QPixmap>

namespace {

// The folder of the running program file. Taken before any application object exists, so that the
// scan runs, and a run with nothing due ends, without touching the window system.
QString ownFolder(const char* argv0)
{
    QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (!self.exists())
        self = QFileInfo(QString::fromLocal8Bit(argv0));
    return QFileInfo(self.canonicalFilePath()).absolutePath();
}

} // namespace

int main(int argc, char** argv)
{
    const QString programDir = programDirOf(ownFolder(argv[0]));
    const CheckerResult result = CheckerMain(programDir, Clock::standard().today(), FileRemover::standard());
    if (result.silentEnd())
        return 0;

    QApplication app(argc, argv);
    installPolishQtTranslation(app);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(bitmapResource(u"IKONA"))));
    QApplication::setApplicationName(QStringLiteral("Wakto"));
    QApplication::setFont(DefaultUiFont());
    wyniki::TForm1 form(programDir, FileRemover::standard());
    TFlatHint::SetMainForm(&form);
    form.ApplyTexts(result.Texts);
    form.Fill(result);
    form.show();
    app.exec();
    return 0;
}
