#include "textreader.h"

std::optional<Lines> TextReader::readLines(const QString& path, int* code) const
{
    return ::readLines(path, nullptr, code);
}

std::optional<QByteArray> TextReader::readFirstLine(const QString& path, int* code) const
{
    return ::readFirstLine(path, nullptr, code);
}

const TextReader& TextReader::standard()
{
    static const TextReader reader;
    return reader;
}
