#include "buttonwave.h"

namespace buttonwave {
namespace {

QList<Step> makeSteps()
{
    QList<Step> wave;
    // Eleven steps; in step k the head stands on position k (1-based) with B, C and the face colour
    // behind it. The tail is set first, so the head is always the last change of a step.
    for (int k = 1; k <= 11; ++k) {
        Step step{{}, k < 11 ? 25 : 1000};
        const std::pair<int, Shade> trail[] = {
            {k - 3, Shade::Face}, {k - 2, Shade::Tail}, {k - 1, Shade::Second}, {k, Shade::Head}};
        for (const auto& [position, shade] : trail) {
            if (position >= 1 && position <= kButtons)
                step.changes.append({position - 1, shade});
        }
        wave.append(step);
    }
    // The second flash over "N", "K", "E" and "G".
    wave.append({{{0, Shade::Tail}, {1, Shade::Tail}}, 25});
    wave.append({{{2, Shade::Tail}, {3, Shade::Tail}, {0, Shade::Face}, {1, Shade::Face}}, 25});
    wave.append({{{2, Shade::Face}, {3, Shade::Face}}, 0});
    return wave;
}

} // namespace

const QList<Step>& steps()
{
    static const QList<Step> wave = makeSteps();
    return wave;
}

ColourValue colourOf(Shade shade, ColourValue face)
{
    switch (shade) {
    case Shade::Head:
        return kHead;
    case Shade::Second:
        return kSecond;
    case Shade::Tail:
        return kTail;
    case Shade::Face:
        break;
    }
    return face;
}

} // namespace buttonwave
