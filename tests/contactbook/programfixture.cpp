#include "programfixture.h"

#include "codec1250.h"

QStringList listedNames(const start::TForm1& form)
{
    QStringList names;
    for (const PersonListEntry& e : form.PersonList())
        names << cp1250::toUnicode(e.Name);
    return names;
}

QString ProgramFixture::write(const QString& name, std::initializer_list<const char*> lines)
{
    return dir.write(name, crlf(lines));
}

start::StartSetup ProgramFixture::setup() const
{
    start::StartSetup s;
    s.programDir = dir.path();
    s.workingDir = dir.path();
    s.locale = QLocale(QLocale::Polish, QLocale::Poland);
    s.clock = clock;
    return s;
}

start::TForm1& ProgramFixture::startMain(std::function<start::Dialogs(start::TForm1&)> dialogs)
{
    start::StartSetup s = setup();
    s.dialogs = std::move(dialogs);
    main = std::make_unique<start::TForm1>(s);
    return *main;
}

void ProgramFixture::start()
{
    program = createWindows(setup());
    ASSERT_TRUE(program->Form1->Started());
}

QString ProgramFixture::msg(int number) const
{
    return cp1250::toUnicode(program->Form1->State().messages[std::size_t(number)]);
}

QStringList ProgramFixture::messages() const
{
    QStringList texts;
    for (const FakePrompter::Shown& box : prompter.shown)
        texts << box.text;
    return texts;
}
