#include "processstarter.h"

#include <QProcess>

namespace {

class DetachedProcessStarter final : public ProcessStarter {
public:
    bool startDetached(const QString& program, const QStringList& arguments, QString* error) const override
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

} // namespace

const ProcessStarter& ProcessStarter::standard()
{
    static const DetachedProcessStarter real;
    return real;
}
