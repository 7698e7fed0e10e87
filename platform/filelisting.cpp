#include "filelisting.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

bool sameLetter(QChar a, QChar b)
{
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

} // namespace

bool matchesMask(const QString& name, const QString& mask)
{
    // Iterative glob with one backtracking point, the last "*" seen.
    qsizetype n = 0, m = 0, starMask = -1, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == u'*') {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() && (mask[m] == u'?' || sameLetter(mask[m], name[n]))) {
            ++m;
            ++n;
        } else if (starMask >= 0) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == u'*')
        ++m;
    return m == mask.size();
}

QStringList listFiles(const QString& folder, const QString& mask)
{
    QDir dir(folder);
    QStringList names;
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QFileInfo& info : entries) {
        if (info.isFile() && matchesMask(info.fileName(), mask))
            names.append(info.fileName());
    }
    std::sort(names.begin(), names.end());
    return names;
}
