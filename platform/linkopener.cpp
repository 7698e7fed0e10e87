#include "linkopener.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

class DesktopLinkOpener final : public LinkOpener {
public:
    bool open(const QString& url) override { return QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode)); }
};

LinkOpener* g_current = nullptr;

} // namespace

LinkOpener& LinkOpener::current()
{
    static DesktopLinkOpener real;
    return g_current ? *g_current : real;
}

void LinkOpener::setCurrent(LinkOpener* opener)
{
    g_current = opener;
}
