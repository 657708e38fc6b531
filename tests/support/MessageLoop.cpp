#include "MessageLoop.h"

#include <juce_events/juce_events.h>

namespace juce
{
    // The framework's own step of its dispatch loop; a test drives the loop by hand
    // because a stopped loop cannot be started again.
    bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
} // namespace juce

namespace
{
    void dispatchPending()
    {
        while (juce::dispatchNextMessageOnSystemQueue (true))
        {
        }
    }
} // namespace

void pumpMessages (int milliseconds)
{
    const auto end = juce::Time::getMillisecondCounterHiRes() + milliseconds;

    do
    {
        dispatchPending();
        juce::Thread::sleep (1);
    } while (juce::Time::getMillisecondCounterHiRes() < end);
}

bool pumpMessagesUntil (const std::function<bool()>& condition, int timeoutMilliseconds)
{
    const auto end = juce::Time::getMillisecondCounterHiRes() + timeoutMilliseconds;

    while (! condition())
    {
        if (juce::Time::getMillisecondCounterHiRes() >= end)
            return false;

        dispatchPending();
        juce::Thread::sleep (1);
    }

    return true;
}

void runMessageLoopFor (int milliseconds)
{
    struct Deadline : public juce::Timer
    {
        void timerCallback() override
        {
            stopTimer();
            reached = true;
        }

        bool reached = false;
    };

    Deadline deadline;
    deadline.startTimer (milliseconds);

    while (! deadline.reached)
        juce::dispatchNextMessageOnSystemQueue (false);
}
