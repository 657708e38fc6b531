#include "../support/TestProcessors.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    constexpr double sampleRate = 48000.0;
    constexpr int blockSize = 512;

    // A position away from every default, so that a parameter that failed to
    // reach the plug-in shows in the audio.
    constexpr std::array<float, 5> testParameters { 0.62f, 0.41f, 0.12f, 0.8f, 0.85f };

    juce::PluginDescription describe (juce::AudioPluginFormat& format, const juce::String& path)
    {
        juce::OwnedArray<juce::PluginDescription> found;
        format.findAllTypesForFile (found, path);
        return found.isEmpty() ? juce::PluginDescription() : *found.getFirst();
    }

    /** Eight channels of noise processed with the test parameters, the first
        block after prepare, as any host runs it.
    */
    JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

    /** The host's way of setting a parameter: the wrapper's parameter objects for a
        loaded binary, the index-based setter for the processor in this process.
    */
    void setTestParameters (juce::AudioProcessor& processor)
    {
        const auto& hostedParameters = processor.getParameters();

        for (size_t i = 0; i < testParameters.size(); ++i)
        {
            if (hostedParameters.isEmpty())
                processor.setParameter (static_cast<int> (i), testParameters[i]);
            else
                hostedParameters[static_cast<int> (i)]->setValue (testParameters[i]);
        }
    }

    JUCE_END_IGNORE_WARNINGS_GCC_LIKE

    juce::AudioBuffer<float> processOneBlock (juce::AudioProcessor& processor)
    {
        processor.setPlayConfigDetails (8, 4, sampleRate, blockSize);
        setTestParameters (processor);

        processor.prepareToPlay (sampleRate, blockSize);
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
        const char* label;
        std::function<juce::AudioPluginFormat*()> create;
        const char* path;
        const char* versionText;    // as the framework's host decodes the format's version field: VST2 carries 120
        bool carriesDefaults;       // VST2 has no notion of a parameter's default value
    };

    void PrintTo (const HostedFormat& format, std::ostream* stream)
    {
        *stream << format.label;
    }

    class HostedPlugin  : public ::testing::TestWithParam<HostedFormat>
    {
    protected:
        void SetUp() override
        {
            format.reset (GetParam().create());
            description = describe (*format, GetParam().path);
            juce::String error;
            plugin = format->createInstanceFromDescription (description, sampleRate, blockSize, error);
            ASSERT_NE (plugin, nullptr) << "cannot load " << GetParam().path;
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
    EXPECT_EQ (description.version, GetParam().versionText);
    EXPECT_FALSE (description.isInstrument);
}

TEST_P (HostedPlugin, exposesTheSixParametersByName)
{
    const auto& parameters = plugin->getParameters();
    const char* names[] = { "Azimuth", "Elevation", "Distance", "Width", "Gain", "showOnOrbelScene" };

    // VST3 hosts also see the wrapper's own bypass switch after the six.
    ASSERT_GE (parameters.size(), 6);
    EXPECT_LE (parameters.size(), 7);

    for (auto i = 0; i < 6; ++i)
    {
        EXPECT_EQ (parameters[i]->getName (64), names[i]);

        if (GetParam().carriesDefaults)
        {
            EXPECT_FLOAT_EQ (parameters[i]->getDefaultValue(), Processor (juce::PluginHostType::UnknownHost).getParameterDefaultValue (i));
        }
    }
}

TEST_P (HostedPlugin, processesABlockBitIdenticallyToTheProcessorInProcess)
{
    Processor local (juce::PluginHostType::UnknownHost);
    const auto expected = processOneBlock (local);
    const auto hosted = processOneBlock (*plugin);

    expectBitIdenticalOutputs (hosted, expected);

    // Not trivially equal: the block carries an encoded, non-silent signal.
    EXPECT_GT (expected.getMagnitude (0, 0, blockSize), 0.01f);
}

INSTANTIATE_TEST_SUITE_P (BuiltBinaries,
                          HostedPlugin,
                          ::testing::Values (HostedFormat { "VST2", [] { return new juce::VSTPluginFormat(); }, VELORIN_VST2_BINARY, "0.1.2.0", false },
                                             HostedFormat { "VST3", [] { return new juce::VST3PluginFormat(); }, VELORIN_VST3_BUNDLE, "1.2.0", true }),
                          [] (const auto& testInfo) { return std::string (testInfo.param.label); });
