// Tagged lines as every text file of the system holds them: the lines of stored bytes, the key and
// the value of each line, and a line written for a key and a value.
#include "fuzzsupport.h"

#include "taggedline.h"
#include "textlines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);

    // The lines in place and the copied lines are the same lines, and written out and read again
    // they stay those lines.
    const Lines lines = splitLines(bytes);
    LineCursor cursor(bytes);
    qsizetype count = 0;
    for (QByteArrayView line; cursor.next(line); ++count)
        FUZZ_CHECK(count < lines.size() && line == lines[count], bytes);
    FUZZ_CHECK(count == lines.size(), bytes);
    FUZZ_CHECK(splitLines(joinLines(lines)) == lines, bytes);
    const Lines raw = splitRawLines(bytes);
    FUZZ_CHECK(splitRawLines(joinLines(raw)) == raw, bytes);

    for (const QByteArray& line : lines) {
        // Read in place, a line gives what the copying reader gives.
        const TaggedFields fields(line);
        const QByteArray key = ExtractField(line, QByteArray());
        FUZZ_CHECK(fields.key() == key, line);
        FUZZ_CHECK(fields.value() == ExtractField(line, key), line);

        // A line written for a key gives that key and the value made single-line.
        if (!key.contains(kOpenMarker) && !key.contains(kCloseMarker) && !key.isEmpty() && key != "0") {
            const QByteArray written = taggedLine(key, line);
            FUZZ_CHECK(splitLines(written + "\r\n") == Lines{written}, written);
            const TaggedFields back(written);
            FUZZ_CHECK(back.key() == key && back.value() == oneLine(line), written);
        }
    }

    // The first line read from a file is the first of its lines, up to the limit of a first line.
    const QString path = fuzz::writeScratchFile(QStringLiteral("lines.txt"), bytes);
    const std::optional<QByteArray> first = readFirstLine(path);
    FUZZ_CHECK(first.has_value(), path.toLocal8Bit());
    FUZZ_CHECK(*first == lines.value(0).left(kFirstLineLimit), bytes.left(200));
    return 0;
}
