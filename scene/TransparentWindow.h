#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The floating, see-through "Orbel Scene" window that all instances of the
    process share. It keeps its geometry and visibility in the process-wide scene
    settings, so that the next window, and every saved state, remember them.
*/
class TransparentWindow : public juce::DocumentWindow
{
public:
    TransparentWindow();
    ~TransparentWindow() override;

    /** Moves the window to the geometry in the scene settings. */
    void applyBoundsFromSettings();

    /** Shows or hides the window as the scene settings say. */
    void applyVisibilityFromSettings();

    void resized() override;
    void moved() override;
    void closeButtonPressed() override;

private:
    void storeBoundsInSettings() const;

    bool boundsFollowSettings = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TransparentWindow)
};
