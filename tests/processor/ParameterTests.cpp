#include "../support/TestProcessors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    struct Parameters : public ::testing::Test
    {
        Parameters()
        {
            processor.takeGuiUpdate();
            processor.takeSceneUpdate();
        }

        void clearFlags()
        {
            processor.takeGuiUpdate();
            processor.takeSceneUpdate();
        }

        Processor processor { juce::PluginHostType::UnknownHost };
    };
} // namespace

TEST_F (Parameters, tableHasSixNamedContinuousParametersWithDefaults)
{
    const char* names[] = { "Azimuth", "Elevation", "Distance", "Width", "Gain", "showOnOrbelScene" };
    const float defaults[] = { 0.5f, 0.5f, 0.25f, 0.0f, 0.9f, 1.0f };

    ASSERT_EQ (processor.getNumParameters(), 6);

    for (auto i = 0; i < 6; ++i)
    {
        EXPECT_EQ (processor.getParameterName (i), names[i]);
        EXPECT_EQ (processor.getParameterDefaultValue (i), defaults[i]);
        EXPECT_TRUE (processor.isParameterAutomatable (i));
        EXPECT_FALSE (processor.isMetaParameter (i));
        EXPECT_TRUE (processor.getParameterLabel (i).isEmpty());
    }

    EXPECT_EQ (processor.getParameterName (6), "");
    EXPECT_EQ (processor.getParameterName (-1), "");
    EXPECT_EQ (processor.getParameter (6), 0.0f);
    EXPECT_EQ (processor.getParameterDefaultValue (6), 0.0f);
}

TEST_F (Parameters, idsAreDistinctStableSymbols)
{
    juce::StringArray ids;

    for (auto i = 0; i < 6; ++i)
        ids.add (processor.getParameterID (i));

    EXPECT_EQ (ids, juce::StringArray ({ "Azimuth", "Elevation", "Distance", "Width", "Gain", "showOnOrbelScene" }));
}

TEST_F (Parameters, textIsTheStoredValueWithSixSignificantDigits)
{
    EXPECT_EQ (processor.getParameterText (4), "0.9");
    EXPECT_EQ (processor.getParameterText (2), "0.25");
    EXPECT_EQ (processor.getParameterText (6), "");

    const std::pair<float, const char*> cases[] = {
        { 0.5f, "0.5" },
        { 0.9f, "0.9" },
        { 1.0f, "1" },
        { 1.0f / 3.0f, "0.333333" },
        { 0.00001f, "1e-05" },
        { 0.123456789f, "0.123457" },
        { -0.25f, "-0.25" },
        { 0.0f, "0" },
    };

    for (const auto& [value, text] : cases)
    {
        processor.setParameter (3, value);
        EXPECT_EQ (processor.getParameterText (3), text) << value;
    }
}

TEST_F (Parameters, gainMapsOneHundredDecibelsOntoTheUnitRange)
{
    processor.setParameter (4, 0.9f);
    EXPECT_EQ (processor.getTargetOutputGain(), 1.0f);

    processor.setParameter (4, 1.0f);
    EXPECT_FLOAT_EQ (processor.getTargetOutputGain(), std::pow (10.0f, 0.5f));

    processor.setParameter (4, 0.0f);
    EXPECT_FLOAT_EQ (processor.getTargetOutputGain(), std::pow (10.0f, -4.5f));

    processor.setParameter (4, -0.1f);
    EXPECT_EQ (processor.getTargetOutputGain(), 0.0f);
    EXPECT_EQ (processor.getParameter (4), -0.1f);
}

TEST_F (Parameters, closeDistanceRaisesTheElevationFloorAndFarDistanceDropsIt)
{
    processor.setParameter (2, 0.1f);
    EXPECT_FLOAT_EQ (processor.getMinimumElevation(), 0.6f);

    // Elevation 0.5 is lifted to the floor: +18 degrees.
    const auto& encoder = processor.getEncoder (0);
    const auto lifted = std::sin (0.1f * 3.1415927f) * encoder.getDistanceGain();
    EXPECT_FLOAT_EQ (encoder.getGainZ(), lifted);

    processor.setParameter (2, 0.25f);
    EXPECT_EQ (processor.getMinimumElevation(), 0.0f);
    EXPECT_NEAR (encoder.getGainZ(), 0.0f, 1.0e-7f);

    // Distance 0 puts every slot straight above, whatever the Elevation.
    processor.setParameter (1, 0.0f);
    processor.setParameter (2, 0.0f);

    for (auto slot = 0; slot < 8; ++slot)
    {
        EXPECT_FLOAT_EQ (processor.getEncoder (slot).getGainZ(), 0.5f);
        EXPECT_NEAR (processor.getEncoder (slot).getGainX(), 0.0f, 1.0e-7f);
    }
}

TEST_F (Parameters, widthReappliesAzimuthAroundTheSourceDirection)
{
    processor.setInputConfig (1);
    processor.setParameter (3, 1.0f);

    // "Stereo" at Width 1: left channel 90 degrees left (+Y), right channel 90 degrees right.
    EXPECT_FLOAT_EQ (processor.getEncoder (0).getGainY(), 0.5f);
    EXPECT_FLOAT_EQ (processor.getEncoder (1).getGainY(), -0.5f);
    EXPECT_NEAR (processor.getEncoder (0).getGainX(), 0.0f, 1.0e-6f);

    processor.setParameter (0, 0.75f);
    EXPECT_NEAR (processor.getEncoder (0).getGainY(), 0.0f, 1.0e-6f);
    EXPECT_FLOAT_EQ (processor.getEncoder (0).getGainX(), 0.5f);
    EXPECT_FLOAT_EQ (processor.getEncoder (1).getGainX(), -0.5f);
}

TEST_F (Parameters, azimuthTurnsClockwiseForTheUser)
{
    processor.setParameter (0, 0.75f);

    for (auto slot = 0; slot < 8; ++slot)
    {
        EXPECT_FLOAT_EQ (processor.getEncoder (slot).getGainY(), -0.5f);
        EXPECT_NEAR (processor.getEncoder (slot).getGainX(), 0.0f, 1.0e-6f);
    }
}

TEST_F (Parameters, everyPositionOrGainChangeRaisesBothFlagsEvenWhenUnchanged)
{
    for (auto index = 0; index < 5; ++index)
    {
        processor.setParameter (index, processor.getParameter (index));
        EXPECT_TRUE (processor.takeGuiUpdate()) << index;
        EXPECT_TRUE (processor.takeSceneUpdate()) << index;
    }
}

TEST_F (Parameters, sceneVisibilityFlagsOnlyRealChanges)
{
    processor.setParameter (5, 0.49f);
    EXPECT_FALSE (processor.getWidgetIsVisible());
    EXPECT_TRUE (processor.takeSceneUpdate());
    EXPECT_FALSE (processor.isGuiUpdatePending());

    processor.setParameter (5, 0.2f);
    EXPECT_FALSE (processor.isSceneUpdatePending());
    EXPECT_EQ (processor.getParameter (5), 0.2f);

    processor.setParameter (5, 0.5f);
    EXPECT_TRUE (processor.getWidgetIsVisible());
    EXPECT_TRUE (processor.takeSceneUpdate());
}

TEST_F (Parameters, outOfRangeValuesAreStoredAndIndicesIgnored)
{
    processor.setParameter (0, 1.7f);
    EXPECT_EQ (processor.getParameter (0), 1.7f);
    clearFlags();

    processor.setParameter (6, 0.3f);
    processor.setParameter (-1, 0.3f);
    EXPECT_FALSE (processor.isGuiUpdatePending());

    processor.setParameter (2, -0.25f);
    EXPECT_FLOAT_EQ (processor.getMinimumElevation(), 2.0f);
    EXPECT_EQ (processor.getEncoder (0).getDistanceGain(), 0.5f);
}

TEST_F (Parameters, theOneProgramCannotBeChangedOrRenamed)
{
    processor.setParameter (0, 0.3f);
    processor.setCurrentProgram (3);
    processor.changeProgramName (0, "Other");
    processor.changeProgramName (5, "Other");

    EXPECT_EQ (processor.getCurrentProgram(), 0);
    EXPECT_EQ (processor.getProgramName (0), "Default");
    EXPECT_EQ (processor.getProgramName (3), "Default");
    EXPECT_EQ (processor.getParameter (0), 0.3f);
}

TEST_F (Parameters, attenuationChoiceReappliesDistanceOnlyWhenItChanges)
{
    processor.setParameter (2, 0.2f);
    clearFlags();

    processor.setDistAttenuationFactor (3);
    EXPECT_FLOAT_EQ (processor.getEncoder (0).getDistanceGain(), 0.25f);
    EXPECT_TRUE (processor.takeGuiUpdate());
    EXPECT_TRUE (processor.takeSceneUpdate());

    processor.setParameter (2, 0.4f);
    EXPECT_FLOAT_EQ (processor.getEncoder (7).getDistanceGain(), 0.125f);
    clearFlags();

    processor.setDistAttenuationFactor (3);
    EXPECT_FALSE (processor.isGuiUpdatePending());
    EXPECT_FALSE (processor.isSceneUpdatePending());

    processor.setDistAttenuationFactor (0);
    EXPECT_EQ (processor.getEncoder (7).getDistanceGain(), 0.5f);
}

TEST (ParameterReports, lv2HostsAreToldEveryValueOncePreparedAndAfterARestore)
{
    struct HeardValues : public juce::AudioProcessorListener
    {
        void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value) override { values[index] = value; }
        void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}

        std::map<int, float> values;
    };

    const std::map<int, float> defaults { { 0, 0.5f }, { 1, 0.5f }, { 2, 0.25f }, { 3, 0.0f }, { 4, 0.9f }, { 5, 1.0f } };
    const std::map<int, float> edited { { 0, 0.62f }, { 1, 0.41f }, { 2, 0.12f }, { 3, 0.8f }, { 4, 0.85f }, { 5, 0.0f } };

    Processor source (juce::PluginHostType::UnknownHost);

    for (const auto& [index, value] : edited)
        source.setParameter (index, value);

    juce::MemoryBlock state;
    source.getStateInformation (state);

    for (const auto wrapper : { Processor::wrapperType_LV2, Processor::wrapperType_VST, Processor::wrapperType_VST3 })
    {
        auto processor = makeProcessorInWrapper (wrapper);
        HeardValues heard;
        processor->addListener (&heard);

        // VST hosts read the values themselves; a restore must not notify them.
        const auto isLv2 = wrapper == Processor::wrapperType_LV2;
        const std::map<int, float> none;

        processor->prepare (8);
        EXPECT_EQ (heard.values, (isLv2 ? defaults : none)) << Processor::getWrapperTypeDescription (wrapper);

        heard.values.clear();
        processor->setStateInformation (state.getData(), static_cast<int> (state.getSize()));
        EXPECT_EQ (heard.values, (isLv2 ? edited : none)) << Processor::getWrapperTypeDescription (wrapper);

        processor->removeListener (&heard);
    }
}

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
