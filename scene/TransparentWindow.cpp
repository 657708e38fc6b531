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

TransparentWindow::TransparentWindow (BoundsChanged whereItStands)
    : juce::DocumentWindow (windowTitle, windowBackground(), minimiseButton | maximiseButton | closeButton, true),
      boundsChanged (std::move (whereItStands))
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

void TransparentWindow::paintBeforeFirstShow()
{
    if (auto* peer = getPeer())
    {
        peer->repaint (getLocalBounds());
        peer->performAnyPendingRepaintsNow();
    }
}

void TransparentWindow::tellBounds() const
{
    if (boundsFollowSettings)
        boundsChanged (getBounds());
}

void TransparentWindow::resized()
{
    tellBounds();
    juce::DocumentWindow::resized();
}

void TransparentWindow::moved()
{
    tellBounds();
    juce::DocumentWindow::moved();
}

void TransparentWindow::closeButtonPressed()
{
    // Closing only hides: the window lives as long as any instance does.
    setVisible (false);
    getSceneSettings().transparentWindowIsVisible = isVisible();
}
