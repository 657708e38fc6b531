#pragma once

#include "AdmOscInbox.h"

#include <processor/AdmOscSettings.h>

#include <deque>

/** One instance as an ADM-OSC object, on the message thread: it sends the
    instance's position when the source moves (polar, Cartesian or both, from a
    socket of its own), and its width, gain and name when they change; it applies
    what its inbox received as a user's changes, inside gestures, so that a host
    records them; and it answers queries. Everything it sends is noted, so that it
    knows its own values when they come back.

    Outgoing messages, answers included, leave at most once every 20 ms, so no
    object sends more than 50 a second. Position, width, gain and name take turns
    when several are waiting, answers alternate with them, and a stream of
    received values keeps each parameter's gesture open until it has been quiet
    for a fifth of a second.
*/
class AdmOscObject
{
public:
    static constexpr double sendPeriodMs = 20.0;
    static constexpr double gestureQuietMs = 200.0;
    static constexpr size_t maximumWaitingAnswers = 32;

    explicit AdmOscObject (VevazovAzudAudioProcessor&);
    ~AdmOscObject();

    VevazovAzudAudioProcessor& getProcessor() noexcept { return processor; }
    AdmOscInbox& getInbox() noexcept { return inbox; }

    /** Points the sender at the settings' host and port in the settings' form, or stops sending. */
    void configureSending (const AdmOscSettings&);

    /** What sending does, for the options: empty while it is off. */
    juce::String describeSending() const { return sendingStatus; }

    /** Applies the received values, each inside its parameter's gesture, and takes the queries. */
    void applyReceived (double nowMs);

    /** Ends the gestures that have been quiet long enough. */
    void endQuietGestures (double nowMs);

    /** Ends every open gesture. */
    void endAllGestures();

    /** Sends one waiting message when the object's turn has come. */
    void sendDue (double nowMs, juce::OSCSender& answers, int answerPort);

    /** The message that tells a property's current value: /adm/obj/{n}/{kind} with
        its values, the property spelled as given or by its own name.
    */
    juce::OSCMessage messageFor (AdmOsc::Kind, const char* property = nullptr) const;

private:
    struct Sent
    {
        std::optional<AdmOsc::Polar> position;
        std::optional<AdmOsc::Polar> cartesianPosition;
        std::optional<float> width;
        std::optional<float> gain;
        std::optional<juce::String> name;
        bool maximumDistance = false;
    };

    std::optional<AdmOsc::Kind> nextUpdate() const;
    bool isWaiting (AdmOsc::Kind) const;
    void markSent (AdmOsc::Kind);
    AdmOsc::Polar currentPosition() const;
    float currentParameter (int index) const;
    juce::String currentName() const;

    VevazovAzudAudioProcessor& processor;
    AdmOscInbox inbox;

    std::unique_ptr<juce::DatagramSocket> sendSocket;
    juce::OSCSender sender;
    bool sending = false;
    juce::String sendingStatus;
    Sent sent;
    std::vector<AdmOsc::Kind> updates;
    size_t nextTurn = 0;

    std::deque<AdmOscInbox::Query> waitingAnswers;
    bool answeredLast = false;
    double nextSendTime = 0.0;

    std::array<bool, AdmOscInbox::numParameters> gestureOpen {};
    std::array<double, AdmOscInbox::numParameters> lastReceived {};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AdmOscObject)
};
