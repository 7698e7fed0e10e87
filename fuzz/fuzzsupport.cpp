#include "fuzzsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace fuzz {

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        static QCoreApplication app(argc, argv);
}

const QString& scratchFolder()
{
    // In memory where there is such a folder: the targets write a file or two at every run.
    static const std::unique_ptr<QTemporaryDir> dir =
        QFileInfo(QStringLiteral("/dev/shm")).isWritable()
            ? std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/zubo-fuzz-XXXXXX"))
            : std::make_unique<QTemporaryDir>();
    static const QString path = dir->path() + u'/';
    if (!dir->isValid())
        fail("scratch folder", dir->errorString().toLocal8Bit());
    return path;
}

QString writeScratchFile(const QString& name, const QByteArray& bytes)
{
    const QString path = scratchFolder() + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail("scratch file", path.toLocal8Bit());
    return path;
}

QList<QByteArray> pieces(const QByteArray& input, int count)
{
    static const QByteArray separator("\n====\n");
    QList<QByteArray> out;
    qsizetype from = 0;
    while (out.size() + 1 < count) {
        const qsizetype at = input.indexOf(separator, from);
        if (at < 0)
            break;
        out.append(input.mid(from, at - from));
        from = at + separator.size();
    }
    out.append(input.mid(from));
    while (out.size() < count)
        out.append(QByteArray());
    return out;
}

void fail(const char* what, const QByteArray& detail)
{
    std::fprintf(stderr, "property failed: %s\n", what);
    if (!detail.isEmpty())
        std::fprintf(stderr, "  %s\n", detail.toPercentEncoding(" !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~").constData());
    std::fflush(stderr);
    std::abort();
}

} // namespace fuzz
