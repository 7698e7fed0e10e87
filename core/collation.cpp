#include "collation.h"

#include <QLocale>

const QCollator& polishCollator()
{
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Polish, QLocale::Poland));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        // A collator sets itself up at its first comparison; done here, inside the static's guarded
        // initialisation, so that a shared const collator is never changed later.
        c.compare(QStringLiteral("a"), QStringLiteral("b"));
        return c;
    }();
    return collator;
}
