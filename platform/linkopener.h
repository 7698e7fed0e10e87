#pragma once

#include <QString>

// Opens "mailto:" and web addresses in the desktop's mail program or browser.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // False when the desktop could not open the address; for a "mailto:" address also when no mail
    // program is set up to take it.
    virtual bool open(const QString& url) = 0;

    static LinkOpener& current();
    static void setCurrent(LinkOpener* opener);
};

// The desktop's own opener (xdg-open and its kin, through Qt).
class DesktopLinkOpener : public LinkOpener {
public:
    bool open(const QString& url) override;

    // Whether the desktop names a program for "mailto:" addresses. Asked of xdg-mime: the launcher
    // hands an address on without waiting, so its own result cannot tell. Without xdg-mime the
    // answer is yes and the launcher is left to try.
    static bool hasMailProgram();
};
