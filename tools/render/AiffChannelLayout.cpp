#include "AiffChannelLayout.h"

#include <array>

namespace
{
    using Speaker = juce::AudioChannelSet::ChannelType;

    // Apple's channel labels 1 to 18 and its bitmap's bits 0 to 17 name the speakers
    // of a WAV channel mask's bits 0 to 17, which the framework's speaker types 1
    // to 18 name too.
    constexpr int numNamedSpeakers = 18;

    // The layout tag's upper half says how the layout is given, its lower half the channel count.
    constexpr juce::uint32 useDescriptions = 0;
    constexpr juce::uint32 useBitmap = 1u << 16;

    constexpr size_t layoutHeaderBytes = 12; // tag, bitmap, number of descriptions
    constexpr size_t descriptionBytes = 20; // label, flags, three coordinates
    constexpr int chunkHeaderBytes = 8;

    // Far more than the layout of any channel count the renderer reads.
    constexpr juce::uint32 largestLayoutBytes = 4096;

    struct TaggedLayout
    {
        juce::uint32 tag;
        std::array<Speaker, 6> speakers; // unused slots are "unknown"
    };

    constexpr Speaker L = juce::AudioChannelSet::left, R = juce::AudioChannelSet::right,
                      C = juce::AudioChannelSet::centre, Lfe = juce::AudioChannelSet::LFE,
                      Ls = juce::AudioChannelSet::leftSurround, Rs = juce::AudioChannelSet::rightSurround;

    // clang-format off
    constexpr std::array<TaggedLayout, 4> taggedLayouts {{
        { (100u << 16) | 1, { C } },                     // mono
        { (101u << 16) | 2, { L, R } },                  // stereo
        { (108u << 16) | 4, { L, R, Ls, Rs } },          // quadraphonic
        { (121u << 16) | 6, { L, R, C, Lfe, Ls, Rs } },  // 5.1, in the order of a WAV file
    }};
    // clang-format on

    juce::uint32 bigEndianAt (const juce::MemoryBlock& bytes, size_t offset) noexcept
    {
        return juce::ByteOrder::bigEndianInt (static_cast<const char*> (bytes.getData()) + offset);
    }

    juce::String hexTag (juce::uint32 tag)
    {
        return "0x" + juce::String::toHexString (static_cast<juce::int64> (tag));
    }

    AiffChannelLayout fromDescriptions (const juce::MemoryBlock& chunk)
    {
        const auto count = bigEndianAt (chunk, 8);

        if (count > (chunk.getSize() - layoutHeaderBytes) / descriptionBytes)
            return { {}, "channel layout is cut short" };

        AiffChannelLayout layout;

        for (size_t channel = 0; channel < count; ++channel)
        {
            const auto label = bigEndianAt (chunk, layoutHeaderBytes + channel * descriptionBytes);

            if (label < 1 || label > numNamedSpeakers)
                return { {}, "channel layout labels a channel " + juce::String (label) + ", which is no speaker the renderer reads" };

            layout.speakers.add (static_cast<Speaker> (label));
        }

        return layout;
    }

    AiffChannelLayout fromChunk (const juce::MemoryBlock& chunk)
    {
        if (chunk.getSize() < layoutHeaderBytes)
            return { {}, "channel layout is cut short" };

        const auto tag = bigEndianAt (chunk, 0);

        if (tag == useDescriptions)
            return fromDescriptions (chunk);

        if (tag == useBitmap)
            return { AiffChannelLayout::speakersOfMask (bigEndianAt (chunk, 4)), {} };

        for (const auto& row : taggedLayouts)
        {
            if (row.tag != tag)
                continue;

            AiffChannelLayout layout;

            for (const auto speaker : row.speakers)
                if (speaker != juce::AudioChannelSet::unknown)
                    layout.speakers.add (speaker);

            return layout;
        }

        return { {}, "channel layout tag " + hexTag (tag) + " is not one the renderer reads" };
    }
} // namespace

juce::Array<juce::AudioChannelSet::ChannelType> AiffChannelLayout::speakersOfMask (juce::uint32 mask)
{
    juce::Array<Speaker> speakers;

    for (auto bit = 0; bit < 32; ++bit)
        if ((mask & (1u << bit)) != 0)
            speakers.add (bit < numNamedSpeakers ? static_cast<Speaker> (bit + 1) : juce::AudioChannelSet::unknown);

    return speakers;
}

std::optional<AiffChannelLayout> AiffChannelLayout::read (juce::InputStream& file)
{
    const auto form = file.readIntBigEndian();
    const auto formSize = static_cast<juce::uint32> (file.readIntBigEndian());
    const auto type = file.readIntBigEndian();

    if (form != static_cast<int> (juce::ByteOrder::bigEndianInt ("FORM"))
        || (type != static_cast<int> (juce::ByteOrder::bigEndianInt ("AIFF")) && type != static_cast<int> (juce::ByteOrder::bigEndianInt ("AIFC"))))
        return {};

    // Chunks are walked no further than the form and the file reach.
    const auto end = std::min<juce::int64> (file.getPosition() - 4 + formSize, file.getTotalLength());

    while (file.getPosition() + chunkHeaderBytes <= end)
    {
        const auto id = file.readIntBigEndian();
        const auto size = static_cast<juce::uint32> (file.readIntBigEndian());
        const auto next = file.getPosition() + size + (size & 1u); // chunks are padded to an even size

        if (id == static_cast<int> (juce::ByteOrder::bigEndianInt ("CHAN")))
        {
            if (file.getPosition() + size > end)
                return AiffChannelLayout { {}, "channel layout is cut short" };

            if (size > largestLayoutBytes)
                return AiffChannelLayout { {}, "channel layout is larger than any the renderer reads" };

            juce::MemoryBlock chunk;
            file.readIntoMemoryBlock (chunk, static_cast<ssize_t> (size));
            return fromChunk (chunk);
        }

        if (! file.setPosition (next))
            break;
    }

    return AiffChannelLayout {};
}
