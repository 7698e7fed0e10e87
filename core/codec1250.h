#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The one conversion between stored text (code page 1250 bytes) and the QString of the windows.
// Every byte maps to one character and back, so text read and written unchanged keeps its bytes;
// the five bytes the code page leaves undefined map to the control characters of the same number.
namespace cp1250 {

QString toUnicode(const QByteArray& bytes);

// The bytes of `text`, or nothing when a character has no byte in the code page. `badChar`, when
// given, receives the first such character so that the caller can name it.
std::optional<QByteArray> fromUnicode(const QString& text, QChar* badChar = nullptr);

} // namespace cp1250
