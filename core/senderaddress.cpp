#include "senderaddress.h"

#include "settings.h"

namespace {

constexpr char kLineKey[] = "linia";
constexpr char kMissing[] = "???";

} // namespace

QList<QByteArray> readSenderAddress(const ProfileFile& file)
{
    QList<QByteArray> lines;
    for (int n = 1;; ++n) {
        const QByteArray line =
            file.readString(opcje::kSectionSenderAddress, kLineKey + QByteArray::number(n), kMissing);
        if (line == kMissing)
            return lines;
        lines.append(line);
    }
}

bool storeSenderAddress(ProfileFile& file, const QList<QByteArray>& lines, QString* error)
{
    if (lines.isEmpty())
        return true;
    ProfileFile::KeyValues values;
    for (qsizetype i = 0; i < lines.size(); ++i)
        values.append({kLineKey + QByteArray::number(i + 1), lines[i]});
    return file.replaceSection(opcje::kSectionSenderAddress, values, error);
}
