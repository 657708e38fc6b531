#pragma once

#include <pluginterfaces/vst/ivstaudioprocessor.h>
#include <pluginterfaces/vst/ivstcomponent.h>

#include <array>
#include <atomic>

/** Stands in front of the framework's VST3 component and holds the host to the
    buses the two have agreed on.

    Some hosts arrange a bus with fewer channels than they then hand over in every
    process call (a mono track arranged as one channel, processed with the eight
    buffers the bus had when it was created). The framework takes any such
    mismatch for a host that ignores the arrangement and processes silence. Here
    each bus of a process call is cut down to its arranged channels, and output
    channels beyond them are cleared.

    Every other call goes through unchanged, except bus activations while the
    component is active, which the interface does not allow and which are refused.
*/
// The interfaces end their objects' lives through release(), never by deleting a base pointer.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

class Vst3ComponentGuard final : public Steinberg::Vst::IComponent,
                                 public Steinberg::Vst::IAudioProcessor
{
public:
    /** Takes over one reference to the component, which must also be an audio processor. */
    Vst3ComponentGuard (Steinberg::Vst::IComponent* frameworkComponent,
                        Steinberg::Vst::IAudioProcessor* frameworkProcessor) noexcept;

    ~Vst3ComponentGuard();

    Vst3ComponentGuard (const Vst3ComponentGuard&) = delete;
    Vst3ComponentGuard& operator= (const Vst3ComponentGuard&) = delete;

    /** Buses per direction whose arrangements are kept; the plug-in has one of each. */
    static constexpr int maxGuardedBuses = 4;

    //==============================================================================
    Steinberg::tresult PLUGIN_API queryInterface (const Steinberg::TUID interfaceId, void** object) override;
    Steinberg::uint32 PLUGIN_API addRef() override;
    Steinberg::uint32 PLUGIN_API release() override;

    //==============================================================================
    Steinberg::tresult PLUGIN_API initialize (Steinberg::FUnknown* context) override;
    Steinberg::tresult PLUGIN_API terminate() override;
    Steinberg::tresult PLUGIN_API getControllerClassId (Steinberg::TUID classId) override;
    Steinberg::tresult PLUGIN_API setIoMode (Steinberg::Vst::IoMode mode) override;
    Steinberg::int32 PLUGIN_API getBusCount (Steinberg::Vst::MediaType type, Steinberg::Vst::BusDirection direction) override;
    Steinberg::tresult PLUGIN_API getBusInfo (Steinberg::Vst::MediaType type, Steinberg::Vst::BusDirection direction, Steinberg::int32 index, Steinberg::Vst::BusInfo& bus) override;
    Steinberg::tresult PLUGIN_API getRoutingInfo (Steinberg::Vst::RoutingInfo& inInfo, Steinberg::Vst::RoutingInfo& outInfo) override;
    Steinberg::tresult PLUGIN_API activateBus (Steinberg::Vst::MediaType type, Steinberg::Vst::BusDirection direction, Steinberg::int32 index, Steinberg::TBool state) override;
    Steinberg::tresult PLUGIN_API setActive (Steinberg::TBool state) override;
    Steinberg::tresult PLUGIN_API setState (Steinberg::IBStream* state) override;
    Steinberg::tresult PLUGIN_API getState (Steinberg::IBStream* state) override;

    //==============================================================================
    Steinberg::tresult PLUGIN_API setBusArrangements (Steinberg::Vst::SpeakerArrangement* inputs, Steinberg::int32 numIns, Steinberg::Vst::SpeakerArrangement* outputs, Steinberg::int32 numOuts) override;
    Steinberg::tresult PLUGIN_API getBusArrangement (Steinberg::Vst::BusDirection direction, Steinberg::int32 index, Steinberg::Vst::SpeakerArrangement& arrangement) override;
    Steinberg::tresult PLUGIN_API canProcessSampleSize (Steinberg::int32 symbolicSampleSize) override;
    Steinberg::uint32 PLUGIN_API getLatencySamples() override;
    Steinberg::tresult PLUGIN_API setupProcessing (Steinberg::Vst::ProcessSetup& setup) override;
    Steinberg::tresult PLUGIN_API setProcessing (Steinberg::TBool state) override;
    Steinberg::tresult PLUGIN_API process (Steinberg::Vst::ProcessData& data) override;
    Steinberg::uint32 PLUGIN_API getTailSamples() override;

private:
    using BusBuffers = std::array<Steinberg::Vst::AudioBusBuffers, maxGuardedBuses>;

    /** Channels of each bus as arranged when the component was activated; -1 where unknown. */
    using ArrangedChannels = std::array<std::atomic<Steinberg::int32>, maxGuardedBuses>;

    void readArrangedChannels();
    static Steinberg::Vst::AudioBusBuffers* cutToArrangement (Steinberg::Vst::AudioBusBuffers* buses, Steinberg::int32 numBuses, const ArrangedChannels& arranged, BusBuffers& copies) noexcept;
    void silenceUnarrangedOutputs (const Steinberg::Vst::ProcessData& data) const noexcept;

    std::atomic<Steinberg::uint32> referenceCount { 1 };
    Steinberg::Vst::IComponent* const component;
    Steinberg::Vst::IAudioProcessor* const processor;
    ArrangedChannels arrangedInputs;
    ArrangedChannels arrangedOutputs;
    std::atomic<bool> active { false };
};

#pragma GCC diagnostic pop
