#pragma once

#include <QString>
#include <QStringList>

// Starts another program as an independent process, its arguments passed as they are (no shell, so
// blanks, quotes and shell characters in them mean nothing special).
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // False with `error` set when the program could not be started.
    virtual bool startDetached(const QString& program, const QStringList& arguments, QString* error) = 0;

    static ProcessStarter& current();
    static void setCurrent(ProcessStarter* starter);
};
