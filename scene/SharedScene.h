#pragma once

#include "SceneWidgets.h"
#include "TransparentPadGUI.h"
#include "TransparentWindow.h"

#include <processor/ProcessWide.h>

#include <mutex>

/** The scene that all instances of one process share: the registry of live
    instances and the one floating window that shows them, which exists from the
    first prepare until the last instance goes.

    Registry and window belong to the framework's message thread. Hosts may
    create, prepare, restore and destroy instances on threads of their own:
    registering and unregistering then wait for the message thread and run while
    it is held; creating, moving and showing the window are posted to it.
*/
class SharedScene
{
public:
    SharedScene();
    ~SharedScene();

    void registerInstance (VevazovAzudAudioProcessor&);

    /** Removes the instance; the last one takes the window with it. */
    void unregisterInstance (VevazovAzudAudioProcessor&);

    /** Creates the window from the scene settings when there is none. */
    void ensureWindow();

    /** A restored state changed the scene settings. They are stored at once, on any
        thread, and an existing window is brought to them on the message thread; until
        it has been, the window's own moves (the window system's notices among them)
        are not stored, so that the state restored last wins.
    */
    void restoreSettings (const SceneSettingsChange&);

    /** Shows the window if it is hidden and hides it if it is shown, when there is a
        window; returns whether there was.
    */
    bool toggleWindowVisibility();

    SceneWidgets& getWidgets() noexcept { return sceneWidgets; }

    /** The window and its content, or nullptr while there is no window. */
    TransparentWindow* getWindow() const noexcept { return transparentWindow.get(); }
    TransparentPadGUI* getPadGUI() const noexcept { return transparentPadGUI; }

private:
    void createWindow();
    void createWindowIfStillWanted();
    void bringWindowTo (const SceneSettingsChange&);
    void storeWindowBounds (juce::Rectangle<int>);

    SceneWidgets sceneWidgets;
    std::unique_ptr<TransparentWindow> transparentWindow;
    TransparentPadGUI* transparentPadGUI = nullptr;
    std::atomic<bool> windowCreationPosted { false };

    // Restores of the geometry that the window has not been brought to yet; the
    // geometry settings change only while this is held.
    std::mutex geometryLock;
    int geometryRestoresOnTheirWay = 0;

    JUCE_DECLARE_WEAK_REFERENCEABLE (SharedScene)
    const juce::WeakReference<SharedScene> self { this };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SharedScene)
};
