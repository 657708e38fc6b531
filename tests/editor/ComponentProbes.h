#pragma once

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <map>
#include <string>
#include <vector>

/** A left-button event at a whole-pixel position in a component, from the desktop's main mouse source. */
juce::MouseEvent mouseEventAt (juce::Component&, int x, int y);

/** What a host hears from a processor, in order: "begin 0", "set 0", "end 0", ...
    and the last value set for each parameter index.
*/
struct HostRecorder : juce::AudioProcessorListener
{
    explicit HostRecorder (juce::AudioProcessor&);
    ~HostRecorder() override;

    void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value) override;
    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}
    void audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int index) override;
    void audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int index) override;

    juce::AudioProcessor& processor;
    std::vector<std::string> calls;
    std::map<int, float> values;
};

/** Counts a shown component's repaints through its cached-image hook (the component owns it). */
struct RepaintCounter : juce::CachedComponentImage
{
    static RepaintCounter& attachTo (juce::Component&);

    void paint (juce::Graphics&) override {}
    bool invalidateAll() override { return ++count > 0; }
    bool invalidate (const juce::Rectangle<int>&) override { return ++count > 0; }
    void releaseResources() override {}

    int count = 0;
};

/** The component painted alone onto a transparent image of its size. */
juce::Image render (juce::Component&);

/** A filled shape within a window of an image: its coverage-weighted centre and
    the diameter of a disc of the same area.
*/
struct Blob
{
    juce::Point<float> centre;
    float diameter;
};

Blob measureBlob (const juce::Image&, juce::Rectangle<int> window);

/** Whether every pixel not fully transparent lies within a distance of a point. */
bool isAllWithin (const juce::Image&, juce::Point<float> centre, float radius);
