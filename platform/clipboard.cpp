#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

class DesktopClipboard final : public Clipboard {
public:
    void setText(const QString& text) override { QGuiApplication::clipboard()->setText(text); }
};

Clipboard* g_current = nullptr;

} // namespace

Clipboard& Clipboard::current()
{
    static DesktopClipboard real;
    return g_current ? *g_current : real;
}

void Clipboard::setCurrent(Clipboard* clipboard)
{
    g_current = clipboard;
}
