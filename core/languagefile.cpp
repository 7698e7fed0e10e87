#include "languagefile.h"

#include "filelisting.h"
#include "numbers.h"
#include "taggedline.h"
#include "textlines.h"

#include <QDir>

QList<LanguageFileInfo> findLanguageFiles(const QString& lngDir)
{
    QList<LanguageFileInfo> found;
    for (const QString& fileName : listFiles(lngDir, QStringLiteral("*.lng"))) {
        const auto first = readFirstLine(QDir(lngDir).filePath(fileName));
        if (first && ExtractField(*first, QByteArray()) == kLanguageKey)
            found.append({fileName, ExtractField(*first, kLanguageKey)});
    }
    return found;
}

QString findLanguageFile(const QString& lngDir, const QByteArray& name)
{
    QString path;
    for (const LanguageFileInfo& file : findLanguageFiles(lngDir)) {
        if (file.name == name)
            path = QDir(lngDir).filePath(file.fileName);
    }
    return path;
}

std::optional<QList<LanguageText>> readLanguageTexts(const QString& path, QString* error)
{
    const auto lines = readLines(path, error);
    if (!lines)
        return std::nullopt;
    QList<LanguageText> texts;
    for (const QByteArray& line : *lines) {
        const QByteArray key = ExtractField(line, QByteArray());
        // A line without markers has the key "0"; no program has a text 0 or below.
        const auto id = toInteger(key);
        if (id && *id > 0)
            texts.append({*id, ExtractField(line, key)});
    }
    return texts;
}
