#include "datafolders.h"

#include "filewriter.h"

#include <QDir>
#include <QFileInfo>

bool liesInDataFolders(const QString& path, const QStringList& folders)
{
    // The folder is resolved as the system resolves it when the file is opened, never cleaned by
    // its text first: "baza/link/../x.wps" names x.wps beside the folder the link leads to, not a
    // file of baza. "." and ".." name a folder, not a file of it.
    const QString absolute = QDir::isAbsolutePath(path) ? path : QDir::currentPath() + u'/' + path;
    const qsizetype slash = absolute.lastIndexOf(u'/');
    const QString name = absolute.mid(slash + 1);
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    const QString folder = QFileInfo(slash > 0 ? absolute.left(slash) : QStringLiteral("/")).canonicalFilePath();
    if (folder.isEmpty())
        return false;
    for (const QString& dataFolder : folders) {
        const QString resolved = QFileInfo(dataFolder).canonicalFilePath();
        if (resolved.isEmpty())
            continue;
        if (folder == resolved || folder.startsWith(resolved.endsWith(u'/') ? resolved : resolved + u'/'))
            return true;
    }
    return false;
}

bool isLinkLeadingOut(const QString& path, const QStringList& folders)
{
    return QFileInfo(path).isSymLink() && !liesInDataFolders(fileWrittenFor(path), folders);
}
