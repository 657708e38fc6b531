#include "AdmOscInbox.h"

#include <processor/VevazovAzudAudioProcessor.h>

namespace
{
    using Processor = VevazovAzudAudioProcessor;
    using AdmOsc::Kind;

    /** A number argument, int or float, when it is finite. */
    std::optional<float> numberIn (const juce::OSCArgument& argument)
    {
        if (argument.isFloat32())
        {
            const auto value = argument.getFloat32();
            return std::isfinite (value) ? std::optional<float> (value) : std::nullopt;
        }

        if (argument.isInt32())
            return static_cast<float> (argument.getInt32());

        return {};
    }
} // namespace

AdmOscInbox::AdmOscInbox (VevazovAzudAudioProcessor& processorToFill)
    : processor (processorToFill)
{
}

void AdmOscInbox::setObjectNumber (int newObjectNumber)
{
    objectNumber = newObjectNumber;
    addresses.clear();

    for (const auto& info : AdmOsc::kinds)
        for (const auto* property : { info.name, info.otherSpelling })
            if (property != nullptr)
                addresses.push_back ({ juce::OSCAddress (AdmOsc::addressOf (objectNumber, property)), info.kind, property });
}

bool AdmOscInbox::take (const juce::OSCMessage& message, const juce::String& senderAddress, int senderPort)
{
    if (echoGuard.isOwnPacket (senderAddress, senderPort))
        return false;

    const auto& pattern = message.getAddressPattern();
    std::array<bool, AdmOsc::kinds.size()> matched {};
    auto tookAny = false;

    for (const auto& address : addresses)
    {
        const auto kindIndex = static_cast<size_t> (address.kind);

        // A pattern that matches both spellings of a property matches it once.
        if (matched[kindIndex] || ! pattern.matches (address.address))
            continue;

        matched[kindIndex] = true;
        const auto& info = AdmOsc::infoFor (address.kind);

        if (message.isEmpty())
        {
            if (AdmOsc::isAnswered (info.kind))
            {
                ask (info.kind, address.property, senderAddress);
                tookAny = true;
            }

            continue;
        }

        // Only numbers, as many as the property has; anything else is not ADM-OSC.
        if (message.size() != info.numValues)
            continue;

        std::array<float, 3> values {};
        auto allNumbers = true;

        for (auto v = 0; v < info.numValues; ++v)
        {
            const auto number = numberIn (message[v]);
            allNumbers = allNumbers && number.has_value();
            values[static_cast<size_t> (v)] = number.value_or (0.0f);
        }

        if (! allNumbers || ! AdmOsc::movesTheSource (info.kind)
            || echoGuard.isEcho (info.kind, values, juce::Time::getMillisecondCounterHiRes()))
            continue;

        takeValue (info.kind, values);
        tookAny = true;
    }

    return tookAny;
}

void AdmOscInbox::takeValue (Kind kind, const std::array<float, 3>& v)
{
    switch (kind)
    {
        case Kind::aed: wantPosition ({ v[0], v[1], v[2] }); break;
        case Kind::azim: want (Processor::azimuthIndex, AdmOsc::azimuthParameter (v[0])); break;
        case Kind::elev: want (Processor::elevationIndex, AdmOsc::elevationParameter (v[0])); break;
        case Kind::dist: want (Processor::distanceIndex, AdmOsc::distanceParameter (v[0])); break;
        case Kind::xyz: wantPosition (AdmOsc::polarFromCartesian ({ v[0], v[1], v[2] })); break;

        case Kind::x:
        case Kind::y:
        case Kind::z:
        {
            // One axis moves; the other two stay where the source is, or is about to be.
            auto position = AdmOsc::cartesianFromPolar (latestPosition());
            auto& axis = kind == Kind::x ? position.x : (kind == Kind::y ? position.y : position.z);
            axis = v[0];
            wantPosition (AdmOsc::polarFromCartesian (position));
            break;
        }

        case Kind::w: want (Processor::widthIndex, AdmOsc::widthParameter (v[0])); break;
        case Kind::gain: want (Processor::gainIndex, AdmOsc::gainParameter (v[0])); break;
        case Kind::name:
        case Kind::dmax:
        case Kind::dref:
        case Kind::mute:
        default: break;
    }
}

void AdmOscInbox::wantPosition (AdmOsc::Polar position)
{
    want (Processor::azimuthIndex, AdmOsc::azimuthParameter (position.azimuth));
    want (Processor::elevationIndex, AdmOsc::elevationParameter (position.elevation));
    want (Processor::distanceIndex, AdmOsc::distanceParameter (position.distance));
}

void AdmOscInbox::want (int parameterIndex, float value)
{
    wanted[static_cast<size_t> (parameterIndex)].store (value, std::memory_order_relaxed);
    pending.fetch_or (1u << parameterIndex, std::memory_order_release);
}

float AdmOscInbox::latest (int parameterIndex)
{
    if ((pending.load (std::memory_order_acquire) & (1u << parameterIndex)) != 0)
        return wanted[static_cast<size_t> (parameterIndex)].load (std::memory_order_relaxed);

    return processor.getParameter (parameterIndex);
}

AdmOsc::Polar AdmOscInbox::latestPosition()
{
    return AdmOsc::polarFromParameters (latest (Processor::azimuthIndex),
                                        latest (Processor::elevationIndex),
                                        latest (Processor::distanceIndex));
}

void AdmOscInbox::ask (Kind kind, const char* property, const juce::String& senderAddress)
{
    const std::lock_guard<std::mutex> hold (queryLock);

    if (queries.size() < maximumQueries)
        queries.push_back ({ kind, property, senderAddress });
}

std::array<std::optional<float>, AdmOscInbox::numParameters> AdmOscInbox::takeValues()
{
    std::array<std::optional<float>, numParameters> values;
    const auto taken = pending.exchange (0, std::memory_order_acquire);

    for (auto index = 0; index < numParameters; ++index)
        if ((taken & (1u << index)) != 0)
            values[static_cast<size_t> (index)] = wanted[static_cast<size_t> (index)].load (std::memory_order_relaxed);

    return values;
}

std::vector<AdmOscInbox::Query> AdmOscInbox::takeQueries()
{
    const std::lock_guard<std::mutex> hold (queryLock);
    std::vector<Query> taken;
    taken.swap (queries);
    return taken;
}
