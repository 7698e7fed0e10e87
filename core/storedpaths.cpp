#include "storedpaths.h"

#include "personfile.h"
#include "settings.h"

#include <QFileInfo>

StoredPathFolders storedPathFolders(const DatabaseSettings& settings, const QString& programDir)
{
    return {defaultBaseIn(programDir), settings.UseSecondBase ? settings.SecondBasePath : QString()};
}

LocalPersonPaths::LocalPersonPaths(StoredPathFolders folders)
    : m_folders(std::move(folders))
{}

LocalPersonPaths::~LocalPersonPaths() = default;

QString LocalPersonPaths::operator()(const QString& stored)
{
    if (stored.startsWith(u'/') || !stored.contains(u'\\'))
        return stored;
    // The old system separated folders by "/" as well: a name holds neither separator, so it never
    // leads out of the data folder it is looked for in.
    const QStringList parts = QString(stored).replace(u'/', u'\\').split(u'\\');
    const QString name = parts.last();
    // The old system's file names ignore case, and its program folder was kept in lower case.
    const bool inDefault = parts.size() >= 2 && parts[parts.size() - 2].compare(u"baza", Qt::CaseInsensitive) == 0;
    const QString& folder = inDefault ? m_folders.defaultBase : m_folders.secondBase;
    if (name.isEmpty() || name == u"." || name == u".." || folder.isEmpty())
        return stored;
    // Most old files keep the case of their stored names: one look at the name spares the listing.
    const QString exact = folder + name;
    if (QFileInfo(exact).isFile())
        return exact;
    std::unique_ptr<FolderFilesByBase>& files = inDefault ? m_defaultFiles : m_secondFiles;
    if (!files)
        files = std::make_unique<FolderFilesByBase>(folder);
    const QString found = fileNamedIn(*files, name);
    return found.isEmpty() ? exact : found;
}

QString localPersonPath(const QString& stored, const StoredPathFolders& folders)
{
    return LocalPersonPaths(folders)(stored);
}
