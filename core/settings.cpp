#include "settings.h"

#include "codec1250.h"

namespace {

QString withSlash(QString folder)
{
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

} // namespace

QString programDirOf(const QString& applicationDirPath)
{
    return withSlash(applicationDirPath);
}

QString settingsPathIn(const QString& programDir)
{
    return programDir + QLatin1String(opcje::kFileName);
}

QString defaultBaseIn(const QString& programDir)
{
    return programDir + QStringLiteral("baza/");
}

DatabaseSettings DatabaseSettings::read(const ProfileFile& file)
{
    using namespace opcje;
    const QByteArray second = file.readString(kSectionOptions, kSecondBase, kNone);
    const QByteArray first = file.readString(kSectionOptions, kDefaultBase, kInUse);
    QByteArray saveTo = file.readString(kSectionOptions, kSaveTo, kSaveToDefault);

    DatabaseSettings s;
    s.UseDefaultBase = first == kInUse;
    s.UseSecondBase = second != kNone && !second.isEmpty();
    s.SecondBasePath = cp1250::toUnicode(second);
    if (s.UseSecondBase)
        s.SecondBasePath = withSlash(s.SecondBasePath);
    // An empty value can only come from a hand-edited file; it means the default folder.
    if (saveTo.isEmpty())
        saveTo = kSaveToDefault;
    s.SaveTarget = cp1250::toUnicode(saveTo);
    if (saveTo != kSaveToDefault)
        s.SaveTarget = withSlash(s.SaveTarget);
    return s;
}

QString DatabaseSettings::saveFolder(const QString& programDir) const
{
    return SaveTarget == QLatin1String(opcje::kSaveToDefault) ? defaultBaseIn(programDir) : SaveTarget;
}
