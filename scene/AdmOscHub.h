#pragma once

#include "AdmOscObject.h"
#include "AdmOscPort.h"

#include <map>

/** The process's ADM-OSC: one object per instance that sends or receives, one
    port per receiving port number, shared by the instances that listen there, and
    the message-thread work that applies received values and sends.

    Nothing here waits on a socket: ports open on their own threads, and a port no
    instance listens on any more is let go at once and finished in the background.
    Settings changed on another thread (a host restoring a session) are taken up on
    the message thread, and the caller returns at once.

    Received values reach the message thread at once, through one pending update
    however many packets arrive; a 10 ms timer sends what is due and ends quiet
    gestures.
*/
class AdmOscHub : private juce::Timer,
                  private juce::AsyncUpdater
{
public:
    static constexpr int tickMs = 10;

    /** Answers to queries go to the asker's address at this port. */
    explicit AdmOscHub (int answerPort = AdmOsc::replyPort);
    ~AdmOscHub() override;

    /** The instance's settings changed: it starts, moves or stops sending and
        receiving, at once on the message thread, soon after from any other.
    */
    void settingsChanged (VevazovAzudAudioProcessor&);

    /** The instance is going: it stops at once. */
    void forget (VevazovAzudAudioProcessor&);

    /** One line per direction in use ("receiving object 3 on port 4001", "port 4001 in use"). */
    juce::String describe (VevazovAzudAudioProcessor&) const;

private:
    void timerCallback() override;
    void handleAsyncUpdate() override;

    void apply (VevazovAzudAudioProcessor&, const AdmOscSettings&);
    void applyWaitingSettings();
    void leavePort (AdmOscObject&);
    void joinPort (AdmOscObject&, int portNumber);
    AdmOscPort& portFor (int portNumber);
    void closeUnusedPorts();

    const int answerPort;
    juce::OSCSender answers;
    bool answersOpen = false;
    std::map<VevazovAzudAudioProcessor*, std::unique_ptr<AdmOscObject>> objects;
    std::map<AdmOscObject*, int> listeningOn;
    std::map<int, std::unique_ptr<AdmOscPort>> ports;

    std::mutex waitingLock;
    std::map<VevazovAzudAudioProcessor*, AdmOscSettings> waitingSettings;

    // Finishes the ports let go; made when the first one is.
    std::unique_ptr<juce::ThreadPool> closer;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AdmOscHub)
};
