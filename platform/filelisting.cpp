#include "filelisting.h"

#include <QFile>

#include <algorithm>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool sameLetter(QChar a, QChar b)
{
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

// Only a link, or an entry of a file system that does not tell the type, needs a status call.
bool isPlainFile(int folder, const dirent& entry)
{
    if (entry.d_type == DT_REG)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    struct stat status;
    return fstatat(folder, entry.d_name, &status, 0) == 0 && S_ISREG(status.st_mode);
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
    const FolderListing listing(folder);
    QStringList names;
    for (const QByteArray& stored : listing.names()) {
        const QString name = QFile::decodeName(stored);
        if (matchesMask(name, mask))
            names.append(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

FolderListing::FolderListing(const QString& folder)
{
    m_handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_handle < 0)
        return;
    // The stream gets its own handle, so the listing keeps `m_handle` for opening the files.
    const int streamHandle = ::dup(m_handle);
    DIR* stream = streamHandle < 0 ? nullptr : fdopendir(streamHandle);
    if (!stream) {
        if (streamHandle >= 0)
            ::close(streamHandle);
        return;
    }
    while (const dirent* entry = readdir(stream)) {
        const QByteArrayView name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        if (isPlainFile(m_handle, *entry))
            m_names.emplace_back(name.data(), name.size());
    }
    closedir(stream);
}

FolderListing::~FolderListing()
{
    if (m_handle >= 0)
        ::close(m_handle);
}

bool precedesAsText(QByteArrayView a, QByteArrayView b)
{
    const auto [ia, ib] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (ia == a.end())
        return ib != b.end();
    if (ib == b.end())
        return false;
    const auto x = uchar(*ia);
    const auto y = uchar(*ib);
    // Text compares UTF-16 units, in which the characters above U+FFFF (UTF-8 lead bytes F0 to F4)
    // come before U+E000 to U+FFFF (lead bytes EE and EF). Everywhere else the byte order is the
    // order of the text; a difference inside a character lies between two continuation bytes.
    const auto above = [](uchar c) { return c >= 0xF0; };
    const auto topOfPlane = [](uchar c) { return c == 0xEE || c == 0xEF; };
    if (above(x) && topOfPlane(y))
        return true;
    if (topOfPlane(x) && above(y))
        return false;
    return x < y;
}

bool decodesExactly(QByteArrayView name)
{
    if (std::all_of(name.begin(), name.end(), [](char c) { return uchar(c) < 0x80; }))
        return true;
    return QFile::encodeName(QFile::decodeName(name.toByteArray())) == name;
}
