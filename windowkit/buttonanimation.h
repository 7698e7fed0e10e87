#pragma once

#include "buttonwave.h"

#include <QObject>
#include <QTimer>

#include <array>
#include <functional>

class TFlatSpeedButton;

// Plays the button wave on the GUI thread: a single-shot timer walks its steps with their pauses,
// so no other thread ever touches a button and stopping it never waits.
class ButtonAnimation : public QObject {
    Q_OBJECT
public:
    using Buttons = std::array<TFlatSpeedButton*, buttonwave::kButtons>;

    // `face` gives the scheme's button face colour at the moment a step needs it.
    ButtonAnimation(const Buttons& buttons, std::function<ColourValue()> face, QObject* parent = nullptr);

    // Starts the wave from its first step; a wave already running starts again.
    void start();
    // Ends a running wave where it stands.
    void stop();
    // No wave runs.
    bool done() const { return m_next < 0; }

private:
    void runStep();

    Buttons m_buttons;
    std::function<ColourValue()> m_face;
    QTimer m_pause;
    int m_next = -1; // the step to run next, -1 when no wave runs
};
