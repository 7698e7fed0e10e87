#include "textlines.h"

#include "filewriter.h"

#include <QFile>

namespace {

constexpr char kEndOfFile = 0x1A;

void describe(const QFile& file, QString* error, int* code)
{
    if (error)
        *error = QStringLiteral("%1: %2").arg(file.fileName(), file.errorString());
    if (code)
        *code = file.error();
}

} // namespace

Lines splitLines(const QByteArray& bytes)
{
    const qsizetype end = bytes.indexOf(kEndOfFile);
    return splitRawLines(end < 0 ? bytes : bytes.left(end));
}

Lines splitRawLines(const QByteArray& bytes)
{
    Lines lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', start);
        if (lf < 0) {
            lines.append(bytes.mid(start));
            break;
        }
        qsizetype stop = lf;
        if (stop > start && bytes[stop - 1] == '\r')
            --stop;
        lines.append(bytes.mid(start, stop - start));
        start = lf + 1;
    }
    return lines;
}

QByteArray joinLines(const Lines& lines)
{
    qsizetype size = 0;
    for (const QByteArray& line : lines)
        size += line.size() + 2;
    QByteArray bytes;
    bytes.reserve(size);
    for (const QByteArray& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

std::optional<QByteArray> readBytes(const QString& path, QString* error, int* code)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        describe(file, error, code);
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        describe(file, error, code);
        return std::nullopt;
    }
    return bytes;
}

std::optional<Lines> readLines(const QString& path, QString* error, int* code)
{
    const std::optional<QByteArray> bytes = readBytes(path, error, code);
    if (!bytes)
        return std::nullopt;
    return splitLines(*bytes);
}

std::optional<QByteArray> readFirstLine(const QString& path, QString* error, int* code)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        describe(file, error, code);
        return std::nullopt;
    }
    // Person files are small; one read almost always holds the whole first line.
    QByteArray head;
    char buffer[512];
    for (;;) {
        const qint64 n = file.read(buffer, sizeof buffer);
        if (n < 0) {
            describe(file, error, code);
            return std::nullopt;
        }
        head.append(buffer, n);
        if (n == 0 || head.contains('\n') || head.contains(kEndOfFile))
            break;
    }
    const Lines lines = splitLines(head);
    return lines.isEmpty() ? QByteArray() : lines.first();
}

bool writeLines(const QString& path, const Lines& lines, const FileWriter& writer, QString* error)
{
    return writer.writeAtomically(path, joinLines(lines), error);
}

QByteArray oneLine(QByteArray value)
{
    for (char& c : value) {
        if (c == '\r' || c == '\n' || c == kEndOfFile)
            c = ' ';
    }
    return value;
}
