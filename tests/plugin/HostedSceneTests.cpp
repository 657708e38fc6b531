#include "../support/HostSideProbes.h"
#include "../support/MessageLoop.h"
#include "../support/WindowSupport.h"

#include <gtest/gtest.h>
#include <juce_audio_processors/juce_audio_processors.h>

namespace
{
    constexpr double sampleRate = 48000.0;
    constexpr int blockSize = 512;

    // Where the plug-in's scene window opens in a new process, and its content
    // area inside the framework's own title bar (26 pixels) and one-pixel frame.
    const juce::Rectangle<int> sceneContent { 101, 127, 533, 292 };

    std::unique_ptr<juce::AudioPluginInstance> loadVst3 (juce::VST3PluginFormat& format)
    {
        juce::OwnedArray<juce::PluginDescription> found;
        format.findAllTypesForFile (found, VELORIN_VST3_BUNDLE);

        if (found.isEmpty())
            return {};

        juce::String error;
        return format.createInstanceFromDescription (*found.getFirst(), sampleRate, blockSize, error);
    }

    void setHostParameter (juce::AudioPluginInstance& plugin, const juce::String& name, float value)
    {
        for (auto* parameter : plugin.getParameters())
            if (parameter->getName (64) == name)
                parameter->setValueNotifyingHost (value);
    }

    /** The instance's own state with the scene window to be shown. A VST3 host
        keeps the plug-in's state as encoded text inside its own document.
    */
    void showSceneFrom (juce::AudioPluginInstance& plugin)
    {
        juce::MemoryBlock hostState;
        plugin.getStateInformation (hostState);
        auto document = juce::AudioProcessor::getXmlFromBinary (hostState.getData(), static_cast<int> (hostState.getSize()));
        ASSERT_NE (document, nullptr);
        auto* component = document->getChildByName ("IComponent");
        ASSERT_NE (component, nullptr);

        juce::MemoryBlock state;
        state.fromBase64Encoding (component->getAllSubText());

        // One character of the plug-in's document changes, so its container's length stays right.
        const std::string_view key = "<transparentWindowIsVisible>0";
        const std::string_view bytes (static_cast<const char*> (state.getData()), state.getSize());
        const auto at = bytes.find (key);
        ASSERT_NE (at, std::string_view::npos);
        state[at + key.size() - 1] = '1';

        component->deleteAllTextElements();
        component->addTextElement (state.toBase64Encoding());
        juce::MemoryBlock edited;
        juce::AudioProcessor::copyXmlToBinary (*document, edited);
        plugin.setStateInformation (edited.getData(), static_cast<int> (edited.getSize()));
    }

    juce::Point<int> onScreen (float x, float y)
    {
        return { sceneContent.getX() + juce::roundToInt (x * static_cast<float> (sceneContent.getWidth())),
                 sceneContent.getY() + juce::roundToInt (y * static_cast<float> (sceneContent.getHeight())) };
    }
} // namespace

TEST (HostedScene, draggingAMarkerInTheSceneIsRecordedByTheHostForThatInstanceOnly)
{
    Pointer pointer;

    if (! hasDisplayForWindows() || ! pointer.canPoint())
        GTEST_SKIP() << "needs an X display with the XTEST extension";

    juce::VST3PluginFormat format;
    auto dragged = loadVst3 (format);
    auto other = loadVst3 (format);
    ASSERT_NE (dragged, nullptr);
    ASSERT_NE (other, nullptr);

    setHostParameter (*dragged, "Azimuth", 0.25f);
    setHostParameter (*other, "Azimuth", 0.75f);

    for (auto* plugin : { dragged.get(), other.get() })
    {
        plugin->setPlayConfigDetails (2, 4, sampleRate, blockSize);
        plugin->prepareToPlay (sampleRate, blockSize);
    }

    showSceneFrom (*dragged);
    pumpMessages (300); // the plug-in's message thread makes and shows the window

    const HeardByTheHost draggedHost (*dragged), otherHost (*other);

    pointer.moveTo (onScreen (0.25f, 0.5f) + juce::Point<int> (3, -2));
    pointer.press();
    pointer.moveTo (onScreen (0.4f, 0.3f));
    pointer.moveTo (onScreen (0.5f, 0.2f));
    pointer.release();
    pumpMessages (200);

    const auto calls = draggedHost.calls();
    ASSERT_GE (calls.size(), 6u) << "the scene window did not take the drag";
    EXPECT_EQ (std::vector<std::string> (calls.begin(), calls.begin() + 2), (std::vector<std::string> { "begin 0", "begin 1" }));
    EXPECT_EQ (std::vector<std::string> (calls.end() - 2, calls.end()), (std::vector<std::string> { "end 0", "end 1" }));

    for (auto i = 2; i + 2 < static_cast<int> (calls.size()); ++i)
        EXPECT_EQ (calls[static_cast<size_t> (i)], i % 2 == 0 ? "set 0" : "set 1");

    EXPECT_NEAR (dragged->getParameters()[0]->getValue(), 0.5f, 0.003f);
    EXPECT_NEAR (dragged->getParameters()[1]->getValue(), 0.8f, 0.005f);
    EXPECT_TRUE (otherHost.calls().empty());
    EXPECT_FLOAT_EQ (other->getParameters()[0]->getValue(), 0.75f);

    for (auto* plugin : { dragged.get(), other.get() })
        plugin->releaseResources();
}
