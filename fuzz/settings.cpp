// The settings file opcje.ini, as a hand or another program may leave it: a key written and read
// back, every other key unchanged; a section erased or replaced, every other section unchanged;
// what both programs read from it.
#include "fuzzsupport.h"

#include "checkerscan.h"
#include "profilefile.h"
#include "settings.h"
#include "textlines.h"

#include <utility>

namespace {

// The sections and keys of the file, told apart independently of the reader: a header is a line
// that starts with "[" after blanks, its name up to "]"; a key line holds "=".
QList<std::pair<QByteArray, QByteArray>> keysOf(const QByteArray& bytes)
{
    QList<std::pair<QByteArray, QByteArray>> keys;
    QByteArray section;
    bool inSection = false;
    for (const QByteArray& line : splitRawLines(bytes)) {
        const QByteArray t = line.trimmed();
        if (t.startsWith('[')) {
            const qsizetype close = t.indexOf(']');
            section = (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
            inSection = true;
        } else if (inSection && line.contains('=')) {
            keys.append({section, line.left(line.indexOf('=')).trimmed()});
        }
    }
    return keys;
}

bool sameName(const QByteArray& a, const QByteArray& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

const QByteArray kMissing("\x01missing\x01");

QList<QByteArray> valuesOf(const ProfileFile& file, const QList<std::pair<QByteArray, QByteArray>>& keys)
{
    QList<QByteArray> values;
    for (const auto& [section, key] : keys)
        values.append(file.readString(section, key, kMissing));
    return values;
}

// What reading gives for a value written: one line, without surrounding blanks, at most 2047 bytes.
QByteArray readForm(const QByteArray& value)
{
    return oneLine(value).trimmed().left(2047);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::ensureApplication();
    // The file, then the value to write and a choice of the key.
    const QList<QByteArray> parts = fuzz::pieces(fuzz::bytesOf(data, size), 3);
    const QByteArray& bytes = parts[0];
    const QByteArray& value = parts[1];
    const QList<std::pair<QByteArray, QByteArray>> keys = keysOf(bytes);
    const QString path = fuzz::writeScratchFile(QString::fromLatin1(opcje::kFileName), bytes);
    ProfileFile file(path);
    const QList<QByteArray> before = valuesOf(file, keys);

    // What both programs read never fails on any file.
    const DatabaseSettings bases = DatabaseSettings::read(file);
    FUZZ_CHECK(!bases.UseSecondBase || bases.SecondBasePath.endsWith(u'/'), bytes);
    CheckerSettings::read(file);

    // The key: one of the program's own or one of the file's, chosen by the third piece.
    QList<std::pair<QByteArray, QByteArray>> choices = {
        {opcje::kSectionOptions, opcje::kSecondBase},    {opcje::kSectionOptions, opcje::kDaysBeforeBirthday},
        {opcje::kSectionLanguage, opcje::kLanguageName}, {opcje::kSectionColours, "tlo"},
        {opcje::kSectionSenderAddress, "ulica"},
    };
    for (const auto& [section, key] : keys) {
        // A key that a header line or a key of its own could take for another is none the program has.
        if (!section.isEmpty() && !key.isEmpty() && !key.startsWith('[') && oneLine(key) == key)
            choices.append({section, key});
    }
    const auto [section, key] = choices[qsizetype(qHash(parts[2]) % std::size_t(choices.size()))];

    QString error;
    FUZZ_CHECK(file.writeString(section, key, value, &error), error.toLocal8Bit());
    FUZZ_CHECK(file.readString(section, key, kMissing) == readForm(value), bytes + "\n>> " + value);
    const QList<QByteArray> after = valuesOf(file, keys);
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (!(sameName(keys[i].first, section) && sameName(keys[i].second, key)))
            FUZZ_CHECK(after[i] == before[i], bytes + "\n>> [" + section + "]" + key + "=" + value);
    }

    // Written again with the same value, the file keeps its bytes.
    const QByteArray written = readBytes(path).value_or("");
    FUZZ_CHECK(file.writeString(section, key, value, &error), error.toLocal8Bit());
    FUZZ_CHECK(readBytes(path).value_or("") == written, bytes);

    // A number reads back as written.
    const std::int32_t number = std::int32_t(qHash(value));
    FUZZ_CHECK(file.writeInteger(section, key, number, &error), error.toLocal8Bit());
    FUZZ_CHECK(file.readInteger(section, key, number ^ 1) == number, bytes);

    // A section replaced holds its new keys; erased, it leaves the keys of every other section.
    const ProfileFile::KeyValues replacement = {{key, value}, {"druga", value + value}};
    FUZZ_CHECK(file.replaceSection(section, replacement, &error), error.toLocal8Bit());
    FUZZ_CHECK(file.readString(section, key, kMissing) == readForm(value), bytes);
    FUZZ_CHECK(file.readString(section, "druga", kMissing) == readForm(value + value), bytes);
    FUZZ_CHECK(file.eraseSection(section, &error), error.toLocal8Bit());
    const QList<QByteArray> erased = valuesOf(file, keys);
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (!sameName(keys[i].first, section))
            FUZZ_CHECK(erased[i] == before[i], bytes + "\n>> [" + section + "]");
    }
    return 0;
}
