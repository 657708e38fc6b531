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

        juce::DocumentWindow window ("host", juce::Colours::black, 0, true);
        window.setUsingNativeTitleBar (false);
        window.setTitleBarHeight (0);
        window.setContentOwned (plugin->createEditorIfNeeded(), true);
        window.setTopLeftPosition (40, 40);
        window.setVisible (true);
        pumpMessages (1500);

        const auto editorArea = window.getContentComponent()->getScreenBounds();
        const auto image = grabScreen (knobBand + editorArea.getPosition());

        window.clearContentComponent();
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
