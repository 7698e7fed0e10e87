#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// Language files lng/*.lng: tagged lines, line 1 "<$@$>jezyk</$@$>" + the language name, every
// other line a decimal text number and its text. Both programs read them with the same numbering.
inline constexpr char kLanguageKey[] = "jezyk";

struct LanguageFileInfo {
    QString fileName; // within the lng folder
    QByteArray name;  // the language name of line 1
};

// The language files of a folder in listing order; files that cannot be read or whose line 1 is not
// a "jezyk" line are left out.
QList<LanguageFileInfo> findLanguageFiles(const QString& lngDir);

// The file whose language name equals `name` exactly; when several do, the last one listed.
// Empty when none does.
QString findLanguageFile(const QString& lngDir, const QByteArray& name);

struct LanguageText {
    int id;
    QByteArray text;
};

// The texts of a language file in file order (a later line with the same id overrides an earlier
// one when applied in order). Lines whose key is not a whole positive integer are skipped; other
// ids are not checked here, each program keeps to its own. Nothing when the file cannot be read.
std::optional<QList<LanguageText>> readLanguageTexts(const QString& path, QString* error = nullptr);
