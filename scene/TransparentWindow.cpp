#include "TransparentWindow.h"

#include <editor/AltLookAndFeel.h>
#include <processor/ProcessWide.h>

namespace
{
    constexpr const char* windowTitle = "Orbel Scene";

    /** White at 0.1: what lies behind the window shows through wherever the scene draws nothing. */
    juce::Colour windowBackground()
    {
        return juce::Colours::white.withAlpha (AltLookAndFeel::alphaFromFraction (0.1f));
    }
} // namespace

TransparentWindow::TransparentWindow()
    : juce::DocumentWindow (windowTitle, windowBackground(), minimiseButton | maximiseButton | closeButton, true)
{
    // Setting the window up resizes it on the way: until it stands at the
    // remembered geometry, its size is not the one to remember.
    setResizable (true, true);
    setUsingNativeTitleBar (false);
    setAlwaysOnTop (true);
    boundsFollowSettings = true;
    applyBoundsFromSettings();
    setVisible (false);
}

TransparentWindow::~TransparentWindow() = default;

void TransparentWindow::applyBoundsFromSettings()
{
    // The settings follow the window as it moves, so they are read once, whole, first.
    const auto settings = getSceneSettings();
    setBounds (settings.transparentWindowX, settings.transparentWindowY, settings.transparentWindowWidth, settings.transparentWindowHeight);
}

void TransparentWindow::applyVisibilityFromSettings()
{
    setVisible (getSceneSettings().transparentWindowIsVisible);
}

void TransparentWindow::storeBoundsInSettings() const
{
    if (! boundsFollowSettings)
        return;

    auto& settings = getSceneSettings();
    settings.transparentWindowX = getX();
    settings.transparentWindowY = getY();
    settings.transparentWindowWidth = getWidth();
    settings.transparentWindowHeight = getHeight();
}

void TransparentWindow::resized()
{
    storeBoundsInSettings();
    juce::DocumentWindow::resized();
}

void TransparentWindow::moved()
{
    storeBoundsInSettings();
    juce::DocumentWindow::moved();
}

void TransparentWindow::closeButtonPressed()
{
    // Closing only hides: the window lives as long as any instance does.
    setVisible (false);
    getSceneSettings().transparentWindowIsVisible = isVisible();
}
