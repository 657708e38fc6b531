#include "InputChannels.h"

#include "AiffChannelLayout.h"
#include "AudioFileFormats.h"

#include <FLAC/metadata.h>

namespace
{
    // The tag FLAC's encoder keeps a WAV file's channel mask in, as hexadecimal.
    constexpr const char* flacMaskTag = "WAVEFORMATEXTENSIBLE_CHANNEL_MASK";

    InputChannels withMask (InputChannels channels, juce::uint32 mask)
    {
        if (mask != 0)
        {
            channels.speakers = AiffChannelLayout::speakersOfMask (mask);
            channels.namedBy = "channel mask";
        }

        return channels;
    }

    /** The mask in a FLAC file's tags; 0 when it has none, and nothing when its tag is not a mask. */
    std::optional<juce::uint32> flacChannelMask (const juce::File& file)
    {
        FLAC__StreamMetadata* tags = nullptr;

        if (! FLAC__metadata_get_tags (file.getFullPathName().toRawUTF8(), &tags) || tags == nullptr)
            return 0u;

        juce::String value;
        const auto found = FLAC__metadata_object_vorbiscomment_find_entry_from (tags, 0, flacMaskTag);

        if (found >= 0)
        {
            const auto& entry = tags->data.vorbis_comment.comments[found];
            value = juce::String::fromUTF8 (reinterpret_cast<const char*> (entry.entry), static_cast<int> (entry.length)).fromFirstOccurrenceOf ("=", false, false).trim();
        }

        FLAC__metadata_object_delete (tags);

        if (found < 0)
            return 0u;

        const auto digits = value.startsWithIgnoreCase ("0x") ? value.substring (2) : value;

        if (digits.isEmpty() || digits.length() > 8 || ! digits.containsOnly ("0123456789abcdefABCDEF"))
            return {};

        return static_cast<juce::uint32> (digits.getHexValue64());
    }
} // namespace

InputChannels readInputChannels (const juce::File& file, const juce::AudioFormatReader& reader)
{
    InputChannels channels;
    channels.numChannels = static_cast<int> (reader.numChannels);

    switch (AudioFileFormats::typeOf (reader))
    {
        case AudioFileFormats::Type::wav:
            return withMask (channels, static_cast<juce::uint32> (reader.metadataValues.getValue ("ChannelMask", "0").getLargeIntValue()));

        case AudioFileFormats::Type::flac:
            if (const auto mask = flacChannelMask (file))
                return withMask (channels, *mask);

            channels.problem = juce::String ("tag ") + flacMaskTag + " is not a hexadecimal channel mask";
            return channels;

        case AudioFileFormats::Type::aiff:
            if (auto stream = file.createInputStream())
            {
                if (auto layout = AiffChannelLayout::read (*stream); layout.has_value() && (layout->problem.isNotEmpty() || ! layout->speakers.isEmpty()))
                {
                    channels.speakers = layout->speakers;
                    channels.namedBy = "channel layout";
                    channels.problem = layout->problem;
                }
            }

            return channels;

        case AudioFileFormats::Type::oggVorbis:
            channels.inVorbisOrder = true;
            return channels;
    }

    return channels;
}
