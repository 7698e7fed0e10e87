#include "fileremover.h"

#include <QFile>

bool FileRemover::remove(const QString& path) const
{
    return QFile::remove(path);
}

const FileRemover& FileRemover::standard()
{
    static const FileRemover remover;
    return remover;
}
