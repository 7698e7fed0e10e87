#include "mainprogram.h"

#include "TFlatHintUnit.h"

namespace {

// Sets each window after the main one to be made on its first use, handed what it opens, and
// returns the dialogs of the main window's commands, which make theirs when a command first opens
// them. The makers keep copies of what they take from the setup, which is gone by then.
start::Dialogs makeOnFirstUse(MainProgram& p, start::TForm1& main, const start::StartSetup& setup)
{
    ProgramState& state = main.State();
    TextTargets& texts = main.Texts();
    const Clock* clock = setup.clock ? setup.clock : &Clock::standard();
    const dodaj_nowy::EditorServices editorServices{.remover = setup.remover, .clock = setup.clock};
    p.Form2.setMaker([&state, &texts] {
        auto about = std::make_unique<oprogramie::TForm2>(state.colors);
        about->RegisterTexts(texts);
        return about;
    });
    p.Form4.setMaker([&state, &texts] {
        auto crop = std::make_unique<zdjecia::TForm4>(state);
        crop->RegisterTexts(texts);
        return crop;
    });
    p.Form5.setMaker([&state, &texts, &main] {
        auto groups = std::make_unique<zarzadzanie_grupami::TForm5>(state, main);
        groups->RegisterTexts(texts);
        return groups;
    });
    p.Form6.setMaker([&state, &texts] {
        auto entryType = std::make_unique<wybor_typu_nowego::TForm6>(state.colors);
        entryType->RegisterTexts(texts);
        return entryType;
    });
    p.Form7.setMaker([&state, &main] { return std::make_unique<szukanie::TForm7>(state, main); });
    p.Form13.setMaker([&state] { return std::make_unique<adres_nadawcy::TForm13>(state); });
    p.Form8.setMaker(
        [&p, &state, clock] { return std::make_unique<drukowanie::TForm8>(state, p.Form13.get(), *clock); });
    p.Form10.setMaker([&p, &state] { return std::make_unique<mail_zbiorowy::TForm10>(state, p.Form13.get()); });
    p.Form11.setMaker([&state] { return std::make_unique<kolory::TForm11>(state); });
    p.Form12.setMaker([&state, clock] { return std::make_unique<imieniny::TForm12>(state, *clock); });
    p.Form14.setMaker([&state] { return std::make_unique<dane_biznesowe::TForm14>(state.colors); });
    p.Form3.setMaker([&p, &state, &texts, &main, editorServices] {
        auto editor = std::make_unique<dodaj_nowy::TForm3>(state, main.GroupMenu(),
                                                           dodaj_nowy::EditorDialogs{.cropWindow = p.Form4.get(),
                                                                                     .groupDialog = p.Form5.get(),
                                                                                     .businessData = p.Form14.get(),
                                                                                     .nameDays = p.Form12.get()},
                                                           editorServices);
        editor->RegisterTexts(texts);
        return editor;
    });
    p.Form15.setMaker([&state] { return std::make_unique<opcje::TForm15>(state); });

    return {
        .aboutBox = [&p] { return p.Form2.get(); },
        .editor = [&p] { return p.Form3.get(); },
        .entryTypeDialog = [&p] { return p.Form6.get(); },
        .printDialog = [&p] { return p.Form8.get(); },
        .mailDialog = [&p] { return p.Form10.get(); },
        .optionsDialog = [&p] { return p.Form15.get(); },
        .searchDialog = [&p] { return p.Form7.get(); },
        .colourEditor = [&p] { return p.Form11.get(); },
        .nameDayDialog = [&p] { return p.Form12.get(); },
    };
}

} // namespace

std::unique_ptr<MainProgram> createWindows(const start::StartSetup& setup)
{
    auto program = std::make_unique<MainProgram>();
    start::StartSetup withDialogs = setup;
    withDialogs.dialogs = [&program, &setup](start::TForm1& main) { return makeOnFirstUse(*program, main, setup); };
    program->Form1 = std::make_unique<start::TForm1>(withDialogs);
    // Every hint of the program takes its look from the main window's hint component.
    TFlatHint::SetMainForm(program->Form1.get());
    return program;
}
