#include "Vst3ComponentGuard.h"

#include <pluginterfaces/vst/vstspeaker.h>

#include <algorithm>

using namespace Steinberg;

namespace
{
    constexpr int32 unknownChannels = -1;

    bool isIid (const TUID asked, const FUID& interfaceId) noexcept
    {
        return FUnknownPrivate::iidEqual (asked, interfaceId);
    }

    template <typename Interface>
    tresult hand (Interface* object, void** destination) noexcept
    {
        object->addRef();
        *destination = object;
        return kResultOk;
    }

    void clearChannel (const Vst::AudioBusBuffers& bus, int32 channel, int32 symbolicSampleSize, int32 numSamples) noexcept
    {
        const auto length = static_cast<size_t> (std::max (numSamples, 0));

        if (symbolicSampleSize == Vst::kSample64)
        {
            if (bus.channelBuffers64 != nullptr && bus.channelBuffers64[channel] != nullptr)
                std::fill_n (bus.channelBuffers64[channel], length, 0.0);
        }
        else if (bus.channelBuffers32 != nullptr && bus.channelBuffers32[channel] != nullptr)
        {
            std::fill_n (bus.channelBuffers32[channel], length, 0.0f);
        }
    }
} // namespace

Vst3ComponentGuard::Vst3ComponentGuard (Vst::IComponent* frameworkComponent, Vst::IAudioProcessor* frameworkProcessor) noexcept
    : component (frameworkComponent),
      processor (frameworkProcessor)
{
    for (auto* arranged : { &arrangedInputs, &arrangedOutputs })
        for (auto& channels : *arranged)
            channels = unknownChannels;
}

Vst3ComponentGuard::~Vst3ComponentGuard()
{
    processor->release();
    component->release();
}

//==============================================================================
tresult PLUGIN_API Vst3ComponentGuard::queryInterface (const TUID interfaceId, void** object)
{
    if (object == nullptr)
        return kInvalidArgument;

    if (isIid (interfaceId, FUnknown::iid) || isIid (interfaceId, IPluginBase::iid) || isIid (interfaceId, Vst::IComponent::iid))
        return hand (static_cast<Vst::IComponent*> (this), object);

    if (isIid (interfaceId, Vst::IAudioProcessor::iid))
        return hand (static_cast<Vst::IAudioProcessor*> (this), object);

    // Connection points, unit information and the rest are the framework's own.
    return component->queryInterface (interfaceId, object);
}

uint32 PLUGIN_API Vst3ComponentGuard::addRef()
{
    return ++referenceCount;
}

uint32 PLUGIN_API Vst3ComponentGuard::release()
{
    const auto remaining = --referenceCount;

    if (remaining == 0)
        delete this;

    return remaining;
}

//==============================================================================
tresult PLUGIN_API Vst3ComponentGuard::initialize (FUnknown* context) { return component->initialize (context); }
tresult PLUGIN_API Vst3ComponentGuard::terminate() { return component->terminate(); }
tresult PLUGIN_API Vst3ComponentGuard::getControllerClassId (TUID classId) { return component->getControllerClassId (classId); }
tresult PLUGIN_API Vst3ComponentGuard::setIoMode (Vst::IoMode mode) { return component->setIoMode (mode); }
int32 PLUGIN_API Vst3ComponentGuard::getBusCount (Vst::MediaType type, Vst::BusDirection direction) { return component->getBusCount (type, direction); }

tresult PLUGIN_API Vst3ComponentGuard::getBusInfo (Vst::MediaType type, Vst::BusDirection direction, int32 index, Vst::BusInfo& bus)
{
    return component->getBusInfo (type, direction, index, bus);
}

tresult PLUGIN_API Vst3ComponentGuard::getRoutingInfo (Vst::RoutingInfo& inInfo, Vst::RoutingInfo& outInfo)
{
    return component->getRoutingInfo (inInfo, outInfo);
}

tresult PLUGIN_API Vst3ComponentGuard::activateBus (Vst::MediaType type, Vst::BusDirection direction, int32 index, TBool state)
{
    // Buses change only while the component is inactive; some hosts switch their
    // MIDI bus off just before they deactivate a plug-in they are removing.
    if (active)
        return kResultFalse;

    return component->activateBus (type, direction, index, state);
}

tresult PLUGIN_API Vst3ComponentGuard::setActive (TBool state)
{
    // The arrangements are settled by now and hold until the component is deactivated.
    if (state != 0)
        readArrangedChannels();

    const auto result = component->setActive (state);
    active = state != 0 && result == kResultOk;
    return result;
}

tresult PLUGIN_API Vst3ComponentGuard::setState (IBStream* state) { return component->setState (state); }
tresult PLUGIN_API Vst3ComponentGuard::getState (IBStream* state) { return component->getState (state); }

//==============================================================================
tresult PLUGIN_API Vst3ComponentGuard::setBusArrangements (Vst::SpeakerArrangement* inputs, int32 numIns, Vst::SpeakerArrangement* outputs, int32 numOuts)
{
    return processor->setBusArrangements (inputs, numIns, outputs, numOuts);
}

tresult PLUGIN_API Vst3ComponentGuard::getBusArrangement (Vst::BusDirection direction, int32 index, Vst::SpeakerArrangement& arrangement)
{
    return processor->getBusArrangement (direction, index, arrangement);
}

tresult PLUGIN_API Vst3ComponentGuard::canProcessSampleSize (int32 symbolicSampleSize) { return processor->canProcessSampleSize (symbolicSampleSize); }
uint32 PLUGIN_API Vst3ComponentGuard::getLatencySamples() { return processor->getLatencySamples(); }
tresult PLUGIN_API Vst3ComponentGuard::setupProcessing (Vst::ProcessSetup& setup) { return processor->setupProcessing (setup); }
tresult PLUGIN_API Vst3ComponentGuard::setProcessing (TBool state) { return processor->setProcessing (state); }
uint32 PLUGIN_API Vst3ComponentGuard::getTailSamples() { return processor->getTailSamples(); }

tresult PLUGIN_API Vst3ComponentGuard::process (Vst::ProcessData& data)
{
    BusBuffers inputCopies, outputCopies;
    auto arranged = data;
    arranged.inputs = cutToArrangement (data.inputs, data.numInputs, arrangedInputs, inputCopies);
    arranged.outputs = cutToArrangement (data.outputs, data.numOutputs, arrangedOutputs, outputCopies);

    const auto result = processor->process (arranged);
    silenceUnarrangedOutputs (data);
    return result;
}

//==============================================================================
void Vst3ComponentGuard::readArrangedChannels()
{
    const auto read = [this] (Vst::BusDirection direction, ArrangedChannels& arranged)
    {
        const auto numBuses = component->getBusCount (Vst::kAudio, direction);

        for (int32 bus = 0; bus < maxGuardedBuses; ++bus)
        {
            Vst::SpeakerArrangement arrangement = 0;
            const auto known = bus < numBuses && processor->getBusArrangement (direction, bus, arrangement) == kResultOk;
            arranged[static_cast<size_t> (bus)] = known ? Vst::SpeakerArr::getChannelCount (arrangement) : unknownChannels;
        }
    };

    read (Vst::kInput, arrangedInputs);
    read (Vst::kOutput, arrangedOutputs);
}

Vst::AudioBusBuffers* Vst3ComponentGuard::cutToArrangement (Vst::AudioBusBuffers* buses, int32 numBuses, const ArrangedChannels& arranged, BusBuffers& copies) noexcept
{
    if (buses == nullptr || numBuses <= 0 || numBuses > maxGuardedBuses)
        return buses;

    for (int32 bus = 0; bus < numBuses; ++bus)
    {
        const auto index = static_cast<size_t> (bus);
        const int32 channels = arranged[index];
        copies[index] = buses[bus];

        if (channels != unknownChannels && copies[index].numChannels > channels)
            copies[index].numChannels = channels;
    }

    return copies.data();
}

void Vst3ComponentGuard::silenceUnarrangedOutputs (const Vst::ProcessData& data) const noexcept
{
    if (data.outputs == nullptr)
        return;

    for (int32 bus = 0; bus < std::min (data.numOutputs, static_cast<int32> (maxGuardedBuses)); ++bus)
    {
        const int32 channels = arrangedOutputs[static_cast<size_t> (bus)];

        if (channels == unknownChannels)
            continue;

        for (auto channel = channels; channel < data.outputs[bus].numChannels; ++channel)
            clearChannel (data.outputs[bus], channel, data.symbolicSampleSize, data.numSamples);
    }
}
