#include "linkopener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

LinkOpener* g_current = nullptr;

} // namespace

bool DesktopLinkOpener::open(const QString& url)
{
    const QUrl target(url, QUrl::TolerantMode);
    if (target.scheme().compare(QLatin1String("mailto"), Qt::CaseInsensitive) == 0 && !hasMailProgram())
        return false;
    return QDesktopServices::openUrl(target);
}

bool DesktopLinkOpener::hasMailProgram()
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return true;
    QProcess query;
    query.start(xdgMime,
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("x-scheme-handler/mailto")});
    if (!query.waitForFinished(5000)) {
        query.kill();
        query.waitForFinished();
        return true;
    }
    return query.exitStatus() == QProcess::NormalExit && !query.readAllStandardOutput().trimmed().isEmpty();
}

LinkOpener& LinkOpener::current()
{
    static DesktopLinkOpener real;
    return g_current ? *g_current : real;
}

void LinkOpener::setCurrent(LinkOpener* opener)
{
    g_current = opener;
}
