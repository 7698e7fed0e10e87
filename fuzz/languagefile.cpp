// Language files lng/*.lng: listed in the language menu, chosen in the main program (its texts and
// messages), and read by the checker.
#include "fuzzsupport.h"

#include "checkertexts.h"
#include "codec1250.h"
#include "languagechoice.h"
#include "languagefile.h"
#include "messages.h"
#include "profilefile.h"
#include "settings.h"
#include "taggedline.h"
#include "textlines.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::ensureApplication();
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QString programDir = fuzz::scratchFolder();
    QDir().mkpath(programDir + QStringLiteral("lng"));
    QFile::remove(settingsPathIn(programDir));
    const QString path = fuzz::writeScratchFile(QStringLiteral("lng/inny.lng"), bytes);

    const QByteArray first = splitLines(bytes).value(0);
    const bool isLanguageFile = ExtractField(first, QByteArray()) == kLanguageKey;
    const QByteArray name = ExtractField(first, kLanguageKey);
    const QList<LanguageFileInfo> found = findLanguageFiles(programDir + QStringLiteral("lng"));
    FUZZ_CHECK(found.size() == (isLanguageFile ? 1 : 0), bytes);
    if (isLanguageFile)
        FUZZ_CHECK(found[0].name == name, bytes);

    const std::optional<QList<LanguageText>> texts = readLanguageTexts(path);
    FUZZ_CHECK(texts.has_value(), bytes);
    for (const LanguageText& text : *texts)
        FUZZ_CHECK(text.id > 0, bytes);

    // The menu lists the file under its name and checks the one saved.
    ProfileFile opcje(settingsPathIn(programDir));
    QString error;
    FUZZ_CHECK(opcje.writeString(opcje::kSectionLanguage, opcje::kLanguageName, name, &error), error.toLocal8Bit());
    const LanguageMenu menu = BuildLanguageMenu(programDir, opcje);
    FUZZ_CHECK(menu.captions.size() == 1 + found.size() && menu.checked >= 0 && menu.checked < menu.captions.size(),
               bytes);

    // Chosen, it sets texts of the main program only; the file error message still names the file.
    const LanguageSwitch chosen = ApplyLanguage(programDir, name, initialMessages(), opcje);
    for (const LanguageText& text : chosen.texts)
        FUZZ_CHECK(isMainProgramTextId(text.id), bytes);
    const QString message = fileErrorMessage(chosen.messages, path, 5);
    FUZZ_CHECK(message.contains(QStringLiteral("[id:") + path + QStringLiteral(" err: 5]")), message.toUtf8());

    // The checker takes its texts from it: every month has a name.
    const CheckerTexts checker = loadCheckerTexts(programDir, name);
    for (int month = 1; month <= 12; ++month)
        checker.monthName(month);
    return 0;
}
