#include "profilefile.h"

#include "filewriter.h"
#include "numbers.h"
#include "textlines.h"

#include <QFileInfo>

#include <optional>

namespace {

constexpr qsizetype kMaxValueLength = 2047;

bool sameName(const QByteArray& a, const QByteArray& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The section name of a header line, or nothing for other lines.
std::optional<QByteArray> headerName(const QByteArray& line)
{
    const QByteArray t = line.trimmed();
    if (!t.startsWith('['))
        return std::nullopt;
    const qsizetype close = t.indexOf(']');
    return (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
}

// The key of a key line ("key=value"), or nothing.
std::optional<QByteArray> keyName(const QByteArray& line)
{
    const qsizetype eq = line.indexOf('=');
    if (eq < 0)
        return std::nullopt;
    return line.left(eq).trimmed();
}

// Where a section's lines stand: [header, end) with end the next header or the end of the file.
struct SectionRange {
    qsizetype header = -1;
    qsizetype end = -1;
    bool found() const { return header >= 0; }
};

SectionRange findSection(const Lines& lines, const QByteArray& section)
{
    SectionRange range;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto name = headerName(lines[i]);
        if (!name)
            continue;
        if (range.found()) {
            range.end = i;
            return range;
        }
        if (sameName(*name, section))
            range.header = i;
    }
    if (range.found())
        range.end = lines.size();
    return range;
}

qsizetype findKey(const Lines& lines, const SectionRange& range, const QByteArray& key)
{
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const auto name = keyName(lines[i]);
        if (name && sameName(*name, key))
            return i;
    }
    return -1;
}

// Settings files know no end-of-file byte: every byte belongs to a line, a Ctrl-Z pasted into a
// value included.
std::optional<Lines> readSettingsLines(const QString& path)
{
    const std::optional<QByteArray> bytes = readBytes(path);
    if (!bytes)
        return std::nullopt;
    return splitRawLines(*bytes);
}

bool isQuoted(const QByteArray& value)
{
    return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
}

// A value is read without one pair of quotes around it, double or single.
QByteArray unquoted(const QByteArray& value)
{
    return isQuoted(value) ? value.mid(1, value.size() - 2) : value;
}

// The text stored for a value: on one line, without surrounding blanks, and inside one more pair of
// quotes when reading would otherwise take its own away.
QByteArray storedForm(const QByteArray& value)
{
    const QByteArray text = oneLine(value).trimmed();
    return isQuoted(text) ? '"' + text + '"' : text;
}

// The value of a key, trimmed, unquoted and capped; nothing when the key or its section is missing.
std::optional<QByteArray> lookup(const QString& path, const QByteArray& section, const QByteArray& key)
{
    const Lines lines = readSettingsLines(path).value_or(Lines());
    const SectionRange range = findSection(lines, section);
    if (!range.found())
        return std::nullopt;
    const qsizetype at = findKey(lines, range, key);
    if (at < 0)
        return std::nullopt;
    const QByteArray& line = lines[at];
    return unquoted(line.mid(line.indexOf('=') + 1).trimmed()).left(kMaxValueLength);
}

// The lines to change: none for a missing file; false when the file exists but cannot be read, so
// that a write never replaces a file it could not read.
bool loadForWrite(const QString& path, Lines& lines)
{
    if (!QFileInfo::exists(path)) {
        lines.clear();
        return true;
    }
    auto read = readSettingsLines(path);
    if (!read)
        return false;
    lines = std::move(*read);
    return true;
}

} // namespace

bool ProfileFile::fail(QString* error) const
{
    if (error)
        *error = QStringLiteral("Unable to write to %1").arg(m_path);
    return false;
}

ProfileFile::ProfileFile(QString path)
    : ProfileFile(std::move(path), FileWriter::standard())
{}

ProfileFile::ProfileFile(QString path, const FileWriter& writer)
    : m_path(std::move(path))
    , m_writer(&writer)
{}

QByteArray ProfileFile::readString(const QByteArray& section, const QByteArray& key, const QByteArray& fallback) const
{
    return lookup(m_path, section, key).value_or(fallback);
}

std::int32_t ProfileFile::readInteger(const QByteArray& section, const QByteArray& key, std::int32_t fallback) const
{
    const auto text = lookup(m_path, section, key);
    return text ? toIntegerOr(*text, fallback) : fallback;
}

namespace {

// Sets one key in the lines; false when it already had that value.
bool setKey(Lines& lines, const QByteArray& section, const QByteArray& key, const QByteArray& value)
{
    const QByteArray safeValue = storedForm(value);
    const QByteArray newLine = oneLine(key).trimmed() + '=' + safeValue;
    const SectionRange range = findSection(lines, section);
    if (!range.found()) {
        lines.append('[' + oneLine(section).trimmed() + ']');
        lines.append(newLine);
    } else if (const qsizetype at = findKey(lines, range, key); at >= 0) {
        const QByteArray& old = lines[at];
        if (old.mid(old.indexOf('=') + 1).trimmed() == safeValue)
            return false;
        lines[at] = old.left(old.indexOf('=')).trimmed() + '=' + safeValue;
    } else {
        // After the section's last non-blank line, so blank separator lines stay before the next header.
        qsizetype insertAt = range.end;
        while (insertAt > range.header + 1 && lines[insertAt - 1].trimmed().isEmpty())
            --insertAt;
        lines.insert(insertAt, newLine);
    }
    return true;
}

} // namespace

bool ProfileFile::writeString(const QByteArray& section, const QByteArray& key, const QByteArray& value, QString* error)
{
    return writeStrings(section, {{key, value}}, error);
}

bool ProfileFile::writeStrings(const QByteArray& section, const KeyValues& values, QString* error)
{
    Lines lines;
    if (!loadForWrite(m_path, lines))
        return fail(error);
    bool changed = false;
    for (const auto& [key, value] : values)
        changed = setKey(lines, section, key, value) || changed;
    if (!changed)
        return true; // already so: leave the file's bytes alone
    return writeLines(m_path, lines, *m_writer, nullptr) || fail(error);
}

bool ProfileFile::replaceSection(const QByteArray& section, const KeyValues& values, QString* error)
{
    Lines lines;
    if (!loadForWrite(m_path, lines))
        return fail(error);
    const SectionRange range = findSection(lines, section);
    if (range.found())
        lines.remove(range.header + 1, range.end - range.header - 1);
    else
        lines.append('[' + oneLine(section).trimmed() + ']');
    for (const auto& [key, value] : values)
        setKey(lines, section, key, value);
    return writeLines(m_path, lines, *m_writer, nullptr) || fail(error);
}

bool ProfileFile::writeInteger(const QByteArray& section, const QByteArray& key, std::int32_t value, QString* error)
{
    return writeString(section, key, QByteArray::number(value), error);
}

bool ProfileFile::eraseSection(const QByteArray& section, QString* error)
{
    Lines lines;
    if (!loadForWrite(m_path, lines))
        return fail(error);
    const SectionRange range = findSection(lines, section);
    if (!range.found())
        return true;
    lines.remove(range.header, range.end - range.header);
    return writeLines(m_path, lines, *m_writer, nullptr) || fail(error);
}
