#pragma once

#include <QString>
#include <QStringList>

// Finds the plain files of one folder (hidden ones included) whose names match a mask with "*" and
// "?", compared without regard to case the way the data files were always found ("*.wp?" finds
// X.WPB). Returns bare file names in one fixed order, sorted by name, so every listing built on it
// is stable. A missing or unreadable folder gives an empty list.
QStringList listFiles(const QString& folder, const QString& mask);

// The mask rule alone: "*" matches any run of characters, "?" exactly one.
bool matchesMask(const QString& name, const QString& mask);
