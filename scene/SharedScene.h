#pragma once

#include "SceneWidgets.h"
#include "TransparentPadGUI.h"
#include "TransparentWindow.h"

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

    /** Gives an existing window the geometry of the scene settings. */
    void applyWindowBounds();

    /** Shows or hides an existing window as the scene settings say. */
    void applyWindowVisibility();

    /** Flips the window's visibility, when there is a window; returns whether there was. */
    bool toggleWindowVisibility();

    SceneWidgets& getWidgets() noexcept { return sceneWidgets; }

    /** The window and its content, or nullptr while there is no window. */
    TransparentWindow* getWindow() const noexcept { return transparentWindow.get(); }
    TransparentPadGUI* getPadGUI() const noexcept { return transparentPadGUI; }

private:
    void createWindow();
    void createWindowIfStillWanted();

    SceneWidgets sceneWidgets;
    std::unique_ptr<TransparentWindow> transparentWindow;
    TransparentPadGUI* transparentPadGUI = nullptr;
    std::atomic<bool> windowCreationPosted { false };

    JUCE_DECLARE_WEAK_REFERENCEABLE (SharedScene)
    const juce::WeakReference<SharedScene> self { this };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SharedScene)
};
