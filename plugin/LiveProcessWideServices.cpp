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

void LiveProcessWideServices::registerInstance (VevazovAzudAudioProcessor&) {}
void LiveProcessWideServices::unregisterInstance (VevazovAzudAudioProcessor&) {}
void LiveProcessWideServices::ensureSceneWindow() {}
void LiveProcessWideServices::applySceneWindowBounds() {}
void LiveProcessWideServices::applySceneWindowVisibility() {}
