#pragma once

#include <QString>
#include <QStringList>

// Starts another program as an independent process, its arguments passed as they are (no shell, so
// blanks, quotes and shell characters in them mean nothing special). A window that starts programs
// is handed one; tests hand it a double that records the starts.
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // False with `error` set when the program could not be started.
    virtual bool startDetached(const QString& program, const QStringList& arguments, QString* error) const = 0;

    // The real one: a detached process.
    static const ProcessStarter& standard();
};
