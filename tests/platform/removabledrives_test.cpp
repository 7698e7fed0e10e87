#include "removabledrives.h"

#include "support.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(RemovableRoots, AreTheVolumesOfRemovableDisksInTheOrderOfTheirMountPoints)
{
    // A small block device tree: partitions lie inside their disks, which carry the flag.
    TempDir sys;
    sys.write("disks/sda/removable", "0\n");
    sys.write("disks/sda/sda1/partition", "1\n");
    sys.write("disks/sdb/removable", "1\n");
    sys.write("disks/sdb/sdb1/partition", "1\n");
    sys.write("disks/sdc/removable", "1\n");
    sys.write("disks/fd0/removable", "1\n");
    // USB sticks and cards that the kernel does not mark removable, and a fixed disk.
    sys.write("disks/sdd/removable", "0\n");
    sys.write("disks/sdd/sdd1/partition", "1\n");
    sys.write("disks/sde/removable", "0\n");
    sys.write("disks/sdf/removable", "0\n");
    sys.write("disks/sdf/sdf1/partition", "1\n");
    sys.write("disks/sdg/removable", "0\n");
    sys.mkdir("block");
    for (const char* entry : {"sda", "sda1", "sdb", "sdb1", "sdc", "fd0", "sdd", "sdd1", "sde", "sdf", "sdf1", "sdg"}) {
        const QString name = QString::fromLatin1(entry);
        const QString target = sys.file("disks/" + (name.size() == 4 ? name.left(3) + "/" + name : name));
        ASSERT_TRUE(QFile::link(target, sys.file("block/" + name)));
    }
    const QList<MountedVolume> volumes = {
        {"/", "/dev/sda1"},
        {"/media/usb", "/dev/sdb1"},
        {"/run/user/tmp", "tmpfs"},
        {"/media/usb-again", "/dev/sdb1"},
        {"/media/floppy", "/dev/fd0"},
        {"/media/card", "/dev/sdc"},
        {"/media/gone", "/dev/sdz"},
        {"/media/jan/PENDRIVE", "/dev/sdd1"},
        {"/run/media/jan/KARTA", "/dev/sde"},
        {"/mnt/dane", "/dev/sdf1"},
        {"/media", "/dev/sdg"},
        {"/mediateka/x", "/dev/sdg"},
        {"/media/jan/ram", "tmpfs"},
    };
    EXPECT_EQ(
        removableRoots(volumes, sys.file("block")),
        QStringList({"/media/card", "/media/floppy", "/media/jan/PENDRIVE", "/media/usb", "/run/media/jan/KARTA"}));
    EXPECT_TRUE(removableRoots({}, sys.file("block")).isEmpty());
}

} // namespace
