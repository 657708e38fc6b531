#include "EmbeddedImages.h"

juce::Image EmbeddedImages::get (const void* data, int size)
{
    // Without a holder the store lasts only for this call: the image is decoded anew.
    const EmbeddedImagesHolder store;
    return store->find (data, size);
}

juce::Image EmbeddedImages::find (const void* data, int size)
{
    const std::scoped_lock guard (lock);
    auto& image = images[data];

    if (! image.isValid())
        image = juce::ImageFileFormat::loadFrom (data, static_cast<size_t> (size));

    return image;
}
