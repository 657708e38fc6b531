#include "ComponentProbes.h"

#include <cmath>

juce::MouseEvent mouseEventAt (juce::Component& component, int x, int y)
{
    const auto now = juce::Time::getCurrentTime();
    const auto position = juce::Point<int> (x, y).toFloat();

    return { juce::Desktop::getInstance().getMainMouseSource(),
             position,
             juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier),
             juce::MouseInputSource::defaultPressure,
             juce::MouseInputSource::defaultOrientation,
             juce::MouseInputSource::defaultRotation,
             juce::MouseInputSource::defaultTiltX,
             juce::MouseInputSource::defaultTiltY,
             &component,
             &component,
             now,
             position,
             now,
             1,
             false };
}

HostRecorder::HostRecorder (juce::AudioProcessor& processorToWatch) : processor (processorToWatch) { processor.addListener (this); }
HostRecorder::~HostRecorder() { processor.removeListener (this); }

void HostRecorder::audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value)
{
    calls.push_back ("set " + std::to_string (index));
    values[index] = value;
}

void HostRecorder::audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int index) { calls.push_back ("begin " + std::to_string (index)); }
void HostRecorder::audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int index) { calls.push_back ("end " + std::to_string (index)); }

RepaintCounter& RepaintCounter::attachTo (juce::Component& component)
{
    auto* counter = new RepaintCounter();
    component.setCachedComponentImage (counter);
    component.setVisible (true);
    counter->count = 0;
    return *counter;
}

juce::Image render (juce::Component& component)
{
    juce::Image image (juce::Image::ARGB, component.getWidth(), component.getHeight(), true);
    juce::Graphics g (image);
    component.paintEntireComponent (g, true);
    return image;
}

Blob measureBlob (const juce::Image& image, juce::Rectangle<int> window)
{
    const auto area = window.getIntersection (image.getBounds());
    double coverage = 0.0, sumX = 0.0, sumY = 0.0;

    for (auto y = area.getY(); y < area.getBottom(); ++y)
        for (auto x = area.getX(); x < area.getRight(); ++x)
        {
            const auto alpha = static_cast<double> (image.getPixelAt (x, y).getFloatAlpha());
            coverage += alpha;
            sumX += alpha * (x + 0.5);
            sumY += alpha * (y + 0.5);
        }

    if (coverage <= 0.0)
        return {};

    return { { static_cast<float> (sumX / coverage), static_cast<float> (sumY / coverage) },
             static_cast<float> (2.0 * std::sqrt (coverage / juce::MathConstants<double>::pi)) };
}

bool isAllWithin (const juce::Image& image, juce::Point<float> centre, float radius)
{
    for (auto y = 0; y < image.getHeight(); ++y)
        for (auto x = 0; x < image.getWidth(); ++x)
            if (image.getPixelAt (x, y).getAlpha() != 0 && centre.getDistanceFrom (juce::Point<int> (x, y).toFloat() + juce::Point<float> (0.5f, 0.5f)) > radius)
                return false;

    return true;
}
