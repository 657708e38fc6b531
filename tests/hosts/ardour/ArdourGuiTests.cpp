// Velorin in Ardour's own window, driven through the display as a user would: the
// session opens with two instances, the second one's editor opens from the mixer
// and shows the scene from its options, the editor closes, that instance's marker
// is dragged in the scene, and the session is saved and Ardour quits. Runs on a
// virtual display of its own with a window manager, as a desktop has it.

#include "../../support/WindowSupport.h"
#include "ArdourTools.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace
{
    using namespace std::chrono_literals;

    constexpr const char* sessionName = "gui";
    constexpr int editorHeight = 503;

    // Where things are, for this display size, in Ardour 7.3's layout with a fresh
    // configuration: the mixer's second strip's plug-in, relative to the main window.
    const juce::Point<int> secondStripPlugIn { 441, 215 };

    // In the editor: the meters (where a click does nothing), the gear, and the options' scene button.
    const juce::Point<int> meters { 660, 300 };
    const juce::Point<int> gear { 536, 13 };
    const juce::Point<int> sceneButton { 377, 179 };

    // The scene at its first show, and its content inside the framework's title bar and frame.
    const juce::Rectangle<int> sceneAtFirstShow { 100, 100, 535, 320 };
    const juce::Point<int> sceneContentOffset { 1, 27 };
    const juce::Point<int> sceneContentSize { 533, 292 };

    bool isInstalled (const char* program)
    {
        return juce::File ("/usr/bin").getChildFile (program).existsAsFile();
    }

    /** Runs xdotool, the display's keyboard and pointer, and waits for it. */
    void xdotool (const juce::StringArray& arguments)
    {
        juce::StringArray command { "xdotool" };
        command.addArray (arguments);
        juce::ChildProcess process;

        if (process.start (command, 0))
            process.waitForProcessToFinish (10000);
    }

    void pause (std::chrono::milliseconds time) { std::this_thread::sleep_for (time); }

    /** Waits for the window to be shown or hidden; a shown one also to stand still,
        since the window manager places a new window after it appears.
    */
    DisplayedWindow waitForWindow (const juce::String& title, bool shown, std::chrono::milliseconds patience = 20s)
    {
        const auto giveUp = std::chrono::steady_clock::now() + patience;
        DisplayedWindow before;

        for (;;)
        {
            const auto window = findWindow (title);
            const auto settled = ! shown || (window.bounds == before.bounds && before.shown);

            if ((window.id != 0 && window.shown == shown && settled) || std::chrono::steady_clock::now() > giveUp)
                return window;

            before = window;
            pause (300ms);
        }
    }

    void clickAt (juce::Point<int> position, int clicks = 1)
    {
        xdotool ({ "mousemove", juce::String (position.x), juce::String (position.y) });
        pause (300ms);
        xdotool ({ "click", "--repeat", juce::String (clicks), "--delay", "80", "1" });
        pause (800ms);
    }

    void dragFrom (juce::Point<int> from, juce::Point<int> to)
    {
        xdotool ({ "mousemove", juce::String (from.x + 1), juce::String (from.y) });
        pause (300ms);
        xdotool ({ "mousemove", juce::String (from.x), juce::String (from.y) });
        pause (300ms);
        xdotool ({ "mousedown", "1" });

        for (auto step = 1; step <= 10; ++step)
        {
            const auto at = from + (to - from) * step / 10;
            xdotool ({ "mousemove", juce::String (at.x), juce::String (at.y) });
            pause (50ms);
        }

        xdotool ({ "mouseup", "1" });
        pause (1s);
    }

    /** What the display shows now, kept beside a failed run's session. */
    juce::String keepScreenshot (const juce::File& folder, const juce::String& name)
    {
        const auto file = folder.getChildFile (name + ".png");
        file.deleteFile();
        juce::FileOutputStream stream (file);
        juce::PNGImageFormat().writeImageToStream (grabScreen ({ 0, 0, 1600, 1000 }), stream);
        return "; the display then: " + file.getFullPathName();
    }

    void keys (const DisplayedWindow& window, const juce::String& combination)
    {
        xdotool ({ "windowactivate", "--sync", juce::String (window.id) });
        xdotool ({ "key", combination });
    }

    /** Ardour's configuration for a first start straight into a session: no wizard,
        the silent dummy engine started at once, and plug-ins' own editors.
    */
    void configureArdour (const juce::File& home)
    {
        const auto folder = home.getChildFile (".config/ardour7");
        folder.createDirectory();
        home.getChildFile (".local/share").createDirectory();
        folder.getChildFile (".a7").create();
        folder.getChildFile ("config").replaceWithText (R"config(<?xml version="1.0" encoding="UTF-8"?>
<Ardour>
  <Config>
    <Option name="hide-dummy-backend" value="0"/>
    <Option name="try-autostart-engine" value="1"/>
    <Option name="use-plugin-own-gui" value="1"/>
    <Option name="conceal-vst2-if-vst3-exists" value="0"/>
  </Config>
  <Extra>
    <AudioMIDISetup>
      <EngineStates>
        <State backend="None (Dummy)" driver="Normal Speed" device="Silence" input-device="" output-device="" sample-rate="48000" buffer-size="1024" n-periods="0" input-latency="0" output-latency="0" lm-input="" lm-output="" active="1" use-buffered-io="0" midi-option="1 in, 1 out, Silence" lru="1">
          <MIDIDevices/>
        </State>
      </EngineStates>
    </AudioMIDISetup>
  </Extra>
</Ardour>
)config");
    }

    /** A program of the test's, ended when the test ends. */
    struct Running
    {
        explicit Running (const juce::StringArray& command) { process.start (command, 0); }

        ~Running()
        {
            if (process.isRunning())
                process.kill();
        }

        juce::ChildProcess process;
    };

    /** Ardour's window on the test's session, from its start to a quit that must end it. */
    struct ArdourWindow
    {
        ArdourWindow (const ArdourTools& tools, const juce::File& sessionFolder, const juce::File& logFile)
            : log (logFile),
              ardour ({ "env", "HOME=" + tools.getHome().getFullPathName(), "LXVST_PATH=" + tools.getVst2Folder().getFullPathName(), "sh", "-c", "exec ardour \"$0\" > \"$1\" 2>&1", sessionFolder.getFullPathName(), logFile.getFullPathName() }),
              main (waitForWindow (juce::String (sessionName) + " - Ardour", true, 60s))
        {
            pause (3s);
        }

        /** Saves, quits, and says whether Ardour ended, cleanly, within a minute. */
        juce::String saveAndQuit()
        {
            keys (main, "ctrl+s");
            pause (2s);
            keys (main, "ctrl+q");
            const auto quitBy = std::chrono::steady_clock::now() + 60s;

            while (ardour.process.isRunning() && std::chrono::steady_clock::now() < quitBy)
                pause (200ms);

            if (ardour.process.isRunning())
                return "Ardour no longer answered";

            const auto output = log.loadFileAsString();

            for (const auto* trouble : { "JUCE Assertion", "X Error", "Segmentation" })
                if (output.contains (trouble))
                    return "Ardour printed \"" + juce::String (trouble) + "\":\n" + output;

            return {};
        }

        const juce::File log;
        Running ardour;
        const DisplayedWindow main;
    };

    class ArdourGui : public testing::TestWithParam<const char*>
    {
    protected:
        void SetUp() override
        {
            if (const auto why = ArdourTools::whyUnavailable(); why.isNotEmpty())
                GTEST_SKIP() << why;

            if (! isInstalled ("ardour") || ! isInstalled ("openbox") || ! isInstalled ("xdotool") || ! hasDisplayForWindows())
                GTEST_SKIP() << "needs Ardour's window, openbox and xdotool on an X display (tools/setup-ardour.sh)";
        }

        void TearDown() override
        {
            // A failed run's session and Ardour's logs stay for a reader.
            if (! HasFailure())
                scratch.deleteRecursively();
        }

        juce::Point<int> inScene (const DisplayedWindow& scene, float x, float y) const
        {
            return scene.bounds.getPosition() + sceneContentOffset
                   + juce::Point<int> (juce::roundToInt (x * static_cast<float> (sceneContentSize.x)), juce::roundToInt (y * static_cast<float> (sceneContentSize.y)));
        }

        const juce::File scratch = juce::File::getSpecialLocation (juce::File::tempDirectory)
                                       .getNonexistentChildFile (juce::String ("velorin-ardour-gui-") + GetParam() + "-", {}, false);
    };
} // namespace

TEST_P (ArdourGui, editorSceneAndDragsInTheSceneAreSavedAndArdourQuitsCleanly)
{
    const juce::String format = GetParam();
    const auto sessionFolder = scratch.getChildFile (sessionName);
    ArdourTools tools (scratch);
    ASSERT_TRUE (tools.newSession (sessionFolder, sessionName).succeeded) << tools.getLog();
    ASSERT_TRUE (tools.runScript ("gui-session.lua", { sessionFolder.getFullPathName(), sessionName, format, "2" }, [] (const juce::String& output)
                                  { return output.contains ("ready"); })
                     .succeeded)
        << tools.getLog();

    configureArdour (tools.getHome());
    const Running windowManager ({ "openbox" });

    {
        ArdourWindow ardour (tools, sessionFolder, scratch.getChildFile ("ardour-first.log"));
        ASSERT_TRUE (ardour.main.shown) << "Ardour's window never appeared\n"
                                        << ardour.log.loadFileAsString();

        // The mixer, then a double-click on the second strip's plug-in opens its editor.
        keys (ardour.main, "alt+m");
        pause (1500ms);
        const auto editorTitle = "T2: Velorin (by Korvanne) [" + (format == "VST2" ? juce::String ("VST") : format) + "]";
        clickAt (ardour.main.bounds.getPosition() + secondStripPlugIn, 2);
        const auto editorWindow = waitForWindow (editorTitle, true);
        ASSERT_TRUE (editorWindow.shown) << "the editor did not open" << keepScreenshot (scratch, "no-editor");
        const auto editor = editorWindow.bounds.getBottomLeft().translated (0, -editorHeight);

        // Ardour embeds the editor in its window a moment after showing it, and the
        // first click into a VST2 editor now and then only takes the focus: a user's
        // first click comes later than that, and a second one would do.
        pause (1500ms);
        clickAt (editor + meters);

        clickAt (editor + gear);
        clickAt (editor + sceneButton);
        const auto scene = waitForWindow ("Orbel Scene", true);
        ASSERT_TRUE (scene.shown) << "the scene button did not show the scene" << keepScreenshot (scratch, "no-scene");
        EXPECT_EQ (scene.bounds, sceneAtFirstShow);

        // LV2 gives a plug-in no way to move a host's control but through its open
        // editor; the other formats' drag comes with the editor's window closed.
        const auto closeEditor = [&]
        {
            keys (editorWindow, "alt+F4");
            ASSERT_FALSE (waitForWindow (editorTitle, false).shown) << "the editor did not close" << keepScreenshot (scratch, "editor-open");
        };

        if (format != "LV2")
            closeEditor();

        // Both markers stand in the middle: the later instance's is the one taken.
        dragFrom (inScene (scene, 0.5f, 0.5f), inScene (scene, 0.75f, 0.3f));

        if (format == "LV2")
            closeEditor();

        const auto trouble = ardour.saveAndQuit();
        ASSERT_TRUE (trouble.isEmpty()) << trouble << "; the session is in " << scratch.getFullPathName();
    }

    // Reopened, the scene stands where it was saved. No editor has been opened now,
    // so the VST2's scene runs on the framework's own message thread, and its drag
    // reaches the host on the host's own thread all the same.
    auto expected = juce::Point<float> (0.75f, 0.7f);

    {
        ArdourWindow ardour (tools, sessionFolder, scratch.getChildFile ("ardour-second.log"));
        ASSERT_TRUE (ardour.main.shown) << "Ardour's window never came back";
        const auto scene = waitForWindow ("Orbel Scene", true);
        ASSERT_TRUE (scene.shown) << "the saved session did not show the scene" << keepScreenshot (scratch, "no-restored-scene");
        EXPECT_EQ (scene.bounds, sceneAtFirstShow);

        if (format != "LV2")
        {
            dragFrom (inScene (scene, 0.75f, 0.3f), inScene (scene, 0.25f, 0.6f));
            expected = { 0.25f, 0.4f };
        }

        const auto trouble = ardour.saveAndQuit();
        ASSERT_TRUE (trouble.isEmpty()) << trouble << "; the session is in " << scratch.getFullPathName();
    }

    const auto reopened = tools.runScript ("show-values.lua", { sessionFolder.getFullPathName(), sessionName }, [] (const juce::String& text)
                                           { return text.contains ("shown 2 Elevation"); });
    ASSERT_TRUE (reopened.succeeded) << tools.getLog();
    // LV2 controls hold degrees; the others the normalised values.
    const auto shown = ArdourTools::readShownValues (reopened.output);
    const auto azimuth = [&] (float normalised)
    { return format == "LV2" ? (normalised - 0.5f) * 360.0f : normalised; };
    const auto elevation = [&] (float normalised)
    { return format == "LV2" ? (normalised - 0.5f) * 180.0f : normalised; };
    EXPECT_FLOAT_EQ (shown.at ({ 1, "Azimuth" }), azimuth (0.5f)) << "the other instance moved";
    EXPECT_FLOAT_EQ (shown.at ({ 1, "Elevation" }), elevation (0.5f));
    EXPECT_NEAR (shown.at ({ 2, "Azimuth" }), azimuth (expected.x), azimuth (0.51f) - azimuth (0.5f)) << "the drag was not saved";
    EXPECT_NEAR (shown.at ({ 2, "Elevation" }), elevation (expected.y), elevation (0.51f) - elevation (0.5f));
}

INSTANTIATE_TEST_SUITE_P (Formats, ArdourGui, testing::Values ("VST2", "VST3", "LV2"), [] (const auto& testInfo)
                          { return std::string (testInfo.param); });
