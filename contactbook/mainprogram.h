#pragma once

#include "adres_nadawcy.h"
#include "dane_biznesowe.h"
#include "dodaj_nowy.h"
#include "drukowanie.h"
#include "imieniny.h"
#include "kolory.h"
#include "mail_zbiorowy.h"
#include "opcje.h"
#include "oprogramie.h"
#include "start.h"
#include "szukanie.h"
#include "wybor_typu_nowego.h"
#include "zarzadzanie_grupami.h"
#include "zdjecia.h"

#include <memory>

// Every window of the main program, created once at start and alive until the program ends: the
// main window first (its create step runs before any other window exists), then, handed to it
// through its constructor, the others, each made after the dialogs it opens.
struct MainProgram {
    std::unique_ptr<start::TForm1> Form1;
    std::unique_ptr<oprogramie::TForm2> Form2;
    std::unique_ptr<dodaj_nowy::TForm3> Form3;
    std::unique_ptr<zdjecia::TForm4> Form4;
    std::unique_ptr<zarzadzanie_grupami::TForm5> Form5;
    std::unique_ptr<wybor_typu_nowego::TForm6> Form6;
    std::unique_ptr<szukanie::TForm7> Form7;
    std::unique_ptr<drukowanie::TForm8> Form8;
    std::unique_ptr<mail_zbiorowy::TForm10> Form10;
    std::unique_ptr<kolory::TForm11> Form11;
    std::unique_ptr<imieniny::TForm12> Form12;
    std::unique_ptr<adres_nadawcy::TForm13> Form13;
    std::unique_ptr<dane_biznesowe::TForm14> Form14;
    std::unique_ptr<opcje::TForm15> Form15;
};

// Creates the windows in their order and registers each one's language texts with the main window.
// When the main window's create step failed, only the main window exists and the program is to end.
std::unique_ptr<MainProgram> createWindows(const start::StartSetup& setup);
