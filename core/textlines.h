#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

class FileWriter;

// Text files of the system are code page 1250 bytes in lines. Reading: a line ends at LF, a CR
// right before the LF is not part of it, a lone CR stays in the line, Ctrl-Z ends the file and a
// last line without LF still counts. Writing: CR LF after every line, except in a rewrite of a
// stored file, which keeps each line's own end (see LineRewrite).
using Lines = QList<QByteArray>;

// Takes the lines of stored bytes apart in place, by the reading rules above: each line is a view
// into the bytes, nothing is copied.
class LineCursor {
public:
    explicit LineCursor(QByteArrayView bytes);
    // Every byte is part of a line, Ctrl-Z too (see splitRawLines).
    static LineCursor withoutEndOfFile(QByteArrayView bytes);
    // The next line into `line`; false after the last one.
    bool next(QByteArrayView& line);
    // The line end of the line `next` gave last as it stands: "\r\n", "\n", or nothing for a last
    // line without LF.
    QByteArrayView end() const { return m_end; }

private:
    QByteArrayView m_rest;
    QByteArrayView m_end;
};

Lines splitLines(const QByteArray& bytes);
// The same without the Ctrl-Z rule, for files that have none (the settings file): every byte is
// part of a line.
Lines splitRawLines(const QByteArray& bytes);
QByteArray joinLines(const Lines& lines);

// Reads a whole file as stored, every byte; nothing when it cannot be opened or read (`error` and
// `code` as for readLines).
std::optional<QByteArray> readBytes(const QString& path, QString* error = nullptr, int* code = nullptr);

// Reads a whole text file into lines; nothing when it cannot be opened or read (`error` says why,
// `code` gets the QFileDevice::FileError number that file error messages show).
std::optional<Lines> readLines(const QString& path, QString* error = nullptr, int* code = nullptr);

// Writes the lines through a temporary file and a rename (see FileWriter).
bool writeLines(const QString& path, const Lines& lines, const FileWriter& writer, QString* error);

// The bytes from the Ctrl-Z that ends the file on, that byte included, which reading leaves out;
// empty when there is none.
QByteArrayView afterEndOfFile(QByteArrayView bytes);

// The bytes of a stored file rewritten, changing no byte it does not mean to: a line it keeps goes
// back with the line end it has there, a line written anew gets the file's own line end (the one
// its first line has; CR LF when that has none, as in a new file), and what follows the file's
// Ctrl-Z (afterEndOfFile) comes after the lines, still no part of the file for a reader. A line
// whose last byte is a CR always gets CR LF: after a bare LF that CR would be read as part of the
// line end. A kept last line without LF stays without one while nothing follows it. The stored bytes
// are read in place: they must outlive the rewrite.
class LineRewrite {
public:
    explicit LineRewrite(QByteArrayView stored);

    // A line of the stored file as it stands there, with its end (LineCursor::end).
    void keep(QByteArrayView line, QByteArrayView end);
    // A line written anew.
    void add(QByteArrayView line);
    // `lines` in their order, each that the stored file holds kept with its line end there (of lines
    // it holds more than once, the ends in file order), any other added: for a rewrite that builds
    // every line afresh, so the ones it did not change keep their bytes.
    void addMatching(const Lines& lines);

    QByteArray bytes() const;

private:
    void endOpenLine();

    QByteArrayView m_stored;
    QByteArrayView m_newEnd;
    QByteArray m_out;
    bool m_open = false;
};

// No first line that the programs write comes near this many bytes. A longer one (a damaged or
// foreign file) is cut after them, so that reading it stays quick and small.
inline constexpr qsizetype kFirstLineLimit = 64 * 1024;

// Reads the first line of a file only, at most kFirstLineLimit bytes of it; an empty file gives an
// empty line.
std::optional<QByteArray> readFirstLine(const QString& path, QString* error = nullptr, int* code = nullptr);

// Makes a value safe to be written as part of one line: CR, LF and Ctrl-Z become blanks, so a
// value can never end its line early or end the file.
QByteArray oneLine(QByteArray value);

// The system's error number (errno) for a path that names no file to read: what looking it up gives
// (ENOENT for a file deleted meanwhile), EISDIR for a folder or anything else that is no regular
// file; 0 for a regular file.
int notAFileError(const QString& path);
