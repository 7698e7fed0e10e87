#pragma once

#include <QDate>
#include <QDateTime>

#include <cstdint>

// Today's date, the local time and a millisecond tick, the only ways the programs look at the time. Everything that
// depends on the date takes it from here, so tests run on a fixed day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    // The local date and time, for names made from the moment.
    virtual QDateTime now() const = 0;
    // Milliseconds from an arbitrary start; only differences mean anything.
    virtual std::int64_t ticks() const = 0;

    static const Clock& standard();
};
