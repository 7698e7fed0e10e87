#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The removable media of this desktop under the drive letters the backup copy asks for: "a" is the
// first mounted removable medium and "b" the second, in the order of their mount points. Tests
// install drives of their own that map the letters to temporary folders.
class RemovableDrives {
public:
    virtual ~RemovableDrives() = default;
    // The folder at which the medium of a drive letter is mounted; empty when there is none.
    virtual QString rootOf(QChar letter) const = 0;

    static const RemovableDrives& current();
    static void setCurrent(const RemovableDrives* drives);
};

struct MountedVolume {
    QString root;   // where it is mounted
    QString device; // its block device, such as /dev/sdb1
};

// The roots of the removable media, sorted: the volumes of a block device (one with an entry under
// `sysBlock`, normally /sys/class/block) whose disk the kernel marks removable (the "removable" flag
// of the disk, or of the disk a partition belongs to) or which the desktop mounted under /media or
// /run/media. A medium mounted twice counts once.
QStringList removableRoots(QList<MountedVolume> volumes, const QString& sysBlock);
