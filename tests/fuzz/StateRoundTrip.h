#pragma once

#include <juce_core/juce_core.h>

/** The property the saved-state fuzzer checks on any bytes: they restore into a
    live processor without harm, and what that processor then saves restores into
    a second processor that saves exactly the same bytes.

    Returns an empty string when the property holds, else what went wrong.
*/
juce::String checkStateRoundTrip (const void* data, size_t size);
