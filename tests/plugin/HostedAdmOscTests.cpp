#include "../support/HostSideProbes.h"
#include "../support/MessageLoop.h"
#include "../support/TestProcessors.h"

#include <gtest/gtest.h>
#include <juce_osc/juce_osc.h>

// A host automating Azimuth, a value every millisecond, while the instance sends
// its position to the very port it receives on (both defaults, once switched on).
TEST (HostedAdmOsc, anInstanceHearingItselfTouchesNothingButAnotherSendersMoveIsOneGesture)
{
    juce::VST3PluginFormat format;
    juce::OwnedArray<juce::PluginDescription> found;
    format.findAllTypesForFile (found, VELORIN_VST3_BUNDLE);
    juce::String error;
    auto plugin = found.isEmpty() ? nullptr : format.createInstanceFromDescription (*found.getFirst(), 48000.0, 512, error);
    ASSERT_NE (plugin, nullptr) << error;

    // The plug-in's own state with both directions on one free port, inside the host's document.
    juce::DatagramSocket probe { false };
    ASSERT_TRUE (probe.bindToPort (0));
    const auto port = probe.getBoundPort();
    probe.shutdown();
    HostedProcessor scratch;
    auto settings = scratch.getAdmOscSettings();
    settings.sendEnabled = settings.receiveEnabled = true;
    settings.sendPort = settings.receivePort = port;
    scratch.setAdmOscSettings (settings);
    juce::MemoryBlock chunk, hostState;
    scratch.getStateInformation (chunk);
    plugin->getStateInformation (hostState);
    auto document = juce::AudioProcessor::getXmlFromBinary (hostState.getData(), static_cast<int> (hostState.getSize()));
    auto* component = document != nullptr ? document->getChildByName ("IComponent") : nullptr;
    ASSERT_NE (component, nullptr);
    component->deleteAllTextElements();
    component->addTextElement (chunk.toBase64Encoding());
    juce::AudioProcessor::copyXmlToBinary (*document, hostState);
    plugin->setStateInformation (hostState.getData(), static_cast<int> (hostState.getSize()));
    ASSERT_TRUE (pumpMessagesUntil ([&]
                                    { return ! juce::DatagramSocket (false).bindToPort (port); }))
        << "the instance listens";
    auto* azimuth = plugin->getParameters()[0];
    ASSERT_EQ (azimuth->getName (64), "Azimuth");
    const HeardByTheHost host (*plugin);
    juce::OSCSender other;
    ASSERT_TRUE (other.connect ("127.0.0.1", port));

    for (auto i = 0; i < 2000; ++i)
    {
        if (i == 1500)
        {
            EXPECT_TRUE (host.calls().empty()) << host.calls().size() << " calls: the host would record over its own automation";
            other.send (juce::OSCMessage ("/adm/obj/1/azim", 30.0f));
        }

        azimuth->setValue (static_cast<float> (i % 1500) / 1500.0f);
        pumpMessages (1);
    }
    auto calls = host.calls();
    calls.erase (std::remove (calls.begin(), calls.end(), "set 0"), calls.end());
    EXPECT_EQ (calls, (std::vector<std::string> { "begin 0", "end 0" })) << "one gesture, on Azimuth, for the other sender's move";
}
