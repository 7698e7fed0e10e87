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

#include <functional>
#include <memory>

// A window of the program, made when it is first asked for and kept until the program ends. Empty,
// and never made, when nothing may make it: the main window's create step failed.
template <class T> class OnFirstUse {
public:
    using Maker = std::function<std::unique_ptr<T>()>;

    void setMaker(Maker make) { m_make = std::move(make); }
    // The window, made now if it is not yet; null when it is empty.
    T* get()
    {
        if (!m_window && m_make)
            m_window = m_make();
        return m_window.get();
    }
    T& operator*() { return *get(); }
    T* operator->() { return get(); }
    explicit operator bool() const { return m_window || m_make; }
    bool made() const { return m_window != nullptr; }

private:
    Maker m_make;
    std::unique_ptr<T> m_window;
};

// Every window of the main program, alive until the program ends: the main window first (its create
// step runs before any other window exists), then the others, each made on its first use, after the
// dialogs it opens. The start draws the main window without waiting for any of them.
struct MainProgram {
    std::unique_ptr<start::TForm1> Form1;
    OnFirstUse<oprogramie::TForm2> Form2;
    OnFirstUse<dodaj_nowy::TForm3> Form3;
    OnFirstUse<zdjecia::TForm4> Form4;
    OnFirstUse<zarzadzanie_grupami::TForm5> Form5;
    OnFirstUse<wybor_typu_nowego::TForm6> Form6;
    OnFirstUse<szukanie::TForm7> Form7;
    OnFirstUse<drukowanie::TForm8> Form8;
    OnFirstUse<mail_zbiorowy::TForm10> Form10;
    OnFirstUse<kolory::TForm11> Form11;
    OnFirstUse<imieniny::TForm12> Form12;
    OnFirstUse<adres_nadawcy::TForm13> Form13;
    OnFirstUse<dane_biznesowe::TForm14> Form14;
    OnFirstUse<opcje::TForm15> Form15;
};

// Creates the main window and hands it the makers of the others; each window registers its language
// texts with the main window when it is made. When the main window's create step failed, only the
// main window exists and the program is to end.
std::unique_ptr<MainProgram> createWindows(const start::StartSetup& setup);
