#include "datafolders.h"

#include "filewriter.h"

#include <QDir>
#include <QFileInfo>

bool liesInDataFolders(const QString& path, const QStringList& folders)
{
    // Cleaned first, so that "baza/.." names the folder above and not a file of baza.
    const QFileInfo file(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    if (folder.isEmpty() || file.fileName().isEmpty())
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
