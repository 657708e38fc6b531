#pragma once

#include <juce_graphics/juce_graphics.h>

class VevazovAzudAudioProcessor;

/** What the scene keeps of one live instance: a copy of its position, spread and
    appearance, refreshed whenever the instance flags a change.
*/
struct SceneWidget
{
    bool isVisible = true;
    float azimuth = 0.5f;
    float elevation = 0.5f;
    float distance = 0.25f;
    float width = 0.0f;
    float x = 0.5f; // the azimuth, 0 at the left edge
    float y = 0.5f; // 1 - the elevation, 0 at the top edge
    juce::Colour markerColour; // the channel dots: red closer than 1 m
    juce::Colour widgetColour; // the crosshair, the hover ring and the label
    juce::String label;
    VevazovAzudAudioProcessor* processor = nullptr;
};
