#include <processor/SpeakerLayouts.h>

#include <gtest/gtest.h>

#include <map>

namespace
{
    using Channel = juce::AudioChannelSet;

    // Where a VST3 host lists each speaker of the layout names: L R C Lfe Ls Rs Lc Rc Cs Sl Sr.
    const std::map<juce::String, int> vst3Position { { "L", 0 }, { "R", 1 }, { "C", 2 }, { "Lfe", 3 }, { "Ls", 4 }, { "Rs", 5 }, { "Cs", 8 }, { "Sl", 9 }, { "Sr", 10 } };

    // The framework names the surround pair of 7.1 the rear surrounds.
    const std::map<Channel::ChannelType, juce::String> speakerName {
        { Channel::left, "L" },
        { Channel::right, "R" },
        { Channel::centre, "C" },
        { Channel::LFE, "Lfe" },
        { Channel::leftSurround, "Ls" },
        { Channel::rightSurround, "Rs" },
        { Channel::leftSurroundRear, "Ls" },
        { Channel::rightSurroundRear, "Rs" },
        { Channel::centreSurround, "Cs" },
        { Channel::leftSurroundSide, "Sl" },
        { Channel::rightSurroundSide, "Sr" }
    };

    /** The speakers a layout's name lists after its format, "L R C Lfe Ls Rs" for "5.1 - L R C Lfe Ls Rs". */
    juce::StringArray speakersInName (const char* name)
    {
        return juce::StringArray::fromTokens (juce::String (name).fromFirstOccurrenceOf (" - ", false, false), false);
    }

    bool inVst3Order (const juce::StringArray& speakers)
    {
        for (auto i = 1; i < speakers.size(); ++i)
            if (vst3Position.at (speakers[i - 1]) >= vst3Position.at (speakers[i]))
                return false;

        return ! speakers.isEmpty();
    }

    const SpeakerLayouts::NamedLayout* entryFor (int layoutId)
    {
        for (const auto& named : SpeakerLayouts::namedLayouts)
            if (named.layoutId == layoutId)
                return &named;

        return nullptr;
    }

    const auto eightPointZero = Channel::channelSetWithChannels ({ Channel::left, Channel::right, Channel::centre, Channel::leftSurround, Channel::rightSurround, Channel::centreSurround, Channel::leftSurroundSide, Channel::rightSurroundSide });
} // namespace

TEST (SpeakerLayouts, namesExactlyTheLayoutsWrittenInTheHostsSpeakerOrder)
{
    for (auto id = 0; id < InputLayouts::numLayouts; ++id)
    {
        const auto& layout = InputLayouts::layouts[(size_t) id];
        const auto speakers = speakersInName (layout.name);
        const auto* named = entryFor (id);

        ASSERT_EQ (named != nullptr, inVst3Order (speakers)) << layout.name;

        for (auto slot = 0; named != nullptr && slot < speakers.size(); ++slot)
            EXPECT_EQ (speakerName.at (named->speakers[(size_t) slot]), speakers[slot]) << layout.name << " slot " << slot;
    }
}

TEST (SpeakerLayouts, surroundBusesNameTheirLayoutAndOthersNone)
{
    struct Case
    {
        juce::AudioChannelSet bus;
        int expected;
    };

    const Case cases[] = {
        { Channel::quadraphonic(), 2 },
        { Channel::create5point1(), 4 },
        { Channel::create7point1(), 8 },
        { eightPointZero, 13 },
        { Channel::mono(), InputLayouts::noLayout },
        { Channel::stereo(), InputLayouts::noLayout },
        { Channel::channelSetWithChannels ({ Channel::left, Channel::right, Channel::centre, Channel::LFE }), InputLayouts::noLayout },
        { Channel::create7point1SDDS(), InputLayouts::noLayout }, // L R C Lfe Ls Rs Lc Rc
        { Channel::create6point1(), InputLayouts::noLayout },
        { Channel::discreteChannels (8), InputLayouts::noLayout },
        { juce::AudioChannelSet(), InputLayouts::noLayout },
    };

    for (const auto& c : cases)
        EXPECT_EQ (SpeakerLayouts::layoutNamedBy (c.bus), c.expected) << c.bus.getDescription();
}

TEST (SpeakerLayouts, hostOrderPutsBackThe7Point1RearsTheFrameworkMovedBehindTheSides)
{
    const SpeakerLayouts::ChannelOrder inBufferOrder { 0, 1, 2, 3, 4, 5, 6, 7 };

    EXPECT_EQ (SpeakerLayouts::hostChannelOrder (Channel::create7point1()), (SpeakerLayouts::ChannelOrder { 0, 1, 2, 3, 6, 7, 4, 5 }));
    EXPECT_EQ (SpeakerLayouts::hostChannelOrder (Channel::create5point1()), inBufferOrder);
    EXPECT_EQ (SpeakerLayouts::hostChannelOrder (eightPointZero), inBufferOrder);
    EXPECT_EQ (SpeakerLayouts::hostChannelOrder (Channel::create7point1SDDS()), inBufferOrder);

    // The four outputs overwrite buffer channels 0-3, so no named bus may move them.
    for (const auto& named : SpeakerLayouts::namedLayouts)
    {
        juce::AudioChannelSet bus;

        for (auto slot = 0; slot < InputLayouts::layoutFor (named.layoutId).layoutInputChannels; ++slot)
            bus.addChannel (named.speakers[(size_t) slot]);

        const auto order = SpeakerLayouts::hostChannelOrder (bus);

        for (auto slot = 0; slot < InputLayouts::numOutputChannels; ++slot)
            EXPECT_EQ (order[(size_t) slot], slot) << named.layoutId;
    }
}
