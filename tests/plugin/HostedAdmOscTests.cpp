#include "../support/HostSideProbes.h"
#include "../support/MessageLoop.h"
#include "../support/TestProcessors.h"

#include <gtest/gtest.h>

namespace
{
    bool isHeldByAnother (int port)
    {
        juce::DatagramSocket probe { false };
        return ! probe.bindToPort (port);
    }

    /** The loaded plug-in's own state with ADM-OSC sending to and receiving on one port, as a host restores it. */
    void restoreSendingToItsOwnPort (juce::AudioPluginInstance& plugin, int port)
    {
        HostedProcessor scratch;
        auto settings = scratch.getAdmOscSettings();
        settings.sendEnabled = settings.receiveEnabled = true;
        settings.sendPort = settings.receivePort = port;
        scratch.setAdmOscSettings (settings);
        juce::MemoryBlock chunk, hostState;
        scratch.getStateInformation (chunk);

        plugin.getStateInformation (hostState);
        auto document = juce::AudioProcessor::getXmlFromBinary (hostState.getData(), static_cast<int> (hostState.getSize()));
        ASSERT_NE (document, nullptr);
        auto* component = document->getChildByName ("IComponent");
        ASSERT_NE (component, nullptr);
        component->deleteAllTextElements();
        component->addTextElement (chunk.toBase64Encoding());
        juce::AudioProcessor::copyXmlToBinary (*document, hostState);
        plugin.setStateInformation (hostState.getData(), static_cast<int> (hostState.getSize()));
    }
} // namespace

// A host automating Azimuth, a value every millisecond, while the instance sends
// its position to the very port it receives on (both defaults, once switched on).
TEST (HostedAdmOsc, anInstanceHearingItselfTouchesNothingButAnotherSendersMoveIsOneGesture)
{
    juce::VST3PluginFormat format;
    juce::OwnedArray<juce::PluginDescription> found;
    format.findAllTypesForFile (found, VELORIN_VST3_BUNDLE);
    ASSERT_FALSE (found.isEmpty());
    juce::String error;
    auto plugin = format.createInstanceFromDescription (*found.getFirst(), 48000.0, 512, error);
    ASSERT_NE (plugin, nullptr) << error;

    juce::DatagramSocket probe { false };
    ASSERT_TRUE (probe.bindToPort (0));
    const auto port = probe.getBoundPort();
    probe.shutdown();
    restoreSendingToItsOwnPort (*plugin, port);
    ASSERT_TRUE (pumpMessagesUntil ([&]
                                    { return isHeldByAnother (port); }));

    auto* azimuth = plugin->getParameters()[0];
    ASSERT_EQ (azimuth->getName (64), "Azimuth");
    const HeardByTheHost host (*plugin);
    juce::OSCSender other;
    ASSERT_TRUE (other.connect ("127.0.0.1", port));

    const auto automate = [&] (int steps)
    {
        for (auto i = 0; i < steps; ++i)
        {
            azimuth->setValue (static_cast<float> (i) / static_cast<float> (steps));
            pumpMessages (1);
        }
    };

    automate (1500);
    EXPECT_TRUE (host.calls().empty()) << "no gesture and no value for the host: " << host.calls().size() << " calls";

    other.send (juce::OSCMessage ("/adm/obj/1/azim", 30.0f));
    automate (500);
    const auto calls = host.calls();
    EXPECT_EQ (std::count (calls.begin(), calls.end(), "begin 0"), 1);
    EXPECT_EQ (std::count (calls.begin(), calls.end(), "end 0"), 1);
    EXPECT_EQ (calls.size(), std::count (calls.begin(), calls.end(), "set 0") + 2u) << "only Azimuth, only the other sender's move";
}
