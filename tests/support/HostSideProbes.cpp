#include "HostSideProbes.h"

#include "MessageLoop.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

HeardByTheHost::HeardByTheHost (juce::AudioProcessor& processorToWatch)
    : processor (processorToWatch)
{
    processor.addListener (this);
}

HeardByTheHost::~HeardByTheHost()
{
    processor.removeListener (this);
}

std::vector<std::string> HeardByTheHost::calls() const
{
    const std::scoped_lock lock (mutex);
    return heard;
}

void HeardByTheHost::audioProcessorParameterChanged (juce::AudioProcessor*, int index, float)
{
    note ("set " + std::to_string (index));
}

void HeardByTheHost::audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int index)
{
    note ("begin " + std::to_string (index));
}

void HeardByTheHost::audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int index)
{
    note ("end " + std::to_string (index));
}

void HeardByTheHost::note (std::string call)
{
    const std::scoped_lock lock (mutex);
    heard.push_back (std::move (call));
}

//==============================================================================
Pointer::Pointer() : display (XOpenDisplay (nullptr)) {}

Pointer::~Pointer()
{
    if (display != nullptr)
        XCloseDisplay (display);
}

bool Pointer::canPoint() const
{
    int event, error, major, minor;
    return display != nullptr && XTestQueryExtension (display, &event, &error, &major, &minor);
}

void Pointer::moveTo (juce::Point<int> position)
{
    XTestFakeMotionEvent (display, -1, position.x, position.y, CurrentTime);
    sent();
}

void Pointer::press()
{
    XTestFakeButtonEvent (display, 1, True, CurrentTime);
    sent();
}

void Pointer::release()
{
    XTestFakeButtonEvent (display, 1, False, CurrentTime);
    sent();
}

void Pointer::sent()
{
    XSync (display, False);
    pumpMessages (120);
}
