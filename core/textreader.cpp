#include "textreader.h"

#include "filereading.h"

#include <QFileDevice>

std::optional<Lines> TextReader::readLines(const QString& path, int* code) const
{
    return ::readLines(path, nullptr, code);
}

std::optional<QByteArray> TextReader::readFirstLine(const QString& path, int* code) const
{
    return ::readFirstLine(path, nullptr, code);
}

bool TextReader::readInto(const QString& path, QByteArray& buffer, int* code) const
{
    switch (readWholeFile(path, buffer)) {
    case ReadResult::Read:
        return true;
    case ReadResult::OpenFailed:
        if (code)
            *code = QFileDevice::OpenError;
        return false;
    case ReadResult::ReadFailed:
        if (code)
            *code = QFileDevice::ReadError;
        return false;
    }
    return false;
}

const TextReader& TextReader::standard()
{
    static const TextReader reader;
    return reader;
}
