#include "textlines.h"

#include "filewriter.h"

#include <QFile>

#include <algorithm>
#include <cerrno>

#include <sys/stat.h>

namespace {

constexpr char kEndOfFile = 0x1A;

void describe(const QFile& file, QString* error, int* code)
{
    if (error)
        *error = QStringLiteral("%1: %2").arg(file.fileName(), file.errorString());
    if (code)
        *code = file.error();
}

Lines collectLines(LineCursor cursor)
{
    Lines lines;
    for (QByteArrayView line; cursor.next(line);)
        lines.append(line.toByteArray());
    return lines;
}

} // namespace

LineCursor::LineCursor(QByteArrayView bytes)
    : m_rest(bytes)
{
    const qsizetype end = bytes.indexOf(kEndOfFile);
    if (end >= 0)
        m_rest.truncate(end);
}

LineCursor LineCursor::withoutEndOfFile(QByteArrayView bytes)
{
    LineCursor cursor(QByteArrayView{});
    cursor.m_rest = bytes;
    return cursor;
}

bool LineCursor::next(QByteArrayView& line)
{
    if (m_rest.isEmpty())
        return false;
    const qsizetype lf = m_rest.indexOf('\n');
    if (lf < 0) {
        line = m_rest;
        m_rest = QByteArrayView();
        return true;
    }
    qsizetype stop = lf;
    if (stop > 0 && m_rest[stop - 1] == '\r')
        --stop;
    line = m_rest.first(stop);
    m_rest = m_rest.sliced(lf + 1);
    return true;
}

Lines splitLines(const QByteArray& bytes)
{
    return collectLines(LineCursor(bytes));
}

Lines splitRawLines(const QByteArray& bytes)
{
    return collectLines(LineCursor::withoutEndOfFile(bytes));
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
    // Person files are small; one read almost always holds the whole first line. Only the bytes of
    // each read are searched, so a long line costs its length once, and no more than the limit (and
    // room for its line end) is ever read.
    constexpr qsizetype most = kFirstLineLimit + 2;
    QByteArray head;
    char buffer[4096];
    while (head.size() < most) {
        const qint64 n = file.read(buffer, std::min<qint64>(sizeof buffer, most - head.size()));
        if (n < 0) {
            describe(file, error, code);
            return std::nullopt;
        }
        if (n == 0)
            break;
        const QByteArrayView read(buffer, n);
        head.append(read);
        if (read.contains('\n') || read.contains(kEndOfFile))
            break;
    }
    LineCursor lines(head);
    QByteArrayView first;
    return lines.next(first) ? first.first(std::min(first.size(), kFirstLineLimit)).toByteArray() : QByteArray();
}

bool writeLines(const QString& path, const Lines& lines, const FileWriter& writer, QString* error, QByteArrayView tail)
{
    QByteArray bytes = joinLines(lines);
    bytes.append(tail);
    return writer.writeAtomically(path, bytes, error);
}

QByteArrayView afterEndOfFile(QByteArrayView bytes)
{
    const qsizetype end = bytes.indexOf(kEndOfFile);
    return end < 0 ? QByteArrayView() : bytes.sliced(end);
}

QByteArray oneLine(QByteArray value)
{
    for (char& c : value) {
        if (c == '\r' || c == '\n' || c == kEndOfFile)
            c = ' ';
    }
    return value;
}

int notAFileError(const QString& path)
{
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return errno;
    return S_ISREG(status.st_mode) ? 0 : EISDIR;
}
