#include "KorvanneLookAndFeel.h"

namespace
{
    /** Makes the given look-and-feel the default (nullptr: the framework's own) and
        tells every window. Hosts may create and delete instances on a thread of
        their own, beside the framework's message thread, so the change is made
        with the message thread held.
    */
    void installAsDefault (juce::LookAndFeel* lookAndFeel)
    {
        const auto apply = [lookAndFeel]
        {
            juce::Desktop::getInstance().setDefaultLookAndFeel (lookAndFeel);

            // Cached faces were chosen by the previous default: the sans-serif rule changes with it.
            juce::Typeface::clearTypefaceCache();
        };

        const auto* messageManager = juce::MessageManager::getInstanceWithoutCreating();

        if (messageManager == nullptr || messageManager->currentThreadHasLockedMessageManager())
        {
            apply();
            return;
        }

        const juce::MessageManagerLock lock;
        apply();
    }
} // namespace

VevazovAzudAudioProcessor::KorvanneLookAndFeel::KorvanneLookAndFeel()
{
    installAsDefault (this);
}

VevazovAzudAudioProcessor::KorvanneLookAndFeel::~KorvanneLookAndFeel()
{
    installAsDefault (nullptr);
}
