#pragma once

#include <QString>

// Opens "mailto:" and web addresses in the desktop's mail program or browser.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // False when the desktop could not open the address.
    virtual bool open(const QString& url) = 0;

    static LinkOpener& current();
    static void setCurrent(LinkOpener* opener);
};
