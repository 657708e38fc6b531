#pragma once

#include "PadMulti.h"

/** The scene window's content: the map, and the clock that keeps the instance
    registry up to date and repaints the window only when some instance changed.
*/
class TransparentPadGUI : public juce::Component,
                          private juce::Timer
{
public:
    static constexpr int sceneRefreshMs = 40;

    explicit TransparentPadGUI (SceneWidgets&);
    ~TransparentPadGUI() override;

    PadMulti& getPad() noexcept { return *padMulti; }

    void paint (juce::Graphics&) override;
    void resized() override;

private:
    void timerCallback() override;

    SceneWidgets& widgets;
    std::unique_ptr<PadMulti> padMulti;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TransparentPadGUI)
};
