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
    objects.clear();
    cancelPendingUpdate();
}

//==============================================================================
void AdmOscHub::settingsChanged (VevazovAzudAudioProcessor& processor)
{
    withMessageThreadHeld ([&]
                           {
                               const auto& settings = processor.getAdmOscSettings();

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
                               startTimer (tickMs); });
}

void AdmOscHub::forget (VevazovAzudAudioProcessor& processor)
{
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
        const auto portNumber = listening->second;
        const auto port = ports.find (portNumber);
        const auto open = port != ports.end() && port->second->isListening();
        lines.add (open ? "receiving object " + juce::String (object.getInbox().getObjectNumber()) + " on port " + juce::String (portNumber)
                        : "port " + juce::String (portNumber) + " in use");
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
        it = it->second->getRouter().isEmpty() ? ports.erase (it) : std::next (it);
}

void AdmOscHub::retryClosedPorts()
{
    for (auto& [portNumber, port] : ports)
    {
        if (port->isListening() || ! AdmOscPort::isFree (portNumber))
            continue;

        // Another program let the port go: a new port takes the same listeners.
        auto reopened = std::make_unique<AdmOscPort> (portNumber, [this]
                                                      { triggerAsyncUpdate(); });

        if (! reopened->isListening())
            continue;

        for (const auto& [object, number] : listeningOn)
        {
            if (number != portNumber)
                continue;

            port->getRouter().remove (object->getInbox());
            reopened->getRouter().add (object->getInbox());
        }

        port = std::move (reopened);
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

    if (now >= nextRetry)
    {
        nextRetry = now + retryPortsMs;
        retryClosedPorts();
    }
}

void AdmOscHub::handleAsyncUpdate()
{
    const auto now = nowMs();

    for (auto& [processor, object] : objects)
        object->applyReceived (now);
}
