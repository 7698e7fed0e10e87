#include "randomsource.h"

#include <QRandomGenerator>

namespace {

class SystemRandom final : public RandomSource {
public:
    int below(int bound) override { return int(QRandomGenerator::global()->bounded(bound)); }
};

} // namespace

RandomSource& RandomSource::standard()
{
    static SystemRandom random;
    return random;
}
