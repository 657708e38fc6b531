#include "../editor/ComponentProbes.h"
#include "../support/MessageLoop.h"
#include "../support/TestProcessors.h"
#include "../support/WindowSupport.h"

#include <plugin/LiveProcessWideServices.h>

#include <gtest/gtest.h>

#include <random>
#include <thread>

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    /** Live services as a plug-in binary installs them, with fresh scene settings. */
    struct SceneWindowTest : testing::Test
    {
        SceneWindowTest()
        {
            getSceneSettings() = SceneSettings();
        }

        ~SceneWindowTest() override
        {
            getSceneSettings() = SceneSettings();
        }

        void SetUp() override
        {
            if (! hasDisplayForWindows())
                GTEST_SKIP() << "needs an X display";
        }

        SharedScene& scene() { return services.getScene(); }
        TransparentWindow* window() { return scene().getWindow(); }

        LiveProcessWideServices services;
        const ScopedProcessWideServices installed { services };
    };

    juce::String savedText (Processor& processor)
    {
        juce::MemoryBlock block;
        processor.getStateInformation (block);
        return juce::String::fromUTF8 (static_cast<const char*> (block.getData()) + 8, static_cast<int> (block.getSize()) - 9);
    }
} // namespace

TEST_F (SceneWindowTest, firstPrepareCreatesAHiddenWindowAtTheRememberedGeometry)
{
    HostedProcessor processor;
    EXPECT_EQ (window(), nullptr) << "no window before playback is prepared";

    processor.prepare (2);
    ASSERT_NE (window(), nullptr);
    EXPECT_EQ (window()->getName(), "Orbel Scene");
    EXPECT_EQ (window()->getBounds(), juce::Rectangle<int> (100, 100, 535, 320));
    EXPECT_FALSE (window()->isVisible());
    EXPECT_TRUE (window()->isAlwaysOnTop());
    // See-through where the desktop can show it (a compositing window manager), opaque elsewhere.
    EXPECT_EQ (window()->isOpaque(), ! juce::Desktop::canUseSemiTransparentWindows());
    EXPECT_EQ (window()->getContentComponent(), scene().getPadGUI());
    EXPECT_EQ (scene().getPadGUI()->getBounds(), window()->getLocalBounds().withTrimmedTop (26).reduced (1));
    EXPECT_EQ (scene().getPadGUI()->getPad().getName(), "padMulti");
    EXPECT_EQ (scene().getPadGUI()->getPad().getBounds(), scene().getPadGUI()->getLocalBounds());

    auto* const first = window();
    processor.prepare (6);
    EXPECT_EQ (window(), first) << "later prepares keep the window";
}

TEST_F (SceneWindowTest, aNewWindowReopensWhereTheLastOneWasLeftShownOrHidden)
{
    auto processor = std::make_unique<HostedProcessor>();
    processor->prepare (2);
    window()->setBounds (220, 140, 600, 360);
    EXPECT_TRUE (services.toggleSceneWindowVisibility());
    EXPECT_TRUE (window()->isVisible());

    processor.reset();
    EXPECT_EQ (window(), nullptr) << "the last instance takes the window with it";
    EXPECT_FALSE (services.toggleSceneWindowVisibility()) << "without a window the scene button does nothing";

    HostedProcessor next;
    next.prepare (8);
    ASSERT_NE (window(), nullptr);
    EXPECT_EQ (window()->getBounds(), juce::Rectangle<int> (220, 140, 600, 360));
    EXPECT_TRUE (window()->isVisible());
}

TEST_F (SceneWindowTest, theCloseButtonHidesTheWindowAndTheNextSaveSaysSo)
{
    HostedProcessor processor;
    getSceneSettings().transparentWindowIsVisible = true;
    processor.prepare (2);
    ASSERT_TRUE (window()->isVisible());
    EXPECT_TRUE (savedText (processor).contains ("<transparentWindowIsVisible>1</transparentWindowIsVisible>"));

    window()->getCloseButton()->triggerClick();
    ASSERT_TRUE (pumpMessagesUntil ([&]
                                    { return ! window()->isVisible(); }));
    EXPECT_NE (window(), nullptr);
    EXPECT_TRUE (savedText (processor).contains ("<transparentWindowIsVisible>0</transparentWindowIsVisible>"));
}

TEST_F (SceneWindowTest, aRestoredStateMovesAndShowsTheWindowOfTheProcess)
{
    HostedProcessor restored, other;
    other.prepare (2);

    getSceneSettings().transparentWindowX = 300;
    getSceneSettings().transparentWindowHeight = 250;
    getSceneSettings().transparentWindowIsVisible = true;
    juce::MemoryBlock state;
    other.getStateInformation (state);
    getSceneSettings() = SceneSettings();

    restored.setStateInformation (state.getData(), static_cast<int> (state.getSize()));
    EXPECT_EQ (window()->getBounds(), juce::Rectangle<int> (300, 100, 535, 250));
    EXPECT_TRUE (window()->isVisible());
}

TEST_F (SceneWindowTest, theRefreshRepaintsTheWindowOnlyWhenAnInstanceChanged)
{
    HostedProcessor processor;
    getSceneSettings().transparentWindowIsVisible = true;
    processor.prepare (2);
    auto& repaints = RepaintCounter::attachTo (*window());

    // The first refresh takes the instance in, and the display has the new window
    // drawn (late on a slow machine); after that an idle scene draws nothing, so
    // a quarter of a second, over six ticks of the scene's clock, passes without a repaint.
    const auto quietFor = [&] (int milliseconds)
    {
        repaints.count = 0;
        pumpMessages (milliseconds);
        return repaints.count == 0;
    };

    ASSERT_TRUE (pumpMessagesUntil ([&]
                                    { return ! processor.isSceneUpdatePending() && quietFor (250); },
                                    10000))
        << "an idle scene draws nothing";

    processor.setParameter (Processor::azimuthIndex, 0.3f);
    EXPECT_TRUE (pumpMessagesUntil ([&]
                                    { return repaints.count > 0; },
                                    2000));
    EXPECT_TRUE (pumpMessagesUntil ([&]
                                    { return scene().getWidgets()[0].azimuth == 0.3f; },
                                    2000));
}

TEST_F (SceneWindowTest, aPrepareOffTheMessageThreadHasTheMessageThreadMakeTheWindow)
{
    HostedProcessor processor;
    processor.setHostChannels (2, 4);
    std::thread host ([&]
                      { processor.prepareToPlay (48000.0, 512); });
    host.join();

    EXPECT_EQ (window(), nullptr) << "made on the message thread only";
    EXPECT_TRUE (pumpMessagesUntil ([&]
                                    { return window() != nullptr; }));
    EXPECT_EQ (window()->getBounds(), juce::Rectangle<int> (100, 100, 535, 320));
}

TEST_F (SceneWindowTest, aWindowAskedForByAnInstanceThatIsGoneIsNeverMade)
{
    auto processor = std::make_unique<HostedProcessor>();
    processor->setHostChannels (2, 4);
    std::thread host ([&]
                      { processor->prepareToPlay (48000.0, 512); });
    host.join();
    processor.reset();

    pumpMessages (100);
    EXPECT_EQ (window(), nullptr);

    // The request is not lost for the next instance either.
    HostedProcessor next;
    next.setHostChannels (2, 4);
    std::thread again ([&]
                       { next.prepareToPlay (48000.0, 512); });
    again.join();
    EXPECT_TRUE (pumpMessagesUntil ([&]
                                    { return window() != nullptr; }));
}

TEST_F (SceneWindowTest, instancesMadeAndDestroyedOnAHostThreadWaitForTheMessageThread)
{
    HostedProcessor anchor;
    getSceneSettings().transparentWindowIsVisible = true;
    anchor.prepare (2);

    std::atomic<bool> done { false };
    std::thread host ([&]
                      {
                          for (auto i = 0; i < 40; ++i)
                          {
                              HostedProcessor processor;
                              processor.setParameter (Processor::azimuthIndex, 0.01f * static_cast<float> (i));
                          }

                          done = true; });

    EXPECT_TRUE (pumpMessagesUntil ([&]
                                    { return done.load(); },
                                    20000));
    host.join();
    EXPECT_EQ (scene().getWidgets().size(), 1);
    EXPECT_NE (window(), nullptr);
}

TEST_F (SceneWindowTest, restoresOnAHostThreadWhileTheWindowMovesEndAsTheLastOneSaid)
{
    HostedProcessor restored;
    getSceneSettings().transparentWindowIsVisible = true;
    restored.prepare (2);
    ASSERT_NE (window(), nullptr);

    const auto restore = [&] (int step)
    {
        juce::XmlElement root ("Root");
        const std::pair<const char*, int> values[] { { "transparentWindowX", 120 + step }, { "transparentWindowY", 110 }, { "transparentWindowWidth", 400 }, { "transparentWindowHeight", 250 + step }, { "transparentWindowIsVisible", step % 2 } };

        for (const auto& [key, value] : values)
            root.createNewChildElement (key)->addTextElement (juce::String (value));

        juce::MemoryBlock state;
        juce::AudioProcessor::copyXmlToBinary (root, state);
        restored.setStateInformation (state.getData(), static_cast<int> (state.getSize()));
    };

    std::atomic<bool> done { false };
    std::thread host ([&]
                      {
                          for (auto step = 0; step < 60; ++step)
                              restore (step);

                          done = true; });

    // Meanwhile the window keeps being moved, as the window system would.
    for (auto move = 0; ! done.load(); ++move)
    {
        window()->setTopLeftPosition (20 + move % 40, 30);
        pumpMessages (1);
    }

    host.join();
    pumpMessages (100);
    EXPECT_EQ (window()->getBounds(), juce::Rectangle<int> (179, 110, 400, 309));
    EXPECT_TRUE (window()->isVisible());
    EXPECT_TRUE (savedText (restored).contains ("<transparentWindowX>179</transparentWindowX>"));
}

TEST_F (SceneWindowTest, survivesHundredsOfInstancesComingAndGoingInAnyOrder)
{
    std::mt19937 random (42);
    std::vector<std::unique_ptr<HostedProcessor>> alive;
    getSceneSettings().transparentWindowIsVisible = true;

    for (auto step = 0; step < 400; ++step)
    {
        if (alive.size() < 2 || random() % 3 != 0)
        {
            alive.push_back (std::make_unique<HostedProcessor>());
            alive.back()->setInputConfig (static_cast<int> (random() % 16));
            alive.back()->setParameter (Processor::widthIndex, 1.0f);
            alive.back()->prepare (8);
        }
        else
        {
            alive.erase (alive.begin() + static_cast<std::ptrdiff_t> (random() % alive.size()));
        }

        if (step % 25 == 0)
        {
            pumpMessages (45); // the scene's clock runs and paints in between
            render (*scene().getPadGUI());
        }

        const auto& widgets = scene().getWidgets();
        ASSERT_EQ (widgets.size(), static_cast<int> (alive.size()));

        for (size_t i = 0; i < alive.size(); ++i)
            ASSERT_EQ (widgets[static_cast<int> (i)].processor, alive[i].get());
    }

    alive.clear();
    EXPECT_EQ (window(), nullptr);
}

// The suite runs this in a process of its own without a display, as a render
// server's host would load the plug-in; with a display it has nothing to show.
TEST (HeadlessScene, withoutADisplayNoWindowIsMadeAndTheSavedGeometryIsKept)
{
    if (hasDisplayForWindows())
        GTEST_SKIP() << "runs in a process without an X display";

    getSceneSettings() = SceneSettings();
    LiveProcessWideServices services;
    const ScopedProcessWideServices installed { services };

    HostedProcessor processor, other;
    getSceneSettings().transparentWindowX = 300;
    getSceneSettings().transparentWindowIsVisible = true;
    juce::MemoryBlock state;
    other.getStateInformation (state);
    getSceneSettings() = SceneSettings();

    processor.prepare (2);
    processor.setStateInformation (state.getData(), static_cast<int> (state.getSize()));
    pumpMessages (100);

    EXPECT_EQ (services.getScene().getWindow(), nullptr);
    EXPECT_FALSE (services.toggleSceneWindowVisibility());
    EXPECT_TRUE (savedText (processor).contains ("<transparentWindowX>300</transparentWindowX>"));
    EXPECT_TRUE (savedText (processor).contains ("<transparentWindowIsVisible>1</transparentWindowIsVisible>"));

    getSceneSettings() = SceneSettings();
}

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
