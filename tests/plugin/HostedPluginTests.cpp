#include "../support/TestProcessors.h"
#include "../support/WindowSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <tuple>

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    constexpr double sampleRate = 48000.0;
    constexpr int blockSize = 512;

    // A position away from every default, so that a parameter that failed to
    // reach the plug-in shows in the audio.
    constexpr std::array<float, 5> testParameters { 0.62f, 0.41f, 0.12f, 0.8f, 0.85f };

    juce::PluginDescription describe (juce::AudioPluginFormat& format, const juce::String& fileOrIdentifier)
    {
        juce::OwnedArray<juce::PluginDescription> found;
        format.findAllTypesForFile (found, fileOrIdentifier);
        return found.isEmpty() ? juce::PluginDescription() : *found.getFirst();
    }

    /** LV2 hosts find plug-ins by URI among the bundles on their search path. */
    juce::PluginDescription describeLv2 (juce::AudioPluginFormat& format)
    {
        const auto bundle = juce::File (VELORIN_LV2_BUNDLE);
        format.searchPathsForPlugins (juce::FileSearchPath (bundle.getParentDirectory().getFullPathName()), false, false);
        return describe (format, JucePlugin_LV2URI);
    }

    /** Eight channels of noise processed with the test parameters, the first
        block after prepare, as any host runs it.
    */
    /** Where the plug-in's own six parameters start: LV2 hosts put their bypass switch first. */
    int firstOwnParameter (juce::AudioProcessor& processor)
    {
        const auto& parameters = processor.getParameters();

        for (auto i = 0; i < parameters.size(); ++i)
            if (parameters[i]->getName (64) == "Azimuth")
                return i;

        return 0;
    }

    /** The hosted parameter with the processor's name for an index. */
    juce::AudioProcessorParameter* hostedParameter (juce::AudioProcessor& processor, int index)
    {
        JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")
        const auto name = VevazovAzudAudioProcessor (juce::PluginHostType::UnknownHost).getParameterName (index);
        JUCE_END_IGNORE_WARNINGS_GCC_LIKE

        for (auto* parameter : processor.getParameters())
            if (parameter->getName (64) == name)
                return parameter;

        return nullptr;
    }

    JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

    /** The host's way of setting a parameter: the wrapper's parameter objects for a
        loaded binary, the index-based setter for the processor in this process.
    */
    void setTestParameters (juce::AudioProcessor& processor)
    {
        for (size_t i = 0; i < testParameters.size(); ++i)
        {
            if (processor.getParameters().isEmpty())
                processor.setParameter (static_cast<int> (i), testParameters[i]);
            else
                hostedParameter (processor, static_cast<int> (i))->setValue (testParameters[i]);
        }
    }

    JUCE_END_IGNORE_WARNINGS_GCC_LIKE

    juce::AudioBuffer<float> processOneBlock (juce::AudioProcessor& processor, bool withTestParameters = true)
    {
        processor.setPlayConfigDetails (8, 4, sampleRate, blockSize);
        processor.prepareToPlay (sampleRate, blockSize);

        // Set once prepared: the framework's LV2 host makes a new instance of the
        // plug-in in prepareToPlay and reads the parameters back from its ports.
        if (withTestParameters)
            setTestParameters (processor);
        auto buffer = makeNoise (8, blockSize, 42);
        juce::MidiBuffer midi;
        processor.processBlock (buffer, midi);
        processor.releaseResources();
        return buffer;
    }

    void expectBitIdenticalOutputs (const juce::AudioBuffer<float>& a, const juce::AudioBuffer<float>& b)
    {
        for (auto channel = 0; channel < 4; ++channel)
            for (auto i = 0; i < blockSize; ++i)
                ASSERT_EQ (std::memcmp (a.getReadPointer (channel, i), b.getReadPointer (channel, i), sizeof (float)), 0)
                    << "channel " << channel << " sample " << i << ": " << a.getSample (channel, i) << " vs " << b.getSample (channel, i);
    }

    struct HostedFormat
    {
        const char* label = "";
        std::function<juce::AudioPluginFormat*()> create;
        std::function<juce::PluginDescription (juce::AudioPluginFormat&)> find;

        // The version as the framework's host decodes it (VST2 carries 120); null where it reads none.
        const char* versionText = nullptr;

        // VST2 has no notion of a parameter's default value.
        bool carriesDefaults = true;

        // VST3 and LV2 hosts add their own bypass switch.
        int numParameters = 7;

        // The wrapper the binary presents the processor in; the in-process
        // processor it is compared with is made as if in the same one.
        juce::AudioProcessor::WrapperType wrapper = juce::AudioProcessor::wrapperType_Undefined;

        // Empty where this host cannot ask: LV2 has one fixed set of ports, and the
        // framework's VST2 host only compares counts with the largest (the bare
        // VST2 host test asks the plug-in).
        std::vector<int> inputCounts;
    };

    void PrintTo (const HostedFormat& format, std::ostream* stream)
    {
        *stream << format.label;
    }

    class HostedPlugin : public ::testing::TestWithParam<HostedFormat>
    {
    protected:
        void SetUp() override
        {
            format.reset (GetParam().create());
            description = GetParam().find (*format);
            juce::String error;
            plugin = format->createInstanceFromDescription (description, sampleRate, blockSize, error);
            ASSERT_NE (plugin, nullptr) << "cannot load the " << GetParam().label << " plug-in: " << error;
        }

        void TearDown() override
        {
            plugin.reset();
        }

        std::unique_ptr<juce::AudioPluginFormat> format;
        juce::PluginDescription description;
        std::unique_ptr<juce::AudioPluginInstance> plugin;
    };
} // namespace

TEST_P (HostedPlugin, presentsTheProductsIdentity)
{
    EXPECT_EQ (plugin->getName(), "Velorin");
    EXPECT_EQ (description.name, "Velorin");
    EXPECT_EQ (description.manufacturerName, "Korvanne");
    if (GetParam().versionText != nullptr)
    {
        EXPECT_EQ (description.version, juce::String (GetParam().versionText));
    }
    EXPECT_FALSE (description.isInstrument);
}

TEST_P (HostedPlugin, exposesTheSixParametersByName)
{
    const auto& parameters = plugin->getParameters();
    const char* names[] = { "Azimuth", "Elevation", "Distance", "Width", "Gain", "showOnOrbelScene" };
    ASSERT_EQ (parameters.size(), GetParam().numParameters);

    for (auto i = 0; i < 6; ++i)
    {
        const auto found = std::find_if (parameters.begin(), parameters.end(), [&] (auto* p)
                                         { return p->getName (64) == names[i]; });
        ASSERT_NE (found, parameters.end()) << names[i];

        // In the processor's order: VST2 and VST3 hosts address parameters by index, LV2 hosts by port.
        EXPECT_EQ (static_cast<int> (found - parameters.begin()), firstOwnParameter (*plugin) + i) << names[i];

        if (GetParam().carriesDefaults)
        {
            EXPECT_FLOAT_EQ ((*found)->getDefaultValue(), Processor (juce::PluginHostType::UnknownHost).getParameterDefaultValue (i)) << names[i];
        }
    }
}

TEST_P (HostedPlugin, processesABlockBitIdenticallyToTheProcessorInProcess)
{
    juce::AudioProcessor::setTypeOfNextNewPlugin (GetParam().wrapper);
    Processor local (juce::PluginHostType::UnknownHost);
    juce::AudioProcessor::setTypeOfNextNewPlugin (juce::AudioProcessor::wrapperType_Undefined);
    const auto expected = processOneBlock (local);
    const auto hosted = processOneBlock (*plugin);

    expectBitIdenticalOutputs (hosted, expected);

    // Not trivially equal: the block carries an encoded, non-silent signal.
    EXPECT_GT (expected.getMagnitude (0, 0, blockSize), 0.01f);
}

TEST_P (HostedPlugin, stateSavedThroughTheHostRestoresIntoAFreshInstance)
{
    // Both instances run a block before they save: LV2 hosts hand parameter changes
    // over as the plug-in runs, and a prepared instance has chosen its layout.
    processOneBlock (*plugin);

    juce::MemoryBlock state;
    plugin->getStateInformation (state);
    ASSERT_GT (state.getSize(), 0u);

    juce::String error;
    auto fresh = format->createInstanceFromDescription (description, sampleRate, blockSize, error);
    ASSERT_NE (fresh, nullptr) << error;
    fresh->setStateInformation (state.getData(), static_cast<int> (state.getSize()));
    processOneBlock (*fresh, false);

    juce::MemoryBlock again;
    fresh->getStateInformation (again);
    EXPECT_EQ (again, state);

    // And what was saved is the edited instance, not a default one.
    auto untouched = format->createInstanceFromDescription (description, sampleRate, blockSize, error);
    ASSERT_NE (untouched, nullptr) << error;
    processOneBlock (*untouched, false);
    juce::MemoryBlock defaultState;
    untouched->getStateInformation (defaultState);
    EXPECT_NE (defaultState, state);

    // VST2 and VST3 hosts read the values again; LV2 hosts restore their ports.
    for (auto index = 0; index < static_cast<int> (testParameters.size()); ++index)
        EXPECT_FLOAT_EQ (hostedParameter (*fresh, index)->getValue(), testParameters[(size_t) index]) << index;
}

TEST_P (HostedPlugin, parametersHaveDistinctIdentifiers)
{
    std::set<juce::String> identifiers;

    for (auto* parameter : plugin->getParameters())
        if (auto* withId = dynamic_cast<juce::HostedAudioProcessorParameter*> (parameter))
            identifiers.insert (withId->getParameterID());

    EXPECT_EQ (identifiers.size(), static_cast<size_t> (plugin->getParameters().size()));
}

TEST_P (HostedPlugin, offersEachInputCountOfTheLayoutsIntoFourOutputs)
{
    const auto layoutOf = [] (int ins, int outs)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (juce::AudioChannelSet::canonicalChannelSet (ins));
        layout.outputBuses.add (juce::AudioChannelSet::canonicalChannelSet (outs));
        return layout;
    };

    const auto& offered = GetParam().inputCounts;

    if (! offered.empty())
    {
        for (auto ins = 1; ins <= 8; ++ins)
        {
            const auto expected = std::find (offered.begin(), offered.end(), ins) != offered.end();
            EXPECT_EQ (plugin->checkBusesLayoutSupported (layoutOf (ins, 4)), expected) << ins << " inputs";
        }

        EXPECT_FALSE (plugin->checkBusesLayoutSupported (layoutOf (offered.back(), 2)));
    }

    EXPECT_EQ (plugin->getTotalNumInputChannels(), 8);
    EXPECT_EQ (plugin->getTotalNumOutputChannels(), 4);
    EXPECT_TRUE (plugin->acceptsMidi());
    EXPECT_FALSE (plugin->producesMidi());
}

// The framework's LV2 host reads no version; the bundle carries it for other hosts.
TEST (Lv2Bundle, describesVersionMakerAndEveryParameterAsAControlPortOnly)
{
    const auto bundle = juce::File (VELORIN_LV2_BUNDLE);
    const auto description = bundle.getChildFile ("dsp.ttl").loadFileAsString();

    for (const auto* expected : { "doap:name \"Velorin\"", "foaf:name \"Korvanne\"", "foaf:homepage <https://www.korvanne.example>", "lv2:minorVersion 4", "lv2:microVersion 0", "doap:revision \"1.2.0\"", "lv2:symbol \"Azimuth\"", "lv2:symbol \"Elevation\"", "lv2:symbol \"Distance\"", "lv2:symbol \"Width\"", "lv2:symbol \"Gain\"", "lv2:symbol \"showOnOrbelScene\"", "lv2:index 22 ;",
                                  // The ports in their units (read by Ardour in its test), a toggle the last.
                                  "lv2:minimum -180.0 ;",
                                  "lv2:maximum 10.0 ;",
                                  "units:render \"%f\xc2\xb0\"",
                                  "units:symbol \"m\"",
                                  "units:unit units:db",
                                  "lv2:portProperty lv2:toggled" })
        EXPECT_TRUE (description.contains (expected)) << expected;

    // Declared once: a host would show a parameter declared as a property as well twice.
    EXPECT_FALSE (description.contains ("lv2:Parameter"));
    EXPECT_FALSE (description.contains ("patch:writable"));

    // The maker has a web site and no e-mail address; hosts compare versions in the manifest.
    EXPECT_FALSE (description.contains ("foaf:mbox"));
    EXPECT_TRUE (bundle.getChildFile ("manifest.ttl").loadFileAsString().contains ("\ta lv2:Plugin ;\n\tlv2:minorVersion 4 ;\n\tlv2:microVersion 0 ;\n"));
}

TEST (HostedVst3, showsAndReadsEveryParameterInItsUnitWhileVst2ShowsTheNormalisedValue)
{
    juce::VST3PluginFormat vst3;
    juce::String error;
    auto plugin = vst3.createInstanceFromDescription (describe (vst3, VELORIN_VST3_BUNDLE), sampleRate, blockSize, error);
    ASSERT_NE (plugin, nullptr) << error;

    // clang-format off
    // Any value the host asks about, not only the current one: { index, value, text }.
    const std::tuple<int, float, const char*> shown[] {
        { 0, 0.5f + 30.0f / 360.0f, "30.0\xc2\xb0" },   { 0, 0.0f,   "\xe2\x88\x92" "180.0\xc2\xb0" },
        { 1, 0.5f - 12.0f / 180.0f, "\xe2\x88\x92" "12.0\xc2\xb0" }, { 1, 0.5f, "0.0\xc2\xb0" },
        { 2, 0.25f, "1.00 m" },                         { 2, 0.1f,   "0.40 m" },
        { 3, 0.5f,  "50 %" },                           { 3, 1.0f,   "100 %" },
        { 4, 0.84f, "\xe2\x88\x92" "6.0 dB" },           { 4, 0.9f,   "0.0 dB" },   { 4, 1.0f, "10.0 dB" },
        { 5, 1.0f,  "Shown" },                          { 5, 0.2f,   "Hidden" },
    };

    // With or without the unit; beyond the range held at its ends, an azimuth turned round.
    const std::tuple<int, const char*, float> typed[] {
        { 0, "30", 0.5f + 30.0f / 360.0f },   { 0, "-90\xc2\xb0", 0.25f },   { 0, "190 deg", 10.0f / 360.0f },
        { 1, "\xe2\x88\x92" "45", 0.25f },    { 1, "100", 1.0f },
        { 2, "1.5m", 0.375f },                { 2, "9 m", 1.0f },
        { 3, "75 %", 0.75f },                 { 3, "-5", 0.0f },
        { 4, "-6 dB", 0.84f },                { 4, "+10", 1.0f },
        { 5, "hidden", 0.0f },                { 5, "On", 1.0f },
    };
    // clang-format on

    for (const auto& [index, value, text] : shown)
        EXPECT_EQ (hostedParameter (*plugin, index)->getText (value, 64), juce::String (juce::CharPointer_UTF8 (text))) << index << " " << value;

    for (const auto& [index, text, value] : typed)
        EXPECT_FLOAT_EQ (hostedParameter (*plugin, index)->getValueForText (juce::CharPointer_UTF8 (text)), value) << text;

    // The values themselves, which hosts save, stay normalised.
    EXPECT_FLOAT_EQ (hostedParameter (*plugin, 4)->getValue(), 0.9f);

    juce::VSTPluginFormat vst2;
    auto legacy = vst2.createInstanceFromDescription (describe (vst2, VELORIN_VST2_BINARY), sampleRate, blockSize, error);
    ASSERT_NE (legacy, nullptr) << error;
    EXPECT_EQ (hostedParameter (*legacy, 4)->getCurrentValueAsText(), "0.9");
    EXPECT_EQ (hostedParameter (*legacy, 2)->getCurrentValueAsText(), "0.25");
}

namespace
{
    HostedFormat vst2()
    {
        HostedFormat f;
        f.label = "VST2";
        f.create = []
        { return new juce::VSTPluginFormat(); };
        f.find = [] (auto& format)
        { return describe (format, VELORIN_VST2_BINARY); };
        f.versionText = "0.1.2.0";
        f.carriesDefaults = false;
        f.numParameters = 6;
        f.wrapper = juce::AudioProcessor::wrapperType_VST;
        return f;
    }

    HostedFormat vst3()
    {
        HostedFormat f;
        f.label = "VST3";
        f.create = []
        { return new juce::VST3PluginFormat(); };
        f.find = [] (auto& format)
        { return describe (format, VELORIN_VST3_BUNDLE); };
        f.versionText = "1.2.0";
        f.inputCounts = { 1, 2, 4, 6, 8 };
        f.wrapper = juce::AudioProcessor::wrapperType_VST3;
        return f;
    }

    HostedFormat lv2()
    {
        HostedFormat f;
        f.label = "LV2";
        f.create = []
        { return new juce::LV2PluginFormat(); };
        f.find = describeLv2;
        f.wrapper = juce::AudioProcessor::wrapperType_LV2;
        return f;
    }
} // namespace

INSTANTIATE_TEST_SUITE_P (BuiltBinaries,
                          HostedPlugin,
                          ::testing::Values (vst2(), vst3(), lv2()),
                          [] (const auto& testInfo)
                          { return std::string (testInfo.param.label); });

TEST_P (HostedPlugin, opensItsOwnEditorAtItsFixedSize)
{
    if (! hasDisplayForWindows())
        GTEST_SKIP() << "needs an X display";

    for (auto opening = 0; opening < 3; ++opening)
    {
        std::unique_ptr<juce::AudioProcessorEditor> editor (plugin->createEditorIfNeeded());
        ASSERT_NE (editor, nullptr);
        EXPECT_FALSE (dynamic_cast<juce::GenericAudioProcessorEditor*> (editor.get()) != nullptr) << "the plug-in's own editor, not the host's";
        EXPECT_EQ (editor->getWidth(), 556);
        EXPECT_EQ (editor->getHeight(), 503);
    }
}
