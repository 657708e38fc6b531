// The VST 2.4 entry points of Velorin.so. The framework's VST wrapper does the
// work; this thin layer in front of it presents what the framework answers
// differently: the version numbers, the capability table, and which speaker
// arrangements are accepted; and it hands the host automation made on the
// plug-in's own threads only on threads of the host's (Vst2HostRelay).

#include "Vst2HostRelay.h"

#include <plugin/PluginIdentity.h>
#include <plugin/WindowManagerAtoms.h>
#include <processor/InputLayouts.h>

#include <pluginterfaces/vst2.x/aeffectx.h>

#include <array>
#include <atomic>
#include <cstring>

// The framework's own entry, renamed in the build so that these can stand in front of it.
extern "C" AEffect* velorinFrameworkVstMain (audioMasterCallback host);

namespace
{
    struct Capability
    {
        const char* query;
        int answer;
    };

    // Anything not listed is answered with 0 ("don't know").
    // clang-format off
    constexpr std::array<Capability, 10> capabilities {{
        { "receiveVstEvents",      1 },
        { "receiveVstMidiEvent",   1 },
        { "receiveVstMidiEvents",  1 },
        { "sendVstEvents",        -1 },
        { "sendVstMidiEvent",     -1 },
        { "sendVstMidiEvents",    -1 },
        { "receiveVstTimeInfo",    1 },
        { "conformsToWindowRules", 1 },
        { "bypass",                1 },
        { "openCloseAnyThread",   -1 },
    }};
    // clang-format on

    constexpr auto versionNumber = PluginIdentity::vst2VersionNumber (PluginIdentity::versionCode);

    // Every effect shares the framework's one dispatcher and process functions.
    std::atomic<AEffectDispatcherProc> frameworkDispatcher { nullptr };
    std::atomic<AEffectProcessProc> frameworkProcess { nullptr };
    std::atomic<AEffectProcessDoubleProc> frameworkProcessDouble { nullptr };

    VstIntPtr answerCapability (const void* query) noexcept
    {
        if (query == nullptr)
            return 0;

        for (const auto& capability : capabilities)
            if (std::strcmp (static_cast<const char*> (query), capability.query) == 0)
                return capability.answer;

        return 0;
    }

    bool matchesAConfiguration (const VstSpeakerArrangement* inputs, const VstSpeakerArrangement* outputs) noexcept
    {
        return inputs != nullptr && outputs != nullptr
               && InputLayouts::isSupportedInputCount (inputs->numChannels)
               && outputs->numChannels == InputLayouts::numOutputChannels;
    }

    VstSpeakerArrangement withoutSpeakerTypes (const VstSpeakerArrangement& arrangement) noexcept
    {
        auto copy = arrangement;
        copy.type = kSpeakerArrUserDefined;
        return copy;
    }

    /** Accepts exactly the arrangements whose channel counts are one of the
        configurations, whatever speaker types the host names.
    */
    VstIntPtr setSpeakerArrangement (AEffect* effect, VstIntPtr value, void* ptr, float opt) noexcept
    {
        const auto* inputs = reinterpret_cast<const VstSpeakerArrangement*> (value);
        const auto* outputs = static_cast<const VstSpeakerArrangement*> (ptr);

        if (! matchesAConfiguration (inputs, outputs))
            return 0;

        const auto dispatch = frameworkDispatcher.load();

        if (dispatch (effect, effSetSpeakerArrangement, 0, value, ptr, opt) != 0)
            return 1;

        // Speaker types the framework cannot map: the counts are what the processor needs.
        auto plainInputs = withoutSpeakerTypes (*inputs);
        auto plainOutputs = withoutSpeakerTypes (*outputs);
        return dispatch (effect, effSetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr> (&plainInputs), &plainOutputs, opt) != 0 ? 1 : 0;
    }

    VstIntPtr dispatch (AEffect* effect, int opcode, int index, VstIntPtr value, void* ptr, float opt)
    {
        if (opcode == effClose)
            return Vst2HostRelay::close (effect, frameworkDispatcher.load());

        Vst2HostRelay::deliverHeldCalls (effect);

        switch (opcode)
        {
            case effGetVendorVersion: return versionNumber;
            case effCanDo: return answerCapability (ptr);
            case effSetSpeakerArrangement: return setSpeakerArrangement (effect, value, ptr, opt);
            default: return frameworkDispatcher.load() (effect, opcode, index, value, ptr, opt);
        }
    }

    void process (AEffect* effect, float** inputs, float** outputs, VstInt32 numSamples)
    {
        Vst2HostRelay::deliverHeldCalls (effect);
        frameworkProcess.load() (effect, inputs, outputs, numSamples);
    }

    void processDouble (AEffect* effect, double** inputs, double** outputs, VstInt32 numSamples)
    {
        Vst2HostRelay::deliverHeldCalls (effect);
        frameworkProcessDouble.load() (effect, inputs, outputs, numSamples);
    }

    AEffect* createEffect (audioMasterCallback host)
    {
        AEffect* effect = nullptr;

        {
            const ScopedWindowManagerAtoms atoms;
            effect = Vst2HostRelay::createEffect (host, velorinFrameworkVstMain);
        }

        if (effect == nullptr)
            return nullptr;

        frameworkDispatcher = effect->dispatcher;
        frameworkProcess = effect->processReplacing;
        frameworkProcessDouble = effect->processDoubleReplacing;
        effect->dispatcher = dispatch;
        effect->processReplacing = process;
        effect->processDoubleReplacing = processDouble;
        effect->version = versionNumber;
        return effect;
    }
} // namespace

#if defined(_WIN32)
// The library's .def file says what it exports: this entry, and the same one as
// "main" for older hosts.
    #define VELORIN_VST_EXPORT
#else
    #define VELORIN_VST_EXPORT __attribute__ ((visibility ("default")))
#endif

extern "C" VELORIN_VST_EXPORT AEffect* VSTPluginMain (audioMasterCallback host)
{
    return createEffect (host);
}

#if ! defined(_WIN32)
// Older hosts look for "main"; the name is given at the symbol level because a
// C++ function cannot be called main.
extern "C" VELORIN_VST_EXPORT AEffect* velorinLegacyMain (audioMasterCallback host) asm("main");

extern "C" AEffect* velorinLegacyMain (audioMasterCallback host)
{
    return createEffect (host);
}
#endif
