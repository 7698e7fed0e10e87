#include "mainprogram.h"

#include "TFlatHintUnit.h"

namespace {

// The windows after the main one, each handed what it opens, and the dialogs of the main window's
// commands.
start::Dialogs createDialogs(MainProgram& p, start::TForm1& main, const start::StartSetup& setup)
{
    ProgramState& state = main.State();
    const Clock& clock = setup.clock ? *setup.clock : Clock::standard();
    p.Form2 = std::make_unique<oprogramie::TForm2>(state.colors);
    p.Form4 = std::make_unique<zdjecia::TForm4>(state);
    p.Form5 = std::make_unique<zarzadzanie_grupami::TForm5>(state, main);
    p.Form6 = std::make_unique<wybor_typu_nowego::TForm6>(state.colors);
    p.Form7 = std::make_unique<szukanie::TForm7>(state, main);
    p.Form13 = std::make_unique<adres_nadawcy::TForm13>(state);
    p.Form8 = std::make_unique<drukowanie::TForm8>(state, p.Form13.get(), clock);
    p.Form10 = std::make_unique<mail_zbiorowy::TForm10>(state, p.Form13.get());
    p.Form11 = std::make_unique<kolory::TForm11>(state);
    p.Form12 = std::make_unique<imieniny::TForm12>(state, clock);
    p.Form14 = std::make_unique<dane_biznesowe::TForm14>(state.colors);
    p.Form3 = std::make_unique<dodaj_nowy::TForm3>(
        state, main.GroupMenu(),
        dodaj_nowy::EditorDialogs{.cropWindow = p.Form4.get(),
                                  .groupDialog = p.Form5.get(),
                                  .businessData = p.Form14.get(),
                                  .nameDays = p.Form12.get()},
        dodaj_nowy::EditorServices{.remover = setup.remover, .clock = setup.clock});
    p.Form15 = std::make_unique<opcje::TForm15>(state);

    TextTargets& texts = main.Texts();
    p.Form2->RegisterTexts(texts);
    p.Form3->RegisterTexts(texts);
    p.Form4->RegisterTexts(texts);
    p.Form5->RegisterTexts(texts);
    p.Form6->RegisterTexts(texts);

    return {
        .aboutBox = p.Form2.get(),
        .editor = p.Form3.get(),
        .entryTypeDialog = p.Form6.get(),
        .printDialog = p.Form8.get(),
        .mailDialog = p.Form10.get(),
        .optionsDialog = p.Form15.get(),
        .searchDialog = p.Form7.get(),
        .colourEditor = p.Form11.get(),
        .nameDayDialog = p.Form12.get(),
    };
}

} // namespace

std::unique_ptr<MainProgram> createWindows(const start::StartSetup& setup)
{
    auto program = std::make_unique<MainProgram>();
    start::StartSetup withDialogs = setup;
    withDialogs.dialogs = [&program, &setup](start::TForm1& main) { return createDialogs(*program, main, setup); };
    program->Form1 = std::make_unique<start::TForm1>(withDialogs);
    // Every hint of the program takes its look from the main window's hint component.
    TFlatHint::SetMainForm(program->Form1.get());
    return program;
}
