#include "LayoutChoice.h"

namespace
{
    using Speaker = juce::AudioChannelSet::ChannelType;
    using Speakers = std::array<Speaker, InputLayouts::maxChannels>;

    constexpr Speaker L = juce::AudioChannelSet::left, R = juce::AudioChannelSet::right,
                      C = juce::AudioChannelSet::centre, Lfe = juce::AudioChannelSet::LFE,
                      Ls = juce::AudioChannelSet::leftSurround, Rs = juce::AudioChannelSet::rightSurround,
                      Cs = juce::AudioChannelSet::centreSurround,
                      Sl = juce::AudioChannelSet::leftSurroundSide, Sr = juce::AudioChannelSet::rightSurroundSide;

    struct MaskedLayout
    {
        Speakers speakers; // in channel order; unused slots are "unknown"
        int layoutId;
    };

    // clang-format off
    // A WAV file's channels come in the order of its mask's bits (L R C Lfe Ls Rs Lc Rc
    // Cs Sl Sr ...), so only the layouts in that order can match. The surrounds of
    // 4.0 and 5.1 files are marked as back (Ls Rs) or as side (Sl Sr) speakers.
    constexpr std::array<MaskedLayout, 8> maskedLayouts {{
        { { C },                              0 },  // Mono
        { { L, R },                           1 },  // Stereo
        { { L, R, Ls, Rs },                   2 },  // 4.0 - L R Ls Rs
        { { L, R, Sl, Sr },                   2 },
        { { L, R, C, Lfe, Ls, Rs },           4 },  // 5.1 - L R C Lfe Ls Rs
        { { L, R, C, Lfe, Sl, Sr },           4 },
        { { L, R, C, Lfe, Ls, Rs, Sl, Sr },   8 },  // 7.1 - L R C Lfe Ls Rs Sl Sr
        { { L, R, C, Ls, Rs, Cs, Sl, Sr },    13 }, // 8.0 - L R C Ls Rs Cs Sl Sr
    }};

    struct CountedLayout
    {
        int numChannels;
        int wavOrder;
        int vorbisOrder;
    };

    // The usual order for each channel count, for files that name no speakers:
    // WAV's, and the order the Vorbis format fixes for Ogg Vorbis files.
    constexpr std::array<CountedLayout, 5> countedLayouts {{
        { 1, 0, 0 },  // Mono
        { 2, 1, 1 },  // Stereo
        { 4, 2, 2 },  // 4.0 - L R Ls Rs
        { 6, 4, 5 },  // 5.1 - L R C Lfe Ls Rs; in Vorbis 5.1 - L C R Ls Rs Lfe
        { 8, 8, 9 },  // 7.1 - L R C Lfe Ls Rs Sl Sr; in Vorbis 7.1 - L C R Sl Sr Ls Rs Lfe
    }};
    // clang-format on

    bool hasSpeakersInOrder (const MaskedLayout& row, const juce::Array<Speaker>& speakers)
    {
        if (speakers.size() > InputLayouts::maxChannels)
            return false;

        for (size_t slot = 0; slot < row.speakers.size(); ++slot)
            if (speakers[static_cast<int> (slot)] != row.speakers[slot]) // past the end reads "unknown"
                return false;

        return true;
    }

    LayoutChoice layoutFromCount (int numChannels, bool inVorbisOrder)
    {
        for (const auto& row : countedLayouts)
            if (row.numChannels == numChannels)
                return inVorbisOrder ? LayoutChoice { row.vorbisOrder, "from the channel count, in the order of Ogg Vorbis", {} }
                                     : LayoutChoice { row.wavOrder, "from the channel count; the file has no channel mask", {} };

        return { InputLayouts::noLayout, {}, "no layout reads " + juce::String (numChannels) + " channels; choose one with --layout (see --help)" };
    }

    LayoutChoice layoutFromSpeakers (const juce::Array<Speaker>& types, const juce::String& namedBy, const juce::String& fileName)
    {
        for (const auto& row : maskedLayouts)
            if (hasSpeakersInOrder (row, types))
                return { row.layoutId, "from the file's " + namedBy, {} };

        juce::StringArray names;

        for (const auto type : types)
            names.add (type == juce::AudioChannelSet::unknown ? juce::String ("?") : juce::AudioChannelSet::getAbbreviatedChannelTypeName (type));

        return { InputLayouts::noLayout, {}, fileName + "'s " + namedBy + " names the speakers " + names.joinIntoString (" ") + ", which match no input layout; choose one with --layout (see --help)" };
    }
} // namespace

LayoutChoice chooseInputLayout (int requestedLayout, const InputChannels* file, const juce::String& fileName)
{
    if (requestedLayout != InputLayouts::noLayout)
        return { requestedLayout, "from --layout", {} };

    if (file == nullptr)
        return { InputLayouts::monoLayout, "the built-in demo is mono", {} };

    if (file->problem.isNotEmpty())
        return { InputLayouts::noLayout, {}, fileName + "'s " + file->problem + "; choose a layout with --layout (see --help)" };

    if (! file->speakers.has_value())
        return layoutFromCount (file->numChannels, file->inVorbisOrder);

    if (const auto numSpeakers = file->speakers->size(); numSpeakers != file->numChannels)
        return { InputLayouts::noLayout, {}, fileName + "'s " + file->namedBy + " names " + juce::String (numSpeakers) + " speakers for its " + juce::String (file->numChannels) + " channels; choose a layout with --layout (see --help)" };

    return layoutFromSpeakers (*file->speakers, file->namedBy, fileName);
}
