#include "removabledrives.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace {

bool flagSet(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) && f.readAll().trimmed() == "1";
}

// Where the desktop mounts the media it finds; many USB sticks are not marked removable by the
// kernel, but are mounted here.
bool mountedByDesktop(const QString& root)
{
    return root.startsWith(QLatin1String("/media/")) || root.startsWith(QLatin1String("/run/media/"));
}

bool isRemovable(const QString& root, const QString& device, const QString& sysBlock)
{
    if (!device.startsWith(QLatin1String("/dev/")))
        return false;
    // /dev/disk/by-label/... and the like are links to the device node.
    const QString node = QFileInfo(device).exists() ? QFileInfo(device).canonicalFilePath() : device;
    const QString entry = sysBlock + u'/' + QFileInfo(node).fileName();
    if (!QFileInfo(entry).isDir())
        return false;
    // A partition's entry lies inside its disk's, which holds the flag.
    return mountedByDesktop(root) || flagSet(entry + QLatin1String("/removable")) ||
           flagSet(QFileInfo(entry).canonicalFilePath() + QLatin1String("/../removable"));
}

class SystemRemovableDrives final : public RemovableDrives {
public:
    QString rootOf(QChar letter) const override
    {
        const int index = letter.toLower().unicode() - u'a';
        if (index < 0 || index > 1)
            return QString();
        QList<MountedVolume> volumes;
        for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
            if (volume.isValid() && volume.isReady())
                volumes.append({volume.rootPath(), QString::fromLocal8Bit(volume.device())});
        }
        return removableRoots(volumes, QStringLiteral("/sys/class/block")).value(index);
    }
};

const RemovableDrives* g_current = nullptr;

} // namespace

QStringList removableRoots(QList<MountedVolume> volumes, const QString& sysBlock)
{
    std::sort(volumes.begin(), volumes.end(),
              [](const MountedVolume& a, const MountedVolume& b) { return a.root < b.root; });
    QStringList roots;
    QStringList devices;
    for (const MountedVolume& volume : volumes) {
        // A medium mounted twice counts once, under its first root.
        if (devices.contains(volume.device) || !isRemovable(volume.root, volume.device, sysBlock))
            continue;
        devices.append(volume.device);
        roots.append(volume.root);
    }
    return roots;
}

const RemovableDrives& RemovableDrives::current()
{
    static const SystemRemovableDrives real;
    return g_current ? *g_current : real;
}

void RemovableDrives::setCurrent(const RemovableDrives* drives)
{
    g_current = drives;
}
