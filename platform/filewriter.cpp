#include "filewriter.h"

#include <QFile>
#include <QSaveFile>

bool FileWriter::writeAtomically(const QString& path, const QByteArray& bytes, QString* error) const
{
    auto fail = [&](const QString& cause) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, cause);
        return false;
    };
    QSaveFile file(path);
    // Without this QSaveFile writes in place when it may not create a file in the folder.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = writeChunk(file, bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            const QString cause = file.errorString();
            file.cancelWriting();
            return fail(cause.isEmpty() || n == 0 ? QStringLiteral("write failed") : cause);
        }
        done += n;
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

bool FileWriter::createExclusive(const QString& path, QString* error) const
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return true;
    if (error)
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return false;
}

const FileWriter& FileWriter::standard()
{
    static const FileWriter writer;
    return writer;
}

qint64 FileWriter::writeChunk(QIODevice& file, const char* data, qint64 size) const
{
    return file.write(data, size);
}
