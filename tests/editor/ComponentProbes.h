#pragma once

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <map>
#include <string>
#include <vector>

/** A left-button mouse event at a whole-pixel position relative to a component,
    from the desktop's main mouse source, as the framework would deliver it.
*/
juce::MouseEvent mouseEventAt (juce::Component&, int x, int y);

/** What a host hears from a processor: gestures opened and closed, and values
    set with host notification, in order.
*/
class HostRecorder : public juce::AudioProcessorListener
{
public:
    explicit HostRecorder (juce::AudioProcessor&);
    ~HostRecorder() override;

    /** "begin 0", "set 0", "end 0", ... in the order the host heard them. */
    std::vector<std::string> calls;

    /** The last value the host heard for each parameter index. */
    std::map<int, float> values;

    void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value) override;
    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}
    void audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int index) override;
    void audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int index) override;

private:
    juce::AudioProcessor& processor;
};

/** Counts the repaints a component asks for, through its cached-image hook. */
class RepaintCounter : public juce::CachedComponentImage
{
public:
    int count = 0;

    void paint (juce::Graphics&) override {}
    bool invalidateAll() override;
    bool invalidate (const juce::Rectangle<int>&) override;
    void releaseResources() override {}
};

/** Makes a shown component count its repaints; the component owns the counter. */
RepaintCounter& countRepaints (juce::Component&);

/** The component painted alone onto a transparent image of its size. */
juce::Image render (juce::Component&);

/** A filled shape measured from its coverage within a window of an image:
    its coverage-weighted centre and the diameter of a disc of the same area.
*/
struct Blob
{
    juce::Point<float> centre;
    float diameter;
};

Blob measureBlob (const juce::Image&, juce::Rectangle<int> window);

/** Whether every pixel of an image lies within a distance of a point or is
    fully transparent.
*/
bool isAllWithin (const juce::Image&, juce::Point<float> centre, float radius);
