#pragma once

#include "AltLookAndFeel.h"

#include <processor/VevazovAzudAudioProcessor.h>

/** The process's default look-and-feel while any instance exists: one object
    shared by every processor, installed when the first creates it and removed
    when the last lets it go, so that every window of the plug-in, the scene
    included, draws in the plug-in's style and font.
*/
class VevazovAzudAudioProcessor::KorvanneLookAndFeel : public AltLookAndFeel
{
public:
    KorvanneLookAndFeel();
    ~KorvanneLookAndFeel() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (KorvanneLookAndFeel)
};
