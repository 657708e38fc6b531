#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <map>
#include <mutex>

/** The plug-in's embedded images, each decoded once and shared by everything
    that draws it, for as long as anyone holds the store: an editor keeps one
    while it is open, so that its children and look-and-feels share one copy.

    The framework's own image cache would do the same with a timer that outlives
    the editors, and that the host's thread then destroys when the last instance
    goes; this store has no clock and frees its images with its last holder.
*/
class EmbeddedImages
{
public:
    /** The image in these bytes (one of the embedded resources). */
    static juce::Image get (const void* data, int size);

private:
    juce::Image find (const void* data, int size);

    std::mutex lock;
    std::map<const void*, juce::Image> images;
};

/** A share of the store, for the components and windows that hold it. */
using EmbeddedImagesHolder = juce::SharedResourcePointer<EmbeddedImages>;
