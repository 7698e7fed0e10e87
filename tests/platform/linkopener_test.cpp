#include "linkopener.h"

#include "support.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

// PATH holds only the test's folder for its lifetime.
class OnlyPath {
public:
    explicit OnlyPath(const QString& folder)
        : m_previous(qgetenv("PATH"))
    {
        qputenv("PATH", QFile::encodeName(folder));
    }
    ~OnlyPath() { qputenv("PATH", m_previous); }
    OnlyPath(const OnlyPath&) = delete;
    OnlyPath& operator=(const OnlyPath&) = delete;

private:
    QByteArray m_previous;
};

// The desktop's answer to "which program takes mailto: addresses", from a stand-in xdg-mime.
TEST(DesktopLinkOpener, KnowsWhetherTheDesktopNamesAMailProgram)
{
    const struct {
        const char* what;
        const char* script; // empty: no xdg-mime
        bool expected;
    } cases[] = {
        {"a program is named", "echo poczta.desktop", true},
        {"none is named", "exit 0", false},
        {"the query fails", "exit 4", false},
        {"no xdg-mime to ask: the launcher is left to try", "", true},
    };
    for (const auto& c : cases) {
        TempDir dir;
        if (*c.script) {
            const QString tool =
                dir.write("xdg-mime", QByteArray("#!/bin/sh\n[ \"$*\" = 'query default x-scheme-handler/mailto' ] || "
                                                 "exit 9\n") +
                                          c.script + "\n");
            QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        const OnlyPath path(dir.path());
        EXPECT_EQ(DesktopLinkOpener::hasMailProgram(), c.expected) << c.what;
    }
}

// With no mail program named, a mailto: address is refused without starting anything.
TEST(DesktopLinkOpener, RefusesAMailAddressWhenNoMailProgramIsNamed)
{
    TempDir dir;
    const QString tool = dir.write("xdg-mime", "#!/bin/sh\nexit 0\n");
    QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    dir.write("xdg-open", "#!/bin/sh\necho \"$1\" > \"$0.log\"\n");
    QFile::setPermissions(dir.file("xdg-open"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const OnlyPath path(dir.path());
    DesktopLinkOpener opener;
    EXPECT_FALSE(opener.open(QStringLiteral("mailto:a@example.org")));
    EXPECT_FALSE(opener.open(QStringLiteral("MAILTO:a@example.org")));
    EXPECT_FALSE(dir.exists("xdg-open.log"));
}

} // namespace
