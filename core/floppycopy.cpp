#include "floppycopy.h"

#include "filelisting.h"
#include "settings.h"
#include "textlines.h"

#include <QDir>

namespace {

// The folder "baza" on the medium of a drive letter, made with its parents; empty when there is no
// medium or the folder cannot be made there (a write-protected medium).
QString makeTarget(const RemovableDrives& drives, QChar letter)
{
    const QString root = drives.rootOf(letter);
    if (root.isEmpty())
        return QString();
    const QString folder = QDir(root).filePath(QStringLiteral("baza"));
    return QDir().mkpath(folder) ? folder + u'/' : QString();
}

} // namespace

FloppyCopy copyBaseToFloppy(const QString& programDir, const RemovableDrives& drives, const FileWriter& writer)
{
    FloppyCopy copy;
    copy.target = makeTarget(drives, u'a');
    if (copy.target.isEmpty())
        copy.target = makeTarget(drives, u'b');
    if (copy.target.isEmpty())
        return copy;

    const QString base = defaultBaseIn(programDir);
    for (const QString& name : listFiles(base, QStringLiteral("*.wp?"))) {
        // Each file is read whole (a read error copies nothing) and written whole under a temporary
        // name first, so a full medium never leaves a truncated copy over an older good one.
        const std::optional<QByteArray> bytes = readBytes(base + name);
        const bool done = bytes && writer.writeAtomically(copy.target + name, *bytes, nullptr);
        (done ? copy.copied : copy.failed).append(name);
    }
    copy.result = copy.failed.isEmpty() ? FloppyCopy::Result::Copied : FloppyCopy::Result::CopyFailed;
    return copy;
}
