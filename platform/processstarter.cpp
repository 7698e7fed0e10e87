#include "processstarter.h"

#include <QProcess>

namespace {

class DetachedProcessStarter final : public ProcessStarter {
public:
    bool startDetached(const QString& program, const QStringList& arguments, QString* error) override
    {
        QProcess process;
        process.setProgram(program);
        process.setArguments(arguments);
        if (process.startDetached())
            return true;
        if (error)
            *error = process.errorString();
        return false;
    }
};

ProcessStarter* g_current = nullptr;

} // namespace

ProcessStarter& ProcessStarter::current()
{
    static DetachedProcessStarter real;
    return g_current ? *g_current : real;
}

void ProcessStarter::setCurrent(ProcessStarter* starter)
{
    g_current = starter;
}
