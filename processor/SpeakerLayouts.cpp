#include "SpeakerLayouts.h"

namespace SpeakerLayouts
{
    namespace
    {
        juce::AudioChannelSet busOf (const NamedLayout& named)
        {
            const auto numChannels = InputLayouts::layoutFor (named.layoutId).layoutInputChannels;
            juce::AudioChannelSet bus;

            for (auto slot = 0; slot < numChannels; ++slot)
                bus.addChannel (named.speakers[static_cast<size_t> (slot)]);

            return bus;
        }

        const NamedLayout* findNamedLayout (const juce::AudioChannelSet& bus)
        {
            for (const auto& named : namedLayouts)
                if (busOf (named) == bus)
                    return &named;

            return nullptr;
        }
    } // namespace

    int layoutNamedBy (const juce::AudioChannelSet& bus)
    {
        const auto* named = findNamedLayout (bus);
        return named != nullptr ? named->layoutId : InputLayouts::noLayout;
    }

    ChannelOrder hostChannelOrder (const juce::AudioChannelSet& bus)
    {
        ChannelOrder order {};

        for (size_t slot = 0; slot < order.size(); ++slot)
            order[slot] = static_cast<int> (slot);

        if (const auto* named = findNamedLayout (bus))
            for (auto slot = 0; slot < bus.size(); ++slot)
                order[static_cast<size_t> (slot)] = bus.getChannelIndexForType (named->speakers[static_cast<size_t> (slot)]);

        return order;
    }
} // namespace SpeakerLayouts
