#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>

// What the fuzz targets share: the input as bytes, a scratch folder for readers that take a path,
// and a check that stops the run with a message when a property does not hold (libFuzzer keeps the
// input that stopped it; the replay test fails on it).
namespace fuzz {

inline QByteArray bytesOf(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// The process's QCoreApplication, made at the first call (Qt's readers look up their plug-ins and
// the locale through it).
void ensureApplication();

// A folder of this process, removed at its end; ends in "/".
const QString& scratchFolder();

// Writes `bytes` as `name` in the scratch folder and gives its path; stops the run when that fails.
QString writeScratchFile(const QString& name, const QByteArray& bytes);

// The input taken apart into pieces at each "\n====\n" (a target that reads several files);
// `count` pieces at most, the last one holding the rest.
QList<QByteArray> pieces(const QByteArray& input, int count);

[[noreturn]] void fail(const char* what, const QByteArray& detail = QByteArray());

} // namespace fuzz

#define FUZZ_CHECK(condition, detail)                                                                                  \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            ::fuzz::fail(#condition, (detail));                                                                        \
    } while (false)
