#include "AdmOscObject.h"

#include <processor/VevazovAzudAudioProcessor.h>

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

namespace
{
    using Processor = VevazovAzudAudioProcessor;
    using AdmOsc::Kind;

    using SendAs = AdmOscSettings::SendAs;

    /** What the object sends of itself, in turn: its position in the form chosen
        (both forms take turns), its width, gain and name, and the maximum distance once.
    */
    std::vector<Kind> updatesFor (SendAs sendAs)
    {
        std::vector<Kind> updates;

        if (sendAs != SendAs::cartesian)
            updates.push_back (Kind::aed);

        if (sendAs != SendAs::polar)
            updates.push_back (Kind::xyz);

        updates.insert (updates.end(), { Kind::w, Kind::gain, Kind::name, Kind::dmax });
        return updates;
    }

    /** The numbers a message carries, for telling them when they come back. */
    std::array<float, 3> numbersIn (const juce::OSCMessage& message)
    {
        std::array<float, 3> numbers {};

        for (auto i = 0; i < std::min (message.size(), static_cast<int> (numbers.size())); ++i)
            if (message[i].isFloat32())
                numbers[static_cast<size_t> (i)] = message[i].getFloat32();

        return numbers;
    }

    /** A received value this close to the parameter is the value it has: what the
        object sends comes back unchanged from a tool that echoes it.
    */
    constexpr float sameValueTolerance = 1.0e-6f;

    /** Sending resolves no host names, which could hold the message thread. */
    std::optional<juce::String> ipv4AddressOf (const juce::String& host)
    {
        const auto trimmed = host.trim();

        if (trimmed.equalsIgnoreCase ("localhost"))
            return juce::String ("127.0.0.1");

        juce::StringArray parts;
        parts.addTokens (trimmed, ".", {});

        if (parts.size() != 4)
            return {};

        for (const auto& part : parts)
            if (part.isEmpty() || part.length() > 3 || ! part.containsOnly ("0123456789") || part.getIntValue() > 255)
                return {};

        return trimmed;
    }
} // namespace

AdmOscObject::AdmOscObject (VevazovAzudAudioProcessor& processorToServe)
    : processor (processorToServe),
      inbox (processorToServe)
{
}

AdmOscObject::~AdmOscObject()
{
    endAllGestures();
}

//==============================================================================
void AdmOscObject::configureSending (const AdmOscSettings& settings)
{
    sender.disconnect();
    sendSocket = nullptr;
    inbox.getEchoGuard().setSender (0, {});
    sending = false;
    sent = {};
    sendingStatus = {};
    updates = updatesFor (settings.sendAs);
    nextTurn = 0;

    if (! settings.sendEnabled)
        return;

    const auto address = ipv4AddressOf (settings.sendHost);

    if (! address.has_value())
    {
        sendingStatus = "not sending: \"" + settings.sendHost + "\" is not an IPv4 address";
        return;
    }

    // A socket of the object's own, so that what it sends is known by its port when it comes back.
    const auto target = *address + ":" + juce::String (settings.sendPort);
    auto socket = std::make_unique<juce::DatagramSocket> (false);
    sending = socket->bindToPort (0) && sender.connectToSocket (*socket, *address, settings.sendPort);
    sendingStatus = sending ? "sending to " + target : "cannot send to " + target;

    if (sending)
    {
        inbox.getEchoGuard().setSender (socket->getBoundPort(), *address);
        sendSocket = std::move (socket);
    }
}

//==============================================================================
void AdmOscObject::applyReceived (double nowMs)
{
    const auto values = inbox.takeValues();

    for (auto index = 0; index < AdmOscInbox::numParameters; ++index)
    {
        const auto& value = values[static_cast<size_t> (index)];

        if (! value.has_value())
            continue;

        const auto slot = static_cast<size_t> (index);
        lastReceived[slot] = nowMs;

        if (std::abs (*value - processor.getParameter (index)) <= sameValueTolerance)
            continue;

        if (! gestureOpen[slot])
        {
            processor.beginParameterChangeGesture (index);
            gestureOpen[slot] = true;
        }

        processor.setParameterNotifyingHost (index, *value);
    }

    for (auto& query : inbox.takeQueries())
        if (waitingAnswers.size() < maximumWaitingAnswers)
            waitingAnswers.push_back (std::move (query));
}

void AdmOscObject::endQuietGestures (double nowMs)
{
    for (size_t slot = 0; slot < gestureOpen.size(); ++slot)
    {
        if (gestureOpen[slot] && nowMs - lastReceived[slot] >= gestureQuietMs)
        {
            processor.endParameterChangeGesture (static_cast<int> (slot));
            gestureOpen[slot] = false;
        }
    }
}

void AdmOscObject::endAllGestures()
{
    endQuietGestures (std::numeric_limits<double>::max());
}

//==============================================================================
void AdmOscObject::sendDue (double nowMs, juce::OSCSender& answers, int answerPort)
{
    if (nowMs < nextSendTime)
        return;

    const auto update = sending ? nextUpdate() : std::nullopt;
    const auto answer = ! waitingAnswers.empty() && (! answeredLast || ! update.has_value());

    if (answer)
    {
        const auto query = waitingAnswers.front();
        waitingAnswers.pop_front();
        const auto message = messageFor (query.kind, query.property);
        inbox.getEchoGuard().noteSent (query.kind, numbersIn (message), nowMs);
        answers.sendToIPAddress (query.askerAddress, answerPort, message);
    }
    else if (update.has_value())
    {
        // Noted before it leaves, so that it cannot come back before it is known.
        const auto message = messageFor (*update);
        inbox.getEchoGuard().noteSent (*update, numbersIn (message), nowMs);
        sender.send (message);
        markSent (*update);
        nextTurn = (static_cast<size_t> (std::find (updates.begin(), updates.end(), *update) - updates.begin()) + 1) % updates.size();
    }
    else
    {
        return;
    }

    answeredLast = answer;
    nextSendTime = nowMs + sendPeriodMs;
}

std::optional<Kind> AdmOscObject::nextUpdate() const
{
    for (size_t step = 0; step < updates.size(); ++step)
    {
        const auto kind = updates[(nextTurn + step) % updates.size()];

        if (isWaiting (kind))
            return kind;
    }

    return {};
}

bool AdmOscObject::isWaiting (Kind kind) const
{
    switch (kind)
    {
        case Kind::aed: return sent.position != currentPosition();
        case Kind::xyz: return sent.cartesianPosition != currentPosition();
        case Kind::w: return sent.width != AdmOsc::widthFromParameter (currentParameter (Processor::widthIndex));
        case Kind::gain: return sent.gain != AdmOsc::gainFromParameter (currentParameter (Processor::gainIndex));
        case Kind::name: return sent.name != currentName();
        case Kind::dmax: return ! sent.maximumDistance;
        case Kind::azim:
        case Kind::elev:
        case Kind::dist:
        case Kind::x:
        case Kind::y:
        case Kind::z:
        case Kind::dref:
        case Kind::mute:
        default: return false;
    }
}

void AdmOscObject::markSent (Kind kind)
{
    switch (kind)
    {
        case Kind::aed: sent.position = currentPosition(); break;
        case Kind::xyz: sent.cartesianPosition = currentPosition(); break;
        case Kind::w: sent.width = AdmOsc::widthFromParameter (currentParameter (Processor::widthIndex)); break;
        case Kind::gain: sent.gain = AdmOsc::gainFromParameter (currentParameter (Processor::gainIndex)); break;
        case Kind::name: sent.name = currentName(); break;
        case Kind::dmax: sent.maximumDistance = true; break;
        case Kind::azim:
        case Kind::elev:
        case Kind::dist:
        case Kind::x:
        case Kind::y:
        case Kind::z:
        case Kind::dref:
        case Kind::mute:
        default: break;
    }
}

juce::OSCMessage AdmOscObject::messageFor (Kind kind, const char* property) const
{
    const auto address = AdmOsc::addressOf (inbox.getObjectNumber(), property != nullptr ? property : AdmOsc::infoFor (kind).name);
    juce::OSCMessage message { juce::OSCAddressPattern (address) };
    const auto position = currentPosition();
    const auto cartesian = AdmOsc::cartesianFromPolar (position);

    switch (kind)
    {
        case Kind::aed:
            message.addFloat32 (position.azimuth);
            message.addFloat32 (position.elevation);
            message.addFloat32 (position.distance);
            break;

        case Kind::azim: message.addFloat32 (position.azimuth); break;
        case Kind::elev: message.addFloat32 (position.elevation); break;
        case Kind::dist: message.addFloat32 (position.distance); break;

        case Kind::xyz:
            message.addFloat32 (cartesian.x);
            message.addFloat32 (cartesian.y);
            message.addFloat32 (cartesian.z);
            break;

        case Kind::x: message.addFloat32 (cartesian.x); break;
        case Kind::y: message.addFloat32 (cartesian.y); break;
        case Kind::z: message.addFloat32 (cartesian.z); break;
        case Kind::w: message.addFloat32 (AdmOsc::widthFromParameter (currentParameter (Processor::widthIndex))); break;
        case Kind::gain: message.addFloat32 (AdmOsc::gainFromParameter (currentParameter (Processor::gainIndex))); break;
        case Kind::name: message.addString (currentName()); break;
        case Kind::dmax: message.addFloat32 (AdmOsc::maximumDistanceMetres); break;

        // The instance has no mute of its own: it is never muted.
        case Kind::mute: message.addInt32 (0); break;
        case Kind::dref:
        default: break;
    }

    return message;
}

AdmOsc::Polar AdmOscObject::currentPosition() const
{
    return AdmOsc::polarFromParameters (currentParameter (Processor::azimuthIndex),
                                        currentParameter (Processor::elevationIndex),
                                        currentParameter (Processor::distanceIndex));
}

float AdmOscObject::currentParameter (int index) const
{
    return processor.getParameter (index);
}

juce::String AdmOscObject::currentName() const
{
    return processor.getWidgetLabel().substring (0, AdmOsc::maximumNameLength);
}

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
