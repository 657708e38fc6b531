#include "StandaloneScreenshots.h"

#include "../../tests/support/WindowSupport.h"

#include <BinaryData.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <cstdlib>
#include <iostream>
#include <thread>

namespace
{
    using namespace std::chrono_literals;

    constexpr int editorWidth = 556;
    constexpr int editorHeight = 503;
    const juce::Point<int> mainWindowPosition { 16, 16 };
    const juce::Point<int> sceneWindowPosition { 600, 40 };

    /** A user at the virtual display: finds windows, moves them, points and clicks. */
    class Desk
    {
    public:
        Desk() : display (XOpenDisplay (nullptr)) {}
        ~Desk() { XCloseDisplay (display); }

        bool isOpen() const { return display != nullptr; }

        /** The top-level window with this title, waiting for it to appear. */
        Window findWindow (const char* title, std::chrono::milliseconds patience = 15000ms)
        {
            const auto giveUp = std::chrono::steady_clock::now() + patience;

            while (std::chrono::steady_clock::now() < giveUp)
            {
                if (const auto found = childNamed (DefaultRootWindow (display), title))
                    return found;

                std::this_thread::sleep_for (100ms);
            }

            return 0;
        }

        juce::Rectangle<int> boundsOf (Window window)
        {
            XWindowAttributes attributes {};
            XGetWindowAttributes (display, window, &attributes);
            return { attributes.x, attributes.y, attributes.width, attributes.height };
        }

        void move (Window window, juce::Point<int> position)
        {
            XMoveWindow (display, window, position.x, position.y);
            settle();
        }

        void click (juce::Point<int> position)
        {
            XTestFakeMotionEvent (display, -1, position.x, position.y, CurrentTime);
            settle (150ms);
            XTestFakeButtonEvent (display, 1, True, CurrentTime);
            settle (100ms);
            XTestFakeButtonEvent (display, 1, False, CurrentTime);
            settle();
        }

        void pointAt (juce::Point<int> position)
        {
            XTestFakeMotionEvent (display, -1, position.x, position.y, CurrentTime);
            settle();
        }

        void settle (std::chrono::milliseconds time = 600ms)
        {
            XSync (display, False);
            std::this_thread::sleep_for (time);
        }

    private:
        Window childNamed (Window parent, const char* title)
        {
            Window root = 0, parentOfParent = 0, *children = nullptr;
            unsigned int numChildren = 0;

            if (XQueryTree (display, parent, &root, &parentOfParent, &children, &numChildren) == 0)
                return 0;

            Window found = 0;

            // The framework sets window names as UTF-8 text, which XFetchName does not read.
            for (unsigned int i = 0; i < numChildren && found == 0; ++i)
            {
                XTextProperty name {};

                if (XGetWMName (display, children[i], &name) != 0 && name.value != nullptr)
                {
                    if (juce::String::fromUTF8 (reinterpret_cast<const char*> (name.value), static_cast<int> (name.nitems)) == title)
                        found = children[i];

                    XFree (name.value);
                }
            }

            if (children != nullptr)
                XFree (children);

            return found;
        }

        Display* display;
    };

    /** Where the editor lies inside its window: where the window's pixels best
        match the header of the editor's own background.
    */
    juce::Point<int> findEditor (const juce::Image& window)
    {
        const auto background = juce::ImageCache::getFromMemory (BinaryData::GUI_top_jpg, BinaryData::GUI_top_jpgSize);
        auto best = juce::Point<int>();
        auto bestDifference = std::numeric_limits<juce::int64>::max();

        for (auto top = 0; top <= window.getHeight() - editorHeight; ++top)
            for (auto left = 0; left <= window.getWidth() - editorWidth; ++left)
            {
                juce::int64 difference = 0;

                for (auto y = 4; y < 26; y += 3)
                    for (auto x = 4; x < 170; x += 3)
                    {
                        const auto a = window.getPixelAt (left + x, top + y);
                        const auto b = background.getPixelAt (x, y);
                        difference += std::abs (a.getRed() - b.getRed()) + std::abs (a.getGreen() - b.getGreen()) + std::abs (a.getBlue() - b.getBlue());
                    }

                if (difference < bestDifference)
                {
                    bestDifference = difference;
                    best = { left, top };
                }
            }

        return best;
    }

    bool writePng (const juce::Image& image, const juce::File& file)
    {
        file.deleteFile();
        juce::FileOutputStream out (file);

        if (out.failedToOpen() || ! juce::PNGImageFormat().writeImageToStream (image, out))
            return false;

        std::cout << file.getFullPathName() << std::endl;
        return true;
    }

    /** A home of its own for the application, with an audio output that discards
        everything, so that it plays (and makes its scene window) without a sound card.
    */
    juce::File prepareHome()
    {
        const auto home = juce::File::createTempFile ("velorin-standalone-home");
        home.createDirectory();
        home.getChildFile (".asoundrc").replaceWithText ("pcm.!default { type null }\n");
        return home;
    }
} // namespace

bool takeStandaloneScreenshots (const juce::File& application, const juce::File& folder)
{
    prepareDisplayForWindows();
    Desk desk;

    if (! desk.isOpen() || ! hasDisplayForWindows())
    {
        std::cerr << "velorin-gallery: no X display for the application" << std::endl;
        return false;
    }

    const auto home = prepareHome();
    setenv ("HOME", home.getFullPathName().toRawUTF8(), 1);

    juce::ChildProcess app;

    if (! app.start (application.getFullPathName(), 0))
    {
        std::cerr << "velorin-gallery: cannot start " << application.getFullPathName() << std::endl;
        return false;
    }

    const auto mainWindow = desk.findWindow ("Velorin");
    const auto sceneWindow = desk.findWindow ("Orbel Scene");

    if (mainWindow == 0 || sceneWindow == 0)
    {
        std::cerr << "velorin-gallery: the application's windows did not appear" << std::endl;
        app.kill();
        return false;
    }

    desk.move (mainWindow, mainWindowPosition);
    desk.settle (1500ms);
    const auto window = desk.boundsOf (mainWindow);
    const auto editor = findEditor (grabScreen (window)) + window.getPosition();
    const auto at = [editor] (int x, int y)
    { return editor + juce::Point<int> (x, y); };
    const auto shoot = [&] (const char* name)
    { return writePng (grabScreen (window), folder.getChildFile (name)); };

    // A source placed by hand on the top view: 50 degrees right, about 2.6 m out.
    desk.click (at (4 + 187 + 110, 30 + 187 - 95));
    desk.pointAt (at (300, 470));
    auto ok = shoot ("standalone-top-view.png");

    desk.click (at (408 + 9, 47 + 9));
    desk.pointAt (at (300, 470));
    ok = ok && shoot ("standalone-unwrapped-view.png");
    desk.click (at (408 + 9, 47 + 9));

    desk.click (at (528 + 9, 5 + 9));
    desk.pointAt (at (100, 300));
    ok = ok && shoot ("standalone-options-panel.png");

    // The options panel's scene button opens the scene window; it goes beside the editor.
    desk.click (at (298 + 60, 167 + 12));
    desk.move (sceneWindow, sceneWindowPosition);
    desk.click (at (100, 300));
    desk.settle (1000ms);
    ok = ok && writePng (grabScreen (window.getUnion (desk.boundsOf (sceneWindow)).expanded (8)), folder.getChildFile ("standalone-with-scene.png"));

    desk.click (at (80, 14));
    desk.pointAt (at (500, 480));
    ok = ok && shoot ("standalone-welcome-panel.png");

    app.kill();
    home.deleteRecursively();
    return ok;
}
