#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <mutex>
#include <string>
#include <vector>

// The display connection of Xlib, kept out of this header: its macros clash with the framework's names.
struct _XDisplay;

/** What a host hears from one loaded instance: gestures and host-notified values
    of its parameters ("begin 0", "set 0", "end 0"), from whichever thread the
    plug-in calls on.
*/
class HeardByTheHost : public juce::AudioProcessorListener
{
public:
    explicit HeardByTheHost (juce::AudioProcessor& processorToWatch);
    ~HeardByTheHost() override;

    std::vector<std::string> calls() const;

    void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float) override;
    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}
    void audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int index) override;
    void audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int index) override;

private:
    void note (std::string call);

    juce::AudioProcessor& processor;
    mutable std::mutex mutex;
    std::vector<std::string> heard;
};

/** A user's hand on the virtual display's pointer (the XTEST extension). Every
    event is followed by a short pump of the message loop, in which the plug-in's
    own message thread takes it.
*/
class Pointer
{
public:
    Pointer();
    ~Pointer();

    bool canPoint() const;

    void moveTo (juce::Point<int> position);
    void press();
    void release();

private:
    void sent();

    _XDisplay* display;
};
