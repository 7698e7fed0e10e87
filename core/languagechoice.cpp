#include "languagechoice.h"

#include "profilefile.h"
#include "settings.h"

namespace {

QString lngDirIn(const QString& programDir)
{
    return programDir + QStringLiteral("lng/");
}

} // namespace

LanguageMenu BuildLanguageMenu(const QString& programDir, const ProfileFile& opcje)
{
    using namespace opcje;
    QByteArray saved = opcje.readString(kSectionLanguage, kLanguageName, kBuiltInLanguage);
    if (saved.isEmpty())
        saved = kBuiltInLanguage;

    LanguageMenu menu;
    menu.captions.append(kBuiltInLanguage);
    for (const LanguageFileInfo& file : findLanguageFiles(lngDirIn(programDir)))
        menu.captions.append(file.name);
    menu.buttonEnabled = menu.captions.size() > 1;
    // QByteArray folds ASCII letters only, as the saved name has always been compared.
    for (qsizetype i = 0; i < menu.captions.size(); ++i) {
        if (menu.captions[i].toLower() == saved.toLower())
            menu.checked = int(i);
    }
    return menu;
}

LanguageSwitch ApplyLanguage(const QString& programDir, const QByteArray& chosen, const MessageTable& current,
                             ProfileFile& opcje)
{
    using namespace opcje;
    LanguageSwitch result;
    result.messages = current;

    const bool builtIn = chosen == kBuiltInLanguage;
    if (builtIn) {
        for (const int id : mainProgramTextIds())
            result.texts.append({id, builtInText(id)});
        const MessageTable polish = polishMessages();
        std::copy_n(polish.begin(), kLanguageMessages, result.messages.begin());
    } else {
        const QString path = findLanguageFile(lngDirIn(programDir), chosen);
        if (path.isEmpty())
            return result;
        const auto texts = readLanguageTexts(path, &result.readError);
        if (!texts)
            return result;
        for (const LanguageText& t : *texts) {
            if (!isMainProgramTextId(t.id))
                continue;
            result.texts.append(t);
            if (const int index = messageIndexOfTextId(t.id); index >= 0)
                result.messages[index] = t.text;
        }
    }
    result.applies = true;
    opcje.writeString(kSectionLanguage, kLanguageName, chosen, &result.settingsError);
    return result;
}
