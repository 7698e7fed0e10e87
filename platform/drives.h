#pragma once

#include <QStringList>

// The drives of this machine for the options dialog's drive list: the mount points of the mounted
// file systems. Tests install a fixed list.
class DriveList {
public:
    virtual ~DriveList() = default;
    // Mount points, each ending in "/", sorted; the root "/" first.
    virtual QStringList mountPoints() const = 0;

    static const DriveList& current();
    static void setCurrent(const DriveList* drives);
};
