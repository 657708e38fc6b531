// Velorin.so as a bare VST 2.4 host sees it: dlopen, the entry point, the effect
// structure and the dispatcher, with nothing of the framework's hosting code.

#include <pluginterfaces/vst2.x/aeffectx.h>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{
    using EntryPoint = AEffect* (*) (audioMasterCallback);

    constexpr int fourCharCode (const char (&code)[5])
    {
        return (code[0] << 24) | (code[1] << 16) | (code[2] << 8) | code[3];
    }

    /** The host side: answers its version and records every call. */
    struct RecordingHost
    {
        static VstIntPtr callback (AEffect*, int opcode, int, VstIntPtr, void*, float)
        {
            calls().push_back (opcode);

            if (opcode == audioMasterVersion)
                return versionAnswer();

            return 0;
        }

        static std::vector<int>& calls()
        {
            static std::vector<int> c;
            return c;
        }
        static VstIntPtr& versionAnswer()
        {
            static VstIntPtr v = kVstVersion;
            return v;
        }
    };

    class RawVst2Host : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            library = dlopen (VELORIN_VST2_BINARY, RTLD_NOW | RTLD_LOCAL);
            ASSERT_NE (library, nullptr) << dlerror();

            entry = reinterpret_cast<EntryPoint> (dlsym (library, "VSTPluginMain"));
            legacyEntry = reinterpret_cast<EntryPoint> (dlsym (library, "main"));
            ASSERT_NE (entry, nullptr);
            ASSERT_NE (legacyEntry, nullptr);

            RecordingHost::calls().clear();
            RecordingHost::versionAnswer() = kVstVersion;
        }

        void TearDown() override
        {
            if (effect != nullptr)
                dispatch (effClose);

            // The library stays loaded: the framework inside it keeps process-wide state.
        }

        void open (EntryPoint which)
        {
            effect = which (RecordingHost::callback);
            ASSERT_NE (effect, nullptr);
            dispatch (effOpen);
        }

        VstIntPtr dispatch (int opcode, int index = 0, VstIntPtr value = 0, void* ptr = nullptr, float opt = 0.0f)
        {
            return effect->dispatcher (effect, opcode, index, value, ptr, opt);
        }

        std::string text (int opcode, int index = 0)
        {
            char buffer[256] = {};
            dispatch (opcode, index, 0, buffer);
            return buffer;
        }

        VstIntPtr canDo (const char* query)
        {
            return dispatch (effCanDo, 0, 0, const_cast<char*> (query));
        }

        VstIntPtr proposeArrangement (int numInputs, int numOutputs, int inputType = kSpeakerArrUserDefined)
        {
            VstSpeakerArrangement inputs {}, outputs {};
            inputs.type = inputType;
            inputs.numChannels = numInputs;
            outputs.type = kSpeakerArrUserDefined;
            outputs.numChannels = numOutputs;
            return dispatch (effSetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr> (&inputs), &outputs);
        }

        void* library = nullptr;
        EntryPoint entry = nullptr, legacyEntry = nullptr;
        AEffect* effect = nullptr;
    };
} // namespace

TEST_F (RawVst2Host, hostThatAnswersTheVersionQueryWithZeroGetsNoEffect)
{
    RecordingHost::versionAnswer() = 0;
    EXPECT_EQ (entry (RecordingHost::callback), nullptr);
    EXPECT_EQ (legacyEntry (RecordingHost::callback), nullptr);

    // It was asked for its version and for nothing that a new instance would ask.
    EXPECT_EQ (RecordingHost::calls(), (std::vector<int> { audioMasterVersion, audioMasterVersion }));
}

TEST_F (RawVst2Host, effectStructureCarriesTheIdentityAndCapabilities)
{
    open (entry);

    EXPECT_EQ (effect->magic, fourCharCode ("VstP"));
    EXPECT_EQ (effect->uniqueID, fourCharCode ("KoVE"));
    EXPECT_EQ (effect->version, 120);
    EXPECT_EQ (effect->numPrograms, 1);
    EXPECT_EQ (effect->numParams, 6);
    EXPECT_EQ (effect->numInputs, 8);
    EXPECT_EQ (effect->numOutputs, 4);
    EXPECT_EQ (effect->initialDelay, 0);

    EXPECT_TRUE (effect->flags & effFlagsHasEditor);
    EXPECT_TRUE (effect->flags & effFlagsCanReplacing);
    EXPECT_TRUE (effect->flags & effFlagsProgramChunks);
    EXPECT_FALSE (effect->flags & effFlagsIsSynth);
}

TEST_F (RawVst2Host, legacyMainEntryGivesTheSameEffect)
{
    open (legacyEntry);
    EXPECT_EQ (effect->version, 120);
    EXPECT_EQ (canDo ("openCloseAnyThread"), -1);
}

TEST_F (RawVst2Host, dispatcherAnswersNamesVersionsAndCategory)
{
    open (entry);

    EXPECT_EQ (text (effGetEffectName), "Velorin");
    EXPECT_EQ (text (effGetProductString), "Velorin");
    EXPECT_EQ (text (effGetVendorString), "Korvanne");
    EXPECT_EQ (dispatch (effGetVendorVersion), 120);
    EXPECT_EQ (dispatch (effGetVstVersion), 2400);
    EXPECT_EQ (dispatch (effGetPlugCategory), kPlugCategSpacializer);
    EXPECT_EQ (dispatch (effGetPlugCategory), 5);

    dispatch (effSetSampleRate, 0, 0, nullptr, 48000.0f);
    EXPECT_EQ (dispatch (effGetTailSize), 0);
}

TEST_F (RawVst2Host, capabilityQueriesFollowTheTableAndUnknownOnesGetZero)
{
    open (entry);

    const std::pair<const char*, int> table[] = {
        { "receiveVstEvents", 1 },
        { "receiveVstMidiEvent", 1 },
        { "receiveVstMidiEvents", 1 },
        { "sendVstEvents", -1 },
        { "sendVstMidiEvent", -1 },
        { "sendVstMidiEvents", -1 },
        { "receiveVstTimeInfo", 1 },
        { "conformsToWindowRules", 1 },
        { "bypass", 1 },
        { "openCloseAnyThread", -1 },
        { "offline", 0 },
        { "supportsViewDpiScaling", 0 },
        { "MPE", 0 },
        { "hasCockosExtensions", 0 },
        { "hasCockosViewAsConfig", 0 },
        { "", 0 },
        { "receivevstevents", 0 },
    };

    for (const auto& [query, answer] : table)
        EXPECT_EQ (canDo (query), answer) << '"' << query << '"';

    EXPECT_EQ (dispatch (effCanDo, 0, 0, nullptr), 0);
}

TEST_F (RawVst2Host, speakerArrangementsAreAcceptedOnlyForTheConfigurations)
{
    open (entry);

    EXPECT_EQ (proposeArrangement (2, 4, kSpeakerArrStereo), 1);

    VstSpeakerArrangement* inputs = nullptr;
    VstSpeakerArrangement* outputs = nullptr;
    ASSERT_EQ (dispatch (effGetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr> (&inputs), &outputs), 1);
    EXPECT_EQ (inputs->numChannels, 2);
    EXPECT_EQ (outputs->numChannels, 4);

    EXPECT_EQ (proposeArrangement (3, 4), 0);
    EXPECT_EQ (proposeArrangement (2, 2), 0);
    EXPECT_EQ (proposeArrangement (8, 6), 0);
    EXPECT_EQ (proposeArrangement (0, 4), 0);

    // A refused proposal leaves the accepted one in place.
    ASSERT_EQ (dispatch (effGetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr> (&inputs), &outputs), 1);
    EXPECT_EQ (inputs->numChannels, 2);

    for (const auto count : { 1, 4, 6, 8 })
        EXPECT_EQ (proposeArrangement (count, 4), 1) << count;

    // A speaker type that does not fit its channel count is still taken by its count.
    EXPECT_EQ (proposeArrangement (6, 4, kSpeakerArrStereo), 1);
    ASSERT_EQ (dispatch (effGetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr> (&inputs), &outputs), 1);
    EXPECT_EQ (inputs->numChannels, 6);

    EXPECT_EQ (dispatch (effSetSpeakerArrangement, 0, 0, nullptr), 0);
}

TEST_F (RawVst2Host, parametersHaveNamesAndTheirValuesAsText)
{
    open (entry);

    const char* names[] = { "Azimuth", "Elevation", "Distance", "Width", "Gain", "showOnOrbelScene" };
    const char* texts[] = { "0.5", "0.5", "0.25", "0", "0.9", "1" };

    for (auto i = 0; i < 6; ++i)
    {
        EXPECT_EQ (text (effGetParamName, i), names[i]);
        EXPECT_EQ (text (effGetParamDisplay, i), texts[i]);
        EXPECT_EQ (text (effGetParamLabel, i), "");
        EXPECT_FLOAT_EQ (effect->getParameter (effect, i), std::stof (texts[i]));
    }

    effect->setParameter (effect, 2, 0.1f);
    EXPECT_FLOAT_EQ (effect->getParameter (effect, 2), 0.1f);
    EXPECT_EQ (text (effGetParamDisplay, 2), "0.1");
    EXPECT_EQ (text (effGetProgramNameIndexed, 0), "Default");
}

TEST_F (RawVst2Host, stateChunkRoundTripsThroughTheHost)
{
    open (entry);
    effect->setParameter (effect, 0, 0.3f);
    effect->setParameter (effect, 3, 0.7f);

    void* data = nullptr;
    const auto size = dispatch (effGetChunk, 0, 0, &data);
    ASSERT_GT (size, 9);
    ASSERT_NE (data, nullptr);
    EXPECT_EQ (std::memcmp (data, "VC2!", 4), 0);

    const std::vector<char> saved (static_cast<char*> (data), static_cast<char*> (data) + size);
    const std::string document (saved.begin() + 8, saved.end() - 1);
    EXPECT_NE (document.find ("<Azi>0.3</Azi>"), std::string::npos) << document;

    effect->setParameter (effect, 0, 0.9f);
    effect->setParameter (effect, 3, 0.0f);

    auto copy = saved;
    dispatch (effSetChunk, 0, static_cast<VstIntPtr> (copy.size()), copy.data());
    EXPECT_FLOAT_EQ (effect->getParameter (effect, 0), 0.3f);
    EXPECT_FLOAT_EQ (effect->getParameter (effect, 3), 0.7f);
}

TEST_F (RawVst2Host, processesAudioIntoFourBFormatChannels)
{
    open (entry);
    ASSERT_EQ (proposeArrangement (2, 4, kSpeakerArrStereo), 1);
    dispatch (effSetSampleRate, 0, 0, nullptr, 48000.0f);
    dispatch (effSetBlockSize, 0, 256);
    dispatch (effMainsChanged, 0, 1);

    std::vector<std::vector<float>> in (2, std::vector<float> (256, 0.5f)), out (4, std::vector<float> (256, 9.0f));
    float* inputs[] = { in[0].data(), in[1].data() };
    float* outputs[] = { out[0].data(), out[1].data(), out[2].data(), out[3].data() };

    for (auto block = 0; block < 20; ++block)
        effect->processReplacing (effect, inputs, outputs, 256);

    // ambiX, straight ahead, two inputs at distance gain 0.5: W = X = 0.5, Y = Z = 0.
    EXPECT_FLOAT_EQ (out[0][255], 0.5f);
    EXPECT_NEAR (out[1][255], 0.0f, 1.0e-6f);
    EXPECT_NEAR (out[2][255], 0.0f, 1.0e-6f);
    EXPECT_FLOAT_EQ (out[3][255], 0.5f);

    dispatch (effMainsChanged, 0, 0);
}
