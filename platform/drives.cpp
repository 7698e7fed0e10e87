#include "drives.h"

#include <QStorageInfo>

namespace {

class MountedVolumes final : public DriveList {
public:
    QStringList mountPoints() const override
    {
        QStringList points;
        for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
            if (!volume.isValid() || !volume.isReady())
                continue;
            QString root = volume.rootPath();
            if (!root.endsWith(u'/'))
                root += u'/';
            if (!points.contains(root))
                points << root;
        }
        points.sort();
        return points;
    }
};

const DriveList* g_current = nullptr;

} // namespace

const DriveList& DriveList::current()
{
    static const MountedVolumes real;
    return g_current ? *g_current : real;
}

void DriveList::setCurrent(const DriveList* drives)
{
    g_current = drives;
}
