#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The floating, see-through "Orbel Scene" window that all instances of the
    process share. It keeps its geometry and visibility in the process-wide scene
    settings, so that the next window, and every saved state, remember them.
*/
class TransparentWindow : public juce::DocumentWindow
{
public:
    /** The window tells where it now stands, after every move and resize. */
    using BoundsChanged = std::function<void (juce::Rectangle<int>)>;

    explicit TransparentWindow (BoundsChanged whereItStands);
    ~TransparentWindow() override;

    /** Moves the window to the geometry in the scene settings. */
    void applyBoundsFromSettings();

    /** Shows or hides the window as the scene settings say. */
    void applyVisibilityFromSettings();

    /** Draws the window once while it is still hidden. The framework re-sends a
        window's position at its first paint; after a window manager that reparents
        windows has shown it, that position can be the one read while the manager's
        frame still stood at the corner of the screen, and the window would open there.
    */
    void paintBeforeFirstShow();

    void resized() override;
    void moved() override;
    void closeButtonPressed() override;

private:
    void tellBounds() const;

    const BoundsChanged boundsChanged;
    bool boundsFollowSettings = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TransparentWindow)
};
