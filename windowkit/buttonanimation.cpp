#include "buttonanimation.h"

#include "TFlatSpeedButtonUnit.h"

ButtonAnimation::ButtonAnimation(const Buttons& buttons, std::function<ColourValue()> face, QObject* parent)
    : QObject(parent)
    , m_buttons(buttons)
    , m_face(std::move(face))
{
    m_pause.setSingleShot(true);
    // A coarse timer may fire a little early; the wave's pauses are meant as at least their length.
    m_pause.setTimerType(Qt::PreciseTimer);
    connect(&m_pause, &QTimer::timeout, this, &ButtonAnimation::runStep);
}

void ButtonAnimation::start()
{
    m_pause.stop();
    m_next = 0;
    runStep();
}

void ButtonAnimation::stop()
{
    m_pause.stop();
    m_next = -1;
}

void ButtonAnimation::runStep()
{
    const QList<buttonwave::Step>& steps = buttonwave::steps();
    if (m_next < 0 || m_next >= steps.size())
        return;
    const buttonwave::Step& step = steps[m_next];
    const ColourValue face = m_face();
    for (const buttonwave::Change& change : step.changes)
        m_buttons[std::size_t(change.position)]->SetColor(buttonwave::colourOf(change.shade, face));
    ++m_next;
    if (m_next == steps.size()) {
        m_next = -1;
        return;
    }
    m_pause.start(step.pauseMs);
}
