#include "AdmOscHub.h"

#include <processor/VevazovAzudAudioProcessor.h>

namespace
{
    double nowMs()
    {
        return juce::Time::getMillisecondCounterHiRes();
    }

    /** Runs the work at once on the message thread, otherwise while holding it: a
        host may restore or destroy instances on a thread of its own.
    */
    template <typename Work>
    void withMessageThreadHeld (Work&& work)
    {
        const auto* messageManager = juce::MessageManager::getInstanceWithoutCreating();

        if (messageManager == nullptr || messageManager->currentThreadHasLockedMessageManager())
        {
            work();
            return;
        }

        const juce::MessageManagerLock lock;
        work();
    }
} // namespace

AdmOscHub::AdmOscHub (int answerPortToUse)
    : answerPort (answerPortToUse)
{
}

AdmOscHub::~AdmOscHub()
{
    stopTimer();
    ports.clear();
    closer = nullptr;
    objects.clear();
    cancelPendingUpdate();
}

//==============================================================================
void AdmOscHub::settingsChanged (VevazovAzudAudioProcessor& processor)
{
    const auto* messageManager = juce::MessageManager::getInstanceWithoutCreating();
    const auto onMessageThread = messageManager == nullptr || messageManager->currentThreadHasLockedMessageManager();

    {
        const std::lock_guard<std::mutex> hold (waitingLock);

        if (onMessageThread)
            waitingSettings.erase (&processor);
        else
            waitingSettings[&processor] = processor.getAdmOscSettings();
    }

    if (onMessageThread)
        apply (processor, processor.getAdmOscSettings());
    else
        triggerAsyncUpdate();
}

void AdmOscHub::applyWaitingSettings()
{
    std::map<VevazovAzudAudioProcessor*, AdmOscSettings> taken;

    {
        const std::lock_guard<std::mutex> hold (waitingLock);
        taken.swap (waitingSettings);
    }

    // An instance being destroyed meanwhile waits in forget() for the message thread.
    for (const auto& [processor, settings] : taken)
        apply (*processor, settings);
}

void AdmOscHub::apply (VevazovAzudAudioProcessor& processor, const AdmOscSettings& settings)
{
    if (! settings.sendEnabled && ! settings.receiveEnabled)
    {
        forget (processor);
        return;
    }

    // Nothing opens a socket before some instance uses ADM-OSC: a host that
    // only scans the plug-in, or never turns it on, sees no network at all.
    if (! answersOpen)
        answersOpen = answers.connect ("127.0.0.1", answerPort);

    auto& object = objects[&processor];

    if (object == nullptr)
        object = std::make_unique<AdmOscObject> (processor);

    leavePort (*object);
    object->getInbox().setObjectNumber (settings.objectNumber);
    object->configureSending (settings);

    if (settings.receiveEnabled)
        joinPort (*object, settings.receivePort);

    closeUnusedPorts();
    startTimer (tickMs);
}

void AdmOscHub::forget (VevazovAzudAudioProcessor& processor)
{
    {
        const std::lock_guard<std::mutex> hold (waitingLock);
        waitingSettings.erase (&processor);
    }

    withMessageThreadHeld ([&]
                           {
                               const auto found = objects.find (&processor);

                               if (found == objects.end())
                                   return;

                               leavePort (*found->second);
                               objects.erase (found);
                               closeUnusedPorts();

                               if (objects.empty())
                                   stopTimer(); });
}

juce::String AdmOscHub::describe (VevazovAzudAudioProcessor& processor) const
{
    const auto found = objects.find (&processor);

    if (found == objects.end())
        return "ADM-OSC is off";

    auto& object = *found->second;
    juce::StringArray lines;
    const auto listening = listeningOn.find (&object);

    if (listening != listeningOn.end())
    {
        const auto portNumber = juce::String (listening->second);
        const auto port = ports.find (listening->second);
        const auto state = port != ports.end() ? port->second->getState() : AdmOscPort::State::inUse;

        if (state == AdmOscPort::State::listening)
            lines.add ("receiving object " + juce::String (object.getInbox().getObjectNumber()) + " on port " + portNumber);
        else
            lines.add (state == AdmOscPort::State::opening ? "opening port " + portNumber : "port " + portNumber + " in use");
    }

    if (object.describeSending().isNotEmpty())
        lines.add (object.describeSending());

    return lines.joinIntoString ("\n");
}

//==============================================================================
void AdmOscHub::leavePort (AdmOscObject& object)
{
    const auto listening = listeningOn.find (&object);

    if (listening == listeningOn.end())
        return;

    if (const auto port = ports.find (listening->second); port != ports.end())
        port->second->getRouter().remove (object.getInbox());

    listeningOn.erase (listening);
    object.endAllGestures();
}

void AdmOscHub::joinPort (AdmOscObject& object, int portNumber)
{
    portFor (portNumber).getRouter().add (object.getInbox());
    listeningOn[&object] = portNumber;
}

AdmOscPort& AdmOscHub::portFor (int portNumber)
{
    auto& port = ports[portNumber];

    if (port == nullptr)
        port = std::make_unique<AdmOscPort> (portNumber, [this]
                                             { triggerAsyncUpdate(); });

    return *port;
}

void AdmOscHub::closeUnusedPorts()
{
    for (auto it = ports.begin(); it != ports.end();)
    {
        if (! it->second->getRouter().isEmpty())
        {
            ++it;
            continue;
        }

        // The port number is free at once; the port's threads end in the background.
        it->second->close();

        if (closer == nullptr)
            closer = std::make_unique<juce::ThreadPool> (1);

        std::shared_ptr<AdmOscPort> closing (std::move (it->second));
        closer->addJob ([closing]() mutable
                        { closing = nullptr; });
        it = ports.erase (it);
    }
}

//==============================================================================
void AdmOscHub::timerCallback()
{
    const auto now = nowMs();

    for (auto& [processor, object] : objects)
    {
        object->applyReceived (now);
        object->endQuietGestures (now);
        object->sendDue (now, answers, answerPort);
    }
}

void AdmOscHub::handleAsyncUpdate()
{
    applyWaitingSettings();
    const auto now = nowMs();

    for (auto& [processor, object] : objects)
        object->applyReceived (now);
}
