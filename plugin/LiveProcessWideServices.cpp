#include "LiveProcessWideServices.h"

#include <editor/KorvanneLookAndFeel.h>

namespace
{
    /** One processor's share of the default look-and-feel. */
    struct LookAndFeelReference : public ProcessWideServices::SharedReference
    {
        juce::SharedResourcePointer<VevazovAzudAudioProcessor::KorvanneLookAndFeel> lookAndFeel;
    };
} // namespace

LiveProcessWideServices::LiveProcessWideServices() = default;
LiveProcessWideServices::~LiveProcessWideServices() = default;

std::unique_ptr<ProcessWideServices::SharedReference> LiveProcessWideServices::acquireLookAndFeel()
{
    return std::make_unique<LookAndFeelReference>();
}

void LiveProcessWideServices::registerInstance (VevazovAzudAudioProcessor& processor)
{
    scene.registerInstance (processor);
}

void LiveProcessWideServices::unregisterInstance (VevazovAzudAudioProcessor& processor)
{
    admOsc.forget (processor);
    scene.unregisterInstance (processor);
}

void LiveProcessWideServices::ensureSceneWindow()
{
    scene.ensureWindow();
}

void LiveProcessWideServices::restoreSceneSettings (const SceneSettingsChange& change)
{
    scene.restoreSettings (change);
}

bool LiveProcessWideServices::toggleSceneWindowVisibility()
{
    return scene.toggleWindowVisibility();
}

void LiveProcessWideServices::admOscSettingsChanged (VevazovAzudAudioProcessor& processor)
{
    admOsc.settingsChanged (processor);
}

juce::String LiveProcessWideServices::describeAdmOsc (VevazovAzudAudioProcessor& processor)
{
    return admOsc.describe (processor);
}
