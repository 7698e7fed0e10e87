#include "storedpaths.h"

#include "settings.h"

StoredPathFolders storedPathFolders(const DatabaseSettings& settings, const QString& programDir)
{
    return {defaultBaseIn(programDir), settings.UseSecondBase ? settings.SecondBasePath : QString()};
}

QString localPersonPath(const QString& stored, const StoredPathFolders& folders)
{
    if (stored.startsWith(u'/') || !stored.contains(u'\\'))
        return stored;
    const QStringList parts = stored.split(u'\\');
    const QString name = parts.last();
    // The old system's file names ignore case, and its program folder was kept in lower case.
    const bool inDefault = parts.size() >= 2 && parts[parts.size() - 2].compare(u"baza", Qt::CaseInsensitive) == 0;
    const QString folder = inDefault ? folders.defaultBase : folders.secondBase;
    if (name.isEmpty() || folder.isEmpty())
        return stored;
    return folder + name;
}
