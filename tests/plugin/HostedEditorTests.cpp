#include "../support/HostSideProbes.h"
#include "../support/MessageLoop.h"
#include "../support/TestProcessors.h"
#include "../support/WindowSupport.h"

#include <editor/VevazovAzudAudioProcessorEditor.h>
#include <plugin/LiveProcessWideServices.h>

#include <gtest/gtest.h>

namespace
{
    constexpr double sampleRate = 48000.0;
    constexpr int blockSize = 512;

    // The knobs' band along the bottom: every text in it is set in the default face.
    const juce::Rectangle<int> knobBand { 0, 411, 556, 92 };

    juce::int64 difference (const juce::Image& a, const juce::Image& b)
    {
        juce::int64 sum = 0;

        for (auto y = 0; y < a.getHeight(); ++y)
            for (auto x = 0; x < a.getWidth(); ++x)
            {
                const auto p = a.getPixelAt (x, y);
                const auto q = b.getPixelAt (x, y);
                sum += std::abs (p.getRed() - q.getRed()) + std::abs (p.getGreen() - q.getGreen()) + std::abs (p.getBlue() - q.getBlue());
            }

        return sum;
    }

    /** The knob band of this build's editor drawn in this process, with or
        without the plug-in's services (and so its default look-and-feel).
    */
    juce::Image knobBandInProcess (bool withServices)
    {
        LiveProcessWideServices services;
        std::unique_ptr<ScopedProcessWideServices> installed;

        if (withServices)
            installed = std::make_unique<ScopedProcessWideServices> (services);

        HostedProcessor processor;
        VevazovAzudAudioProcessorEditor editor (processor);
        editor.timerCallback();
        return editor.createComponentSnapshot (knobBand).convertedToFormat (juce::Image::RGB);
    }

    // The position pad of the top view: the source's direction around its centre,
    // straight ahead upward, and its distance outward, 1 m at 0.92 of the way to an edge.
    const juce::Rectangle<int> padInEditor { 4, 30, 375, 375 };

    /** A host's window around a loaded plug-in's editor, on the display. */
    class HostWindow : public juce::DocumentWindow
    {
    public:
        explicit HostWindow (juce::AudioPluginInstance& plugin)
            : juce::DocumentWindow ("host", juce::Colours::black, 0, true)
        {
            setUsingNativeTitleBar (false);
            setTitleBarHeight (0);
            setContentOwned (plugin.createEditorIfNeeded(), true);
            setTopLeftPosition (40, 40);
            setVisible (true);
            pumpMessages (1500);
        }

        ~HostWindow() override
        {
            clearContentComponent();
            pumpMessages (200);
        }

        juce::Rectangle<int> onScreen (juce::Rectangle<int> areaInEditor) const
        {
            return areaInEditor + getContentComponent()->getScreenPosition();
        }
    };

    /** The knob band of the built VST3's editor as the display shows it in a host's window. */
    juce::Image knobBandOnScreen()
    {
        juce::VST3PluginFormat format;
        juce::OwnedArray<juce::PluginDescription> found;
        format.findAllTypesForFile (found, VELORIN_VST3_BUNDLE);

        if (found.isEmpty())
            return {};

        juce::String error;
        auto plugin = format.createInstanceFromDescription (*found.getFirst(), sampleRate, blockSize, error);

        if (plugin == nullptr)
            return {};

        juce::Image image;

        {
            const HostWindow window (*plugin);
            image = grabScreen (window.onScreen (knobBand));
        }

        plugin = nullptr;
        pumpMessages (200);
        return image;
    }
} // namespace

TEST (HostedEditor, drawsWithThePluginsOwnLookAndFeelEachTimeTheBinaryIsLoaded)
{
    if (! hasDisplayForWindows())
        GTEST_SKIP() << "needs an X display";

    const auto styled = knobBandInProcess (true);
    const auto unstyled = knobBandInProcess (false);
    const auto styleDifference = difference (styled, unstyled);
    ASSERT_GT (styleDifference, 10000) << "the look-and-feel must show in the knob band for this test to mean anything";

    for (auto load = 0; load < 2; ++load)
    {
        const auto shown = knobBandOnScreen();
        ASSERT_FALSE (shown.isNull()) << "cannot load the VST3";
        EXPECT_LT (difference (shown, styled), styleDifference / 20) << "load " << load;
    }
}

// An LV2 host learns what the plug-in changes itself only from its editor's
// interface: a drag on the pad reaches the host's parameters, between touches.
TEST (HostedEditor, anLv2HostFollowsAPadDraggedInThePlugInsEditor)
{
    Pointer pointer;

    if (! hasDisplayForWindows() || ! pointer.canPoint())
        GTEST_SKIP() << "needs an X display with the XTEST extension";

    juce::LV2PluginFormat format;
    format.searchPathsForPlugins (juce::FileSearchPath (juce::File (VELORIN_LV2_BUNDLE).getParentDirectory().getFullPathName()), false, false);
    juce::OwnedArray<juce::PluginDescription> found;
    format.findAllTypesForFile (found, JucePlugin_LV2URI);
    ASSERT_FALSE (found.isEmpty());

    juce::String error;
    auto plugin = format.createInstanceFromDescription (*found.getFirst(), sampleRate, blockSize, error);
    ASSERT_NE (plugin, nullptr) << error;
    plugin->prepareToPlay (sampleRate, blockSize);

    const auto& parameters = plugin->getParameters();
    const auto azimuth = std::find_if (parameters.begin(), parameters.end(), [] (auto* p)
                                       { return p->getName (64) == "Azimuth"; });
    ASSERT_NE (azimuth, parameters.end());
    const auto azimuthIndex = static_cast<int> (azimuth - parameters.begin());
    const auto distanceIndex = azimuthIndex + 2;

    {
        const HostWindow window (*plugin);
        const HeardByTheHost host (*plugin);
        const auto pad = window.onScreen (padInEditor);

        // From ahead of the listener to the right, half way to the pad's edge.
        pointer.moveTo (pad.getRelativePoint (0.5f, 0.3f));
        pointer.press();
        pointer.moveTo (pad.getRelativePoint (0.7f, 0.4f));
        pointer.moveTo (pad.getRelativePoint (0.75f, 0.5f));
        pointer.release();
        pumpMessages (200);

        // The values the editor wrote reach the host as its audio runs.
        juce::AudioBuffer<float> buffer (8, blockSize);
        buffer.clear();
        juce::MidiBuffer midi;
        plugin->processBlock (buffer, midi);

        const auto calls = host.calls();
        const auto heard = [&] (const std::string& call)
        { return std::find (calls.begin(), calls.end(), call) != calls.end(); };

        for (const auto index : { azimuthIndex, distanceIndex })
        {
            EXPECT_TRUE (heard ("begin " + std::to_string (index))) << index;
            EXPECT_TRUE (heard ("set " + std::to_string (index))) << index;
            EXPECT_TRUE (heard ("end " + std::to_string (index))) << index;
        }

        EXPECT_NEAR (parameters[azimuthIndex]->getValue(), 0.75f, 0.005f);
        EXPECT_NEAR (parameters[distanceIndex]->getValue(), 0.5f / 0.92f, 0.005f);
    }

    plugin->releaseResources();
    plugin = nullptr;
    pumpMessages (200);
}
