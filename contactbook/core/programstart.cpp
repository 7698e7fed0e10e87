#include "programstart.h"

#include "taggedline.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr char kNameKey[] = "nazwisko";

QByteArray firstNameLine(const Lines& lines)
{
    for (const QByteArray& line : lines) {
        if (ExtractField(line, QByteArray()) == kNameKey)
            return ExtractField(line, kNameKey);
    }
    return QByteArray();
}

} // namespace

StartList takeCommandLine(QList<PersonListEntry> listed, const QStringList& arguments, const QString& workingDir,
                          const MessageTable& messages, const TextReader& reader)
{
    StartList start;
    if (listed.isEmpty())
        return start;
    QList<PersonListEntry> named;
    for (const QString& argument : arguments) {
        const QString path = QDir::cleanPath(QDir(workingDir).absoluteFilePath(argument));
        if (!QFileInfo(path).isFile())
            continue;
        int code = 0;
        const auto lines = reader.readLines(path, &code);
        if (!lines) {
            start.errors.append(fileErrorMessage(messages, path, code));
            continue;
        }
        named.append({path, firstNameLine(*lines), QByteArray()});
    }
    start.fromCommandLine = !named.isEmpty();
    start.persons = start.fromCommandLine ? std::move(named) : std::move(listed);
    return start;
}
