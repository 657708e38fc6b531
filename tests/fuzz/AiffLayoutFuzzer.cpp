// libFuzzer entry: arbitrary bytes as an AIFF file whose channel layout the
// renderer reads. Whatever the bytes, the reader ends, and names only speakers
// the framework knows, or says why it cannot.

#include <tools/render/AiffChannelLayout.h>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    juce::MemoryInputStream file (data, size, false);
    const auto layout = AiffChannelLayout::read (file);

    if (! layout.has_value())
        return 0;

    if (layout->problem.isNotEmpty() && ! layout->speakers.isEmpty())
        std::abort();

    for (const auto speaker : layout->speakers)
        if (speaker < juce::AudioChannelSet::unknown || speaker > juce::AudioChannelSet::topRearRight)
            std::abort();

    return 0;
}
