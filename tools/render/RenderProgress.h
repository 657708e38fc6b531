#pragma once

#include <juce_core/juce_core.h>

/** "bed.wav: 42%, about 1:05 left" on one terminal line, redrawn a few times a
    second while a long render runs and cleared when it ends. Nothing at all is
    written when stderr is not a terminal, nor for a render that ends before the
    first redraw.
*/
class RenderProgress
{
public:
    explicit RenderProgress (const juce::String& inputName);
    ~RenderProgress();

    void update (double proportionDone);

private:
    static constexpr double redrawIntervalMs = 250.0;

    juce::String name;
    bool onTerminal;
    double startMs;
    double lastDrawMs;
    bool drawn = false;

    JUCE_DECLARE_NON_COPYABLE (RenderProgress)
};
