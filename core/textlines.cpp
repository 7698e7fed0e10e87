#include "textlines.h"

#include "filewriter.h"

#include <QFile>
#include <QHash>

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
        m_end = QByteArrayView();
        m_rest = QByteArrayView();
        return true;
    }
    qsizetype stop = lf;
    if (stop > 0 && m_rest[stop - 1] == '\r')
        --stop;
    line = m_rest.first(stop);
    m_end = m_rest.sliced(stop, lf + 1 - stop);
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

bool writeLines(const QString& path, const Lines& lines, const FileWriter& writer, QString* error)
{
    return writer.writeAtomically(path, joinLines(lines), error);
}

QByteArrayView afterEndOfFile(QByteArrayView bytes)
{
    const qsizetype end = bytes.indexOf(kEndOfFile);
    return end < 0 ? QByteArrayView() : bytes.sliced(end);
}

LineRewrite::LineRewrite(QByteArrayView stored)
    : m_stored(stored)
    , m_newEnd("\r\n")
{
    LineCursor lines(stored);
    QByteArrayView first;
    if (lines.next(first) && !lines.end().isEmpty())
        m_newEnd = lines.end();
    m_out.reserve(stored.size() + 64);
}

void LineRewrite::endOpenLine()
{
    if (!m_open)
        return;
    m_out.append(m_out.endsWith('\r') ? QByteArrayView("\r\n") : m_newEnd);
    m_open = false;
}

void LineRewrite::keep(QByteArrayView line, QByteArrayView end)
{
    endOpenLine();
    m_out.append(line);
    m_out.append(end);
    m_open = end.isEmpty();
}

void LineRewrite::add(QByteArrayView line)
{
    endOpenLine();
    m_out.append(line);
    m_open = true;
    endOpenLine();
}

void LineRewrite::addMatching(const Lines& lines)
{
    QHash<QByteArrayView, QList<QByteArrayView>> ends;
    LineCursor cursor(m_stored);
    for (QByteArrayView line; cursor.next(line);)
        ends[line].append(cursor.end());
    for (const QByteArray& line : lines) {
        const auto found = ends.find(line);
        if (found == ends.end() || found->isEmpty()) {
            add(line);
            continue;
        }
        keep(line, found->takeFirst());
    }
}

QByteArray LineRewrite::bytes() const
{
    QByteArray bytes = m_out;
    return bytes.append(afterEndOfFile(m_stored));
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
