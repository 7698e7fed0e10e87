#include "qttranslation.h"

#include "support.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

// Qt's dialogs and message-box buttons speak Polish also in a session set to another language.
TEST(PolishQtTranslation, TranslatesQtsOwnTextsInAnyLocale)
{
    const CLocaleSession cLocale;
    QTranslator* translator = installPolishQtTranslation(*QCoreApplication::instance());
    ASSERT_NE(translator, nullptr) << "qtbase_pl.qm is missing: scripts/setup.sh installs qt6-translations-l10n";
    const struct {
        const char* context;
        const char* english;
        const char* polish;
    } cases[] = {
        {"QPlatformTheme", "Cancel", "Anuluj"},
        {"QPlatformTheme", "&Yes", "&Tak"},
        {"QFileDialog", "Look in:", "Szukaj w:"},
        {"QPrintDialog", "Print", "Drukowanie"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QCoreApplication::translate(c.context, c.english), QString::fromUtf8(c.polish)) << c.english;
    QCoreApplication::removeTranslator(translator);
    delete translator;
}
