#include "namedays.h"

#include "codec1250.h"
#include "messages.h"
#include "settings.h"
#include "taggedline.h"

#include <QFileInfo>

namespace {

// The letters of a name besides A-Z and a-z.
const QString kPolishLetters = QString::fromUtf8("ĄĆĘŁŃÓŚŹŻąćęłńóśźż");

bool isNameLetter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || kPolishLetters.contains(c);
}

// A day key "DD.MM" of a real day and month; other keys of five characters are outside the format
// and skipped, so no hit ever points at a month or a day cell that does not exist.
bool dayKey(const QByteArray& key, int& day, int& month)
{
    if (key.size() != 5 || key[2] != '.')
        return false;
    bool dayOk = false;
    bool monthOk = false;
    day = key.left(2).toInt(&dayOk);
    month = key.right(2).toInt(&monthOk);
    return dayOk && monthOk && day >= 1 && day <= 31 && month >= 1 && month <= 12;
}

// The lines of a data file. The text is taken as stored, in code page 1250, whatever an editor saved
// it as: a file saved as UTF-8 shows its Polish letters garbled but loses no day. Only the
// byte-order mark such an editor may put first is dropped, as it would otherwise become part of the
// first line's key and hide that line.
std::optional<Lines> readDataLines(const TextReader& reader, const QString& path, int* code)
{
    static const QByteArray utf8Mark("\xEF\xBB\xBF");
    std::optional<Lines> lines = reader.readLines(path, code);
    if (lines && !lines->isEmpty() && lines->first().startsWith(utf8Mark))
        lines->first().remove(0, utf8Mark.size());
    return lines;
}

} // namespace

QString nameDayFolderIn(const QString& programDir)
{
    return defaultBaseIn(programDir) + QStringLiteral("stale/");
}

QList<QByteArray> nameDayWords(const QString& typed)
{
    QList<QByteArray> words;
    QString word;
    const auto flush = [&] {
        if (!word.isEmpty())
            words.append(cp1250::fromUnicode(word).value_or(QByteArray()));
        word.clear();
    };
    for (const QChar c : typed) {
        if (isNameLetter(c))
            word += c;
        else
            flush();
    }
    flush();
    return words;
}

NameDayData::NameDayData(QString folder, const QLocale& locale, const TextReader& reader)
    : m_folder(std::move(folder))
    , m_locale(locale)
    , m_reader(&reader)
{}

DayNames NameDayData::namesOn(int day, int month) const
{
    DayNames result;
    const QString path = m_folder + QLatin1String(kNamesByDateFile);
    if (!QFileInfo::exists(path))
        return result;
    int code = 0;
    const auto lines = readDataLines(*m_reader, path, &code);
    if (!lines) {
        result.error = NameDayFileError{path, code};
        return result;
    }
    const QByteArray key =
        QByteArray::number(day).rightJustified(2, '0') + '.' + QByteArray::number(month).rightJustified(2, '0');
    for (const QByteArray& line : *lines) {
        if (ExtractField(line, QByteArray()) != key)
            continue;
        // Only the first line of a date counts.
        for (const QByteArray& name : ExtractField(line, key).split('|')) {
            if (name.isEmpty())
                continue;
            QByteArray& list = name.startsWith('@') ? result.principal : result.further;
            if (!list.isEmpty())
                list += ", ";
            list += name.startsWith('@') ? name.mid(1) : name;
        }
        break;
    }
    return result;
}

NameDaySearch NameDayData::search(const QString& typed) const
{
    NameDaySearch result;
    const QString datesPath = m_folder + QLatin1String(kNamesByDateFile);
    const QString indexPath = m_folder + QLatin1String(kNameIndexFile);
    if (typed.isEmpty() || !QFileInfo::exists(datesPath) || !QFileInfo::exists(indexPath))
        return result;
    const auto fold = [this](const QByteArray& text) { return m_locale.toLower(cp1250::toUnicode(text)); };

    int code = 0;
    const auto index = readDataLines(*m_reader, indexPath, &code);
    if (!index) {
        result.error = NameDayFileError{indexPath, code};
        return result;
    }
    QList<QString> forms;
    for (const QByteArray& word : nameDayWords(typed))
        forms.append(fold('|' + word + '|'));
    QList<QByteArray> names;
    for (const QByteArray& line : *index) {
        const QByteArray name = ExtractField(line, QByteArray());
        // An empty name would be part of every day's names.
        if (name.isEmpty())
            continue;
        const QString folded = fold(line);
        for (const QString& form : forms) {
            if (folded.contains(form))
                names.append(name);
        }
    }
    if (names.isEmpty())
        return result;

    const auto dates = readDataLines(*m_reader, datesPath, &code);
    if (!dates) {
        result.error = NameDayFileError{datesPath, code};
        return result;
    }
    QList<QString> foldedNames;
    for (const QByteArray& name : names)
        foldedNames.append(fold(name));
    for (const QByteArray& line : *dates) {
        const QByteArray key = ExtractField(line, QByteArray());
        int day = 0;
        int month = 0;
        if (!dayKey(key, day, month))
            continue;
        // A name counts also as part of a longer one, as Jan in Janina.
        const QString dayNames = fold(ExtractField(line, key));
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (dayNames.contains(foldedNames[i]))
                result.hits.append({names[i], day, month,
                                    key.left(2) + ' ' + MonthNames()[std::size_t(month - 1)] + " (" + names[i] + ')'});
        }
    }
    return result;
}
