#pragma once

#include <functional>

/** Dispatches the message thread's events (timers, posted calls, window events)
    for the given time. Call on the message thread.
*/
void pumpMessages (int milliseconds);

/** Dispatches events until the condition holds or the time is up; returns the condition. */
bool pumpMessagesUntil (const std::function<bool()>& condition, int timeoutMilliseconds = 5000);

/** Runs the message loop as an application's does, sleeping until an event
    arrives, for the given time: what a host's message thread costs when idle.
*/
void runMessageLoopFor (int milliseconds);
