#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Text typed by the user is stored only when code page 1250 has a byte for every character of it:
// any other character would reach the file as "?" and be lost. The refusal names the field, so the
// user knows what to correct, and the character, which may be hard to see.
std::optional<QByteArray> storableText(const QString& text, const QString& field, QString* error);
