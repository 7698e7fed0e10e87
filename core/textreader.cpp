#include "textreader.h"

#include "filelisting.h"
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

namespace {

bool succeeded(ReadResult result, int* code)
{
    switch (result) {
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

} // namespace

bool TextReader::readInto(const QString& path, QByteArray& buffer, int* code) const
{
    return succeeded(readWholeFile(path, buffer), code);
}

bool TextReader::readIn(const FolderListing& folder, const QByteArray& name, const QString&, QByteArray& buffer,
                        int* code) const
{
    return succeeded(readWholeFileIn(folder.handle(), name.constData(), buffer), code);
}

const TextReader& TextReader::standard()
{
    static const TextReader reader;
    return reader;
}
