#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <utility>

class FileWriter;

// An initialisation file of "[section]" headers and "key=value" lines, read and written one key at
// a time the way the settings file always was: every call reads the file again, so nothing is cached
// and changes by another program are seen. Section and key names match without regard to ASCII case,
// values are read without surrounding blanks and without one pair of quotes ('"' or "'") around
// them, lines that are neither header nor key line are kept as they are. Lines end at LF; there is no
// end-of-file byte, so a Ctrl-Z or a lone CR is part of its line and survives every rewrite.
// A missing file reads as an empty one; the first write creates it. Text is code page 1250 bytes.
class ProfileFile {
public:
    explicit ProfileFile(QString path);
    ProfileFile(QString path, const FileWriter& writer);

    const QString& path() const { return m_path; }

    // The value, at most 2047 characters, or `fallback` when the key or the section is missing.
    QByteArray readString(const QByteArray& section, const QByteArray& key, const QByteArray& fallback) const;
    // The value as a decimal, "$" hexadecimal or "0x" hexadecimal integer; else `fallback`.
    std::int32_t readInteger(const QByteArray& section, const QByteArray& key, std::int32_t fallback) const;

    // Sets the key, in place when it exists, else at the end of its section, creating the section at
    // the end of the file. A value that reading would strip of its own quotes is stored inside one
    // more pair, so it reads back as written. The file is replaced atomically; on failure `error` is "Unable to write
    // to" and the path, and the file is unchanged.
    bool writeString(const QByteArray& section, const QByteArray& key, const QByteArray& value, QString* error);
    bool writeInteger(const QByteArray& section, const QByteArray& key, std::int32_t value, QString* error);
    // Removes the section's header and all its lines.
    bool eraseSection(const QByteArray& section, QString* error);

    using KeyValues = QList<std::pair<QByteArray, QByteArray>>;
    // Sets several keys of one section, in this order, in one replacement of the file: a failure
    // leaves none of them written.
    bool writeStrings(const QByteArray& section, const KeyValues& values, QString* error);
    // Replaces the whole section by these keys, in one replacement of the file; the section keeps
    // its place in the file.
    bool replaceSection(const QByteArray& section, const KeyValues& values, QString* error);

private:
    bool fail(QString* error) const;

    QString m_path;
    const FileWriter* m_writer;
};
