// The scene window of Velorin.so as a Linux VST2 host drives it: every call comes
// from the host's own thread while the framework runs the plug-in's message thread
// inside the plug-in, and what counts is what the display shows.

#include "../support/WindowSupport.h"

#include <pluginterfaces/vst2.x/aeffectx.h>

#include <gtest/gtest.h>
#include <juce_audio_processors/juce_audio_processors.h>

#include <dlfcn.h>

#include <chrono>
#include <thread>

namespace
{
    using namespace std::chrono_literals;

    constexpr const char* sceneTitle = "Orbel Scene";

    VstIntPtr quietHost (AEffect*, int opcode, int, VstIntPtr, void*, float)
    {
        return opcode == audioMasterVersion ? kVstVersion : 0;
    }

    /** One instance of the VST2, opened and playing as a host has it. */
    class HostedEffect
    {
    public:
        HostedEffect()
        {
            auto* library = dlopen (VELORIN_VST2_BINARY, RTLD_NOW | RTLD_LOCAL);

            if (library == nullptr)
                return;

            // The library stays loaded: the framework inside it keeps process-wide state.
            if (auto entry = reinterpret_cast<AEffect* (*) (audioMasterCallback)> (dlsym (library, "VSTPluginMain")))
                effect = entry (quietHost);

            if (effect == nullptr)
                return;

            dispatch (effOpen);
            dispatch (effSetSampleRate, 0, 0, nullptr, 48000.0f);
            dispatch (effSetBlockSize, 0, 512);
            dispatch (effMainsChanged, 0, 1);
        }

        ~HostedEffect()
        {
            if (effect == nullptr)
                return;

            dispatch (effMainsChanged, 0, 0);
            dispatch (effClose);
        }

        bool isOpen() const { return effect != nullptr; }

        /** Restores a state that holds only the scene window's settings. */
        void restoreScene (juce::Rectangle<int> bounds, bool visible)
        {
            juce::XmlElement root ("Root");
            root.createNewChildElement ("transparentWindowX")->addTextElement (juce::String (bounds.getX()));
            root.createNewChildElement ("transparentWindowY")->addTextElement (juce::String (bounds.getY()));
            root.createNewChildElement ("transparentWindowWidth")->addTextElement (juce::String (bounds.getWidth()));
            root.createNewChildElement ("transparentWindowHeight")->addTextElement (juce::String (bounds.getHeight()));
            root.createNewChildElement ("transparentWindowIsVisible")->addTextElement (visible ? "1" : "0");

            juce::MemoryBlock state;
            juce::AudioProcessor::copyXmlToBinary (root, state);
            dispatch (effSetChunk, 0, static_cast<VstIntPtr> (state.getSize()), state.getData());
        }

        /** The scene's settings as the instance saves them now. */
        juce::String savedScene()
        {
            void* data = nullptr;
            const auto size = dispatch (effGetChunk, 0, 0, &data);
            const auto document = juce::AudioProcessor::getXmlFromBinary (data, static_cast<int> (size));

            if (document == nullptr)
                return {};

            juce::StringArray values;

            for (const auto* key : { "transparentWindowX", "transparentWindowY", "transparentWindowWidth", "transparentWindowHeight", "transparentWindowIsVisible" })
                values.add (document->getChildElementAllSubText (key, {}));

            return values.joinIntoString (" ");
        }

    private:
        VstIntPtr dispatch (int opcode, int index = 0, VstIntPtr value = 0, void* ptr = nullptr, float opt = 0.0f)
        {
            return effect->dispatcher (effect, opcode, index, value, ptr, opt);
        }

        AEffect* effect = nullptr;
    };

    juce::String settingsText (juce::Rectangle<int> bounds, bool visible)
    {
        return juce::String (bounds.getX()) + " " + juce::String (bounds.getY()) + " " + juce::String (bounds.getWidth()) + " "
               + juce::String (bounds.getHeight()) + (visible ? " 1" : " 0");
    }

    /** Waits until the display shows the scene window so: shown at these bounds, or hidden. */
    bool displayShows (juce::Rectangle<int> bounds, bool visible, std::chrono::milliseconds patience = 2000ms)
    {
        const auto giveUp = std::chrono::steady_clock::now() + patience;

        for (;;)
        {
            const auto window = findWindow (sceneTitle);

            if (window.id != 0 && window.shown == visible && (! visible || window.bounds == bounds))
                return true;

            if (std::chrono::steady_clock::now() > giveUp)
                return false;

            std::this_thread::sleep_for (10ms);
        }
    }
} // namespace

TEST (HostedScene, restoresFromTheHostsThreadAlwaysTakeEffectOnTheDisplayInOrder)
{
    if (! hasDisplayForWindows())
        GTEST_SKIP() << "needs an X display";

    HostedEffect effect;
    ASSERT_TRUE (effect.isOpen());

    // The first prepare asks the plug-in's message thread for the window.
    ASSERT_TRUE (displayShows ({}, false, 5000ms)) << "no hidden scene window appeared";

    for (auto round = 0; round < 20; ++round)
    {
        const juce::Rectangle<int> first (110 + 9 * round, 105 + 4 * round, 420 + 5 * round, 260 + 3 * round);
        const juce::Rectangle<int> second (300 + round, 200, 400, 250 + round);

        effect.restoreScene (first, true);

        // Every other round, the next restore comes while the window is only just appearing.
        if (round % 2 == 0)
        {
            ASSERT_TRUE (displayShows (first, true)) << "round " << round << ": " << findWindow (sceneTitle).bounds.toString();
        }

        // The window system moves it, and a restore follows at once.
        moveWindowFromOutside (findWindow (sceneTitle).id, { 20 + round, 30 });
        effect.restoreScene (second, true);
        ASSERT_TRUE (displayShows (second, true)) << "round " << round << ": " << findWindow (sceneTitle).bounds.toString();
        EXPECT_EQ (effect.savedScene(), settingsText (second, true));

        moveWindowFromOutside (findWindow (sceneTitle).id, { 40, 50 + round });
        effect.restoreScene (first, false);
        ASSERT_TRUE (displayShows (first, false)) << "round " << round << ": the restored state did not hide the window";
        EXPECT_EQ (effect.savedScene(), settingsText (first, false));
    }
}
