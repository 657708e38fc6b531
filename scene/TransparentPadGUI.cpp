#include "TransparentPadGUI.h"

namespace
{
    const juce::Colour frameColour { 0xff0b72f2 };
    constexpr int initialWidth = 600;
    constexpr int initialHeight = 400;
} // namespace

TransparentPadGUI::TransparentPadGUI (SceneWidgets& sceneWidgets)
    : widgets (sceneWidgets),
      padMulti (std::make_unique<PadMulti> (sceneWidgets))
{
    addAndMakeVisible (*padMulti);
    padMulti->setName ("padMulti");
    setSize (initialWidth, initialHeight);
    startTimer (sceneRefreshMs);
}

TransparentPadGUI::~TransparentPadGUI() = default;

void TransparentPadGUI::paint (juce::Graphics& g)
{
    // A frame along the right and bottom edges, under the map.
    const auto width = static_cast<float> (getWidth());
    const auto height = static_cast<float> (getHeight());
    g.setColour (frameColour);
    g.drawLine (width, 0.0f, width, height, 1.0f);
    g.drawLine (0.0f, height, width, height, 1.0f);
}

void TransparentPadGUI::resized()
{
    padMulti->setBounds (getLocalBounds());
}

void TransparentPadGUI::timerCallback()
{
    if (widgets.refresh())
        if (auto* window = getTopLevelComponent())
            window->repaint();
}
