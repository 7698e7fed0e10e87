#include "clock.h"

#include <QDateTime>
#include <QElapsedTimer>

namespace {

class SystemClock final : public Clock {
public:
    SystemClock() { m_timer.start(); }
    QDate today() const override { return QDate::currentDate(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    std::int64_t ticks() const override { return m_timer.elapsed(); }

private:
    QElapsedTimer m_timer;
};

} // namespace

const Clock& Clock::standard()
{
    static const SystemClock clock;
    return clock;
}
