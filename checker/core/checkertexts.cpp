#include "checkertexts.h"

#include "codec1250.h"
#include "settings.h"

namespace {

struct BuiltInText {
    int id;
    const char* utf8;
};

const BuiltInText kBuiltIn[] = {
    {checkertext::NameDayLabel, "Imieniny"},
    {checkertext::BirthdayLabel, "Urodziny"},
    {checkertext::CloseCaption, "X"},
    {checkertext::AboutCaption, "O"},
    {checkertext::CloseHint, "Zamknij program"},
    {checkertext::AboutHint, "O programie"},
    {checkertext::AboutBoxCloseCaption, "X"},
    {checkertext::AboutBoxCloseHint, "Zamknij okno"},
    {81, "stycznia"},
    {82, "lutego"},
    {83, "marca"},
    {84, "kwietnia"},
    {85, "maja"},
    {86, "czerwca"},
    {87, "lipca"},
    {88, "sierpnia"},
    {89, "września"},
    {90, "października"},
    {91, "listopada"},
    {92, "grudnia"},
    {checkertext::AboutText, "Zubo v3.7. - program do zarządzania kontaktami pod Windows 9x/Me/XP.\r\n"
                             "Przypomina o imieninach, urodzinach i innych okazjach."},
    {checkertext::TodayIs, "Dzisiaj jest "},
    {checkertext::ComingHeader, "------- W NAJBLIŻSZYM CZASIE -------"},
    {checkertext::AgeUnknown, "nie wiadomo ile"},
    {checkertext::Turns, "kończy"},
    {checkertext::YearsLat, "lat"},
    {checkertext::YearsLata, "lata"},
    {checkertext::Passes, "mija"},
    {checkertext::YearRok, "rok"},
    {checkertext::PastHeader, "------- JUŻ MINĘŁO -------"},
    {checkertext::ClosingLine, "------- KONIEC -------"},
    {checkertext::OneDayLeft, "Został 1 dzień."},
    {checkertext::DaysWord, "dni"},
    {checkertext::LeftFew, "zostały"},
    {checkertext::LeftMany, "zostało"},
    {checkertext::IsToday, "To dzisiaj!!!"},
};

// 108 and 109 are second numbers of the two labels.
int canonicalId(int id)
{
    if (id == 108)
        return checkertext::NameDayLabel;
    if (id == 109)
        return checkertext::BirthdayLabel;
    return id;
}

} // namespace

CheckerTexts::CheckerTexts()
{
    for (const BuiltInText& t : kBuiltIn)
        m_texts[t.id] = cp1250::fromUnicode(QString::fromUtf8(t.utf8)).value();
}

bool CheckerTexts::isCheckerId(int id)
{
    id = canonicalId(id);
    for (const BuiltInText& t : kBuiltIn) {
        if (t.id == id)
            return true;
    }
    return false;
}

const QByteArray& CheckerTexts::text(int id) const
{
    static const QByteArray none;
    return isCheckerId(id) ? m_texts[canonicalId(id)] : none;
}

const QByteArray& CheckerTexts::monthName(int month) const
{
    return text(checkertext::January - 1 + month);
}

void CheckerTexts::set(int id, const QByteArray& text)
{
    if (isCheckerId(id))
        m_texts[canonicalId(id)] = text;
}

void CheckerTexts::apply(const QList<LanguageText>& texts)
{
    for (const LanguageText& t : texts)
        set(t.id, t.text);
}

CheckerTexts loadCheckerTexts(const QString& programDir, const QByteArray& languageName)
{
    CheckerTexts texts;
    if (languageName == opcje::kBuiltInLanguage)
        return texts;
    const QString path = findLanguageFile(programDir + QStringLiteral("lng/"), languageName);
    if (path.isEmpty())
        return texts;
    if (const auto read = readLanguageTexts(path))
        texts.apply(*read);
    return texts;
}
