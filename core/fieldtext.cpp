#include "fieldtext.h"

#include "codec1250.h"

std::optional<QByteArray> storableText(const QString& text, const QString& field, QString* error)
{
    QChar bad;
    std::optional<QByteArray> bytes = cp1250::fromUnicode(text, &bad);
    if (bytes)
        return bytes;
    if (error) {
        // A character outside the basic plane is two code units; name it whole.
        const qsizetype at = text.indexOf(bad);
        const QString shown = bad.isHighSurrogate() ? text.mid(at, 2) : QString(bad);
        *error = QString::fromUtf8("Pole „%1” zawiera znak „%2”, którego nie można zapisać.").arg(field, shown);
    }
    return std::nullopt;
}
