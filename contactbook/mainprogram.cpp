#include "mainprogram.h"

#include "TFlatHintUnit.h"
#include "TFlatSpeedButtonUnit.h"

#include <QPlainTextEdit>

namespace {

void registerTexts(TextTargets& texts, oprogramie::TForm2* about)
{
    texts.add(67, TextTargets::caption(about->FlatSpeedButton2));
    texts.add(77, TextTargets::hint(about->FlatSpeedButton2));
    texts.add(106, [memo = about->Memo1](const QString& text) { memo->setPlainText(text); });
}

} // namespace

std::unique_ptr<MainProgram> createWindows(const start::StartSetup& setup)
{
    auto program = std::make_unique<MainProgram>();
    program->Form1 = std::make_unique<start::TForm1>(setup);
    start::TForm1* form1 = program->Form1.get();
    start::Form1 = form1;
    // Every hint of the program takes its look from the main window's hint component.
    TFlatHint::SetMainForm(form1);
    if (!form1->Started())
        return program;

    program->Form2 = std::make_unique<oprogramie::TForm2>(form1->State().Colors);
    registerTexts(form1->Texts(), program->Form2.get());

    const dodaj_nowy::EditorServices editorServices{.remover = setup.remover, .clock = setup.clock};
    const Clock& clock = setup.clock ? *setup.clock : Clock::standard();
    program->Form3 = std::make_unique<dodaj_nowy::TForm3>(form1->State(), form1->GroupMenu(), editorServices);
    program->Form3->RegisterTexts(form1->Texts());

    program->Form4 = std::make_unique<zdjecia::TForm4>(form1->State());
    program->Form4->RegisterTexts(form1->Texts());
    zdjecia::Form4 = program->Form4.get();

    program->Form5 = std::make_unique<zarzadzanie_grupami::TForm5>(form1->State(), *form1);
    program->Form5->RegisterTexts(form1->Texts());
    zarzadzanie_grupami::Form5 = program->Form5.get();

    program->Form6 = std::make_unique<wybor_typu_nowego::TForm6>(form1->State().Colors);
    program->Form6->RegisterTexts(form1->Texts());

    program->Form7 = std::make_unique<szukanie::TForm7>(form1->State(), *form1);
    program->Form8 = std::make_unique<drukowanie::TForm8>(form1->State(), clock);
    program->Form10 = std::make_unique<mail_zbiorowy::TForm10>(form1->State());
    program->Form11 = std::make_unique<kolory::TForm11>(form1->State());
    program->Form12 = std::make_unique<imieniny::TForm12>(form1->State(), clock);
    program->Form13 = std::make_unique<adres_nadawcy::TForm13>(form1->State());
    program->Form8->SenderAddress = program->Form13.get();
    program->Form10->SenderAddress = program->Form13.get();

    program->Form14 = std::make_unique<dane_biznesowe::TForm14>(form1->State().Colors);
    program->Form3->BusinessData = program->Form14.get();
    program->Form3->NameDays = program->Form12.get();

    program->Form15 = std::make_unique<opcje::TForm15>(form1->State());

    form1->UseDialogs({
        .AboutBox = program->Form2.get(),
        .Editor = program->Form3.get(),
        .EntryTypeDialog = program->Form6.get(),
        .PrintDialog = program->Form8.get(),
        .MailDialog = program->Form10.get(),
        .OptionsDialog = program->Form15.get(),
        .SearchDialog = program->Form7.get(),
        .ColourEditor = program->Form11.get(),
        .NameDayDialog = program->Form12.get(),
    });
    return program;
}
