#include <editor/VevazovAzudAudioProcessorEditor.h>
#include <plugin/lv2/Lv2EditorBridge.h>
#include <plugin/lv2/Lv2ParameterPorts.h>
#include <plugin/lv2/Lv2Turtle.h>
#include <processor/ParameterUnits.h>
#include <processor/VevazovAzudAudioProcessor.h>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <thread>

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    constexpr std::array<float, 6> defaults { 0.5f, 0.5f, 0.25f, 0.0f, 0.9f, 1.0f };

    // The ports' defaults: degrees, degrees, metres, percent, decibels, shown.
    constexpr std::array<float, 6> portDefaults { 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 1.0f };

    /** The host's side of the six ports: the floats it connects and writes. */
    struct HostPorts
    {
        explicit HostPorts (Lv2ParameterPorts& portsToConnect)
        {
            values = portDefaults;

            for (auto index = 0; index < 6; ++index)
                portsToConnect.connect (index, &values[static_cast<size_t> (index)]);
        }

        std::array<float, 6> values {};
    };

    /** A processor, the layer's ports for it, and a host's six floats connected to them. */
    class Lv2ParameterPortsTest : public ::testing::Test
    {
    protected:
        std::array<float, 6> processorValues()
        {
            std::array<float, 6> result {};

            for (auto index = 0; index < 6; ++index)
                result[static_cast<size_t> (index)] = processor.getParameterValue (index);

            return result;
        }

        Processor processor { juce::PluginHostType::UnknownHost };
        Lv2ParameterPorts ports { processor };
        HostPorts host { ports };
    };
} // namespace

//==============================================================================
TEST_F (Lv2ParameterPortsTest, aValueTheHostWritesReachesTheProcessorAtTheNextRunOnly)
{
    host.values[0] = 45.0f;
    host.values[4] = -2.5f;
    EXPECT_EQ (processorValues(), defaults);

    ports.applyHostValues();
    EXPECT_EQ (processorValues(), (std::array<float, 6> { 0.625f, 0.5f, 0.25f, 0.0f, 0.875f, 1.0f }));
}

TEST_F (Lv2ParameterPortsTest, aPortTheHostLeftAloneKeepsWhatThePlugInSetItself)
{
    ports.applyHostValues();

    // The editor, the scene or ADM-OSC moved the source; the host's ports did not change.
    processor.setParameter (0, 0.1f);
    processor.setParameter (2, 0.7f);
    ports.applyHostValues();
    EXPECT_EQ (processor.getParameterValue (0), 0.1f);
    EXPECT_EQ (processor.getParameterValue (2), 0.7f);

    // The host's next change of one port wins for that parameter only.
    host.values[0] = -72.0f;
    ports.applyHostValues();
    EXPECT_EQ (processor.getParameterValue (0), 0.3f);
    EXPECT_EQ (processor.getParameterValue (2), 0.7f);
}

TEST_F (Lv2ParameterPortsTest, unconnectedPortsAndValuesThatAreNotNumbersChangeNothing)
{
    host.values[0] = std::numeric_limits<float>::quiet_NaN();
    host.values[4] = std::numeric_limits<float>::infinity();
    host.values[1] = 45.0f;
    ports.connect (1, nullptr);
    ports.connect (6, &host.values[2]);
    ports.connect (-1, &host.values[2]);
    ports.applyHostValues();

    EXPECT_EQ (processorValues(), defaults);

    // Values outside the declared range are the host's to send and are kept, as every format keeps them.
    host.values[4] = 60.0f;
    ports.applyHostValues();
    EXPECT_EQ (processor.getParameterValue (4), 1.5f);
}

TEST_F (Lv2ParameterPortsTest, afterARestoreTheFirstRunPlaysWhatTheHostShows)
{
    // The restored state and the host's record disagree: the scene moved the source
    // while the editor was closed, and the host never knew. The host's port for
    // Azimuth holds what it showed all along, the default; its port for Width was
    // put back only after the state, as hosts do, and holds what it saved.
    processor.setParameter (0, 0.2f);
    processor.setParameter (3, 0.1f);
    ports.stateRestored();
    host.values[3] = 60.0f;

    ports.applyHostValues();
    EXPECT_EQ (processorValues(), (std::array<float, 6> { 0.5f, 0.5f, 0.25f, 0.6f, 0.9f, 1.0f }));

    // From then on only changes count again.
    processor.setParameter (1, 0.7f);
    ports.applyHostValues();
    EXPECT_EQ (processor.getParameterValue (1), 0.7f);
}

TEST (Lv2ParameterPorts, aPortConnectedOnlyAfterARestoreSetsItsParameterAtTheFirstRunItIsConnectedFor)
{
    Processor processor (juce::PluginHostType::UnknownHost);
    Lv2ParameterPorts ports (processor);
    std::array<float, 6> host = portDefaults;

    processor.setParameter (1, 0.3f);
    ports.stateRestored();
    ports.applyHostValues();
    EXPECT_EQ (processor.getParameterValue (1), 0.3f);

    for (auto index = 0; index < 6; ++index)
        ports.connect (index, &host[static_cast<size_t> (index)]);

    ports.applyHostValues();
    EXPECT_EQ (processor.getParameterValue (1), 0.5f);
}

//==============================================================================
namespace
{
    /** What the bridge told the host, in order. */
    struct ToldHost
    {
        Lv2EditorBridge::HostInterface interface (bool withTouch)
        {
            Lv2EditorBridge::HostInterface host;
            host.writeValue = [this] (std::uint32_t port, float value)
            { calls.push_back ("write " + std::to_string (port) + " " + juce::String (value).toStdString()); };

            if (withTouch)
                host.touch = [this] (std::uint32_t port, bool grabbed)
                { calls.push_back ((grabbed ? "grab " : "release ") + std::to_string (port)); };

            return host;
        }

        std::vector<std::string> calls;
    };

    constexpr std::uint32_t firstParameterPort = 17;

    JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

    /** A drag in the editor, the pads or the scene, as they set parameters. */
    void drag (Processor& processor, int index, std::initializer_list<float> values)
    {
        processor.beginParameterChangeGesture (index);

        for (auto value : values)
            processor.setParameterNotifyingHost (index, value);

        processor.endParameterChangeGesture (index);
    }

    JUCE_END_IGNORE_WARNINGS_GCC_LIKE
} // namespace

TEST (Lv2EditorBridge, aDragInThePlugInIsWrittenToTheParametersPortBetweenTouches)
{
    Processor processor (juce::PluginHostType::UnknownHost);
    ToldHost host;
    const Lv2EditorBridge bridge (processor, firstParameterPort, host.interface (true));

    drag (processor, 1, { 0.6f, 0.75f });
    drag (processor, 5, { 0.0f });

    EXPECT_EQ (host.calls, (std::vector<std::string> { "grab 18", "write 18 18", "write 18 45", "release 18", "grab 22", "write 22 0", "release 22" }));
}

TEST (Lv2EditorBridge, withoutTouchNoticesOnlyTheValuesAreWritten)
{
    Processor processor (juce::PluginHostType::UnknownHost);
    ToldHost host;
    const Lv2EditorBridge bridge (processor, firstParameterPort, host.interface (false));

    drag (processor, 0, { 0.25f });

    EXPECT_EQ (host.calls, (std::vector<std::string> { "write 17 -90" }));
}

TEST (Lv2EditorBridge, changesNotifiedOffTheMessageThreadOrAfterTheEditorClosedAreNotPassedOn)
{
    Processor processor (juce::PluginHostType::UnknownHost);
    ToldHost host;

    {
        const Lv2EditorBridge bridge (processor, firstParameterPort, host.interface (true));

        // A host's own change handed in on its audio thread is the host's already.
        std::thread audio ([&]
                           { drag (processor, 2, { 0.5f }); });
        audio.join();
        EXPECT_TRUE (host.calls.empty());
    }

    drag (processor, 2, { 0.75f });
    EXPECT_TRUE (host.calls.empty());
}

//==============================================================================
namespace
{
    /** The framework's description of the plug-in, as it lays it out: the
        parameters as patch properties, then the plug-in with its ports.
    */
    juce::String frameworkDescription (int numProperties = 6, int lastPort = 16)
    {
        juce::String text = "@prefix lv2:   <http://lv2plug.in/ns/lv2core#> .\n"
                            "@prefix plug:  <https://www.korvanne.example/plugins/velorin:> .\n\n";

        for (auto index = 0; index < numProperties; ++index)
            text << "plug:P" << index << "\n\ta lv2:Parameter ;\n\trdfs:label \"P" << index << "\" ;\n"
                 << "\tlv2:default 0.5 ;\n\tlv2:minimum 0.0 ;\n\tlv2:maximum 1.0 .\n\n";

        text << "plug:input_group_1\n\ta pg:InputGroup ;\n\tlv2:symbol \"input_group_1\" .\n\n"
             << "<https://www.korvanne.example/plugins/velorin>\n\ta lv2:Plugin ;\n"
             << "\tpatch:writable\n\t\tplug:P0 ,\n\t\tplug:P1 ;\n"
             << "\tpatch:readable\n\t\tplug:P0 ,\n\t\tplug:P1 ;\n"
             << "\tlv2:port [\n";

        for (auto port = 0; port <= lastPort; ++port)
            text << (port == 0 ? "" : "\t] , [\n") << "\t\ta lv2:InputPort , lv2:AudioPort ;\n\t\tlv2:index " << port << " ;\n";

        return text + "\t] ;\n\topts:supportedOption\n\t\tbufs:maxBlockLength .\n";
    }
} // namespace

// What the layer writes into the built bundle is read back by the framework's LV2
// host in the hosted tests (names, defaults, order); here, what it refuses.
TEST (Lv2Turtle, aDescriptionNotLaidOutAsExpectedGivesNothing)
{
    Processor processor (juce::PluginHostType::UnknownHost);

    EXPECT_TRUE (Lv2Turtle::withParameterPorts (frameworkDescription (5), processor, 17).isEmpty());
    EXPECT_TRUE (Lv2Turtle::withParameterPorts (frameworkDescription (6, 17), processor, 17).isEmpty());
    EXPECT_TRUE (Lv2Turtle::withParameterPorts (frameworkDescription (6, 15), processor, 17).isEmpty());
    EXPECT_TRUE (Lv2Turtle::withParameterPorts (frameworkDescription().replace ("opts:supportedOption", "opts:other"), processor, 17).isEmpty());
    EXPECT_TRUE (Lv2Turtle::withParameterPorts (frameworkDescription().replace ("\tpatch:writable", "\tpatch:other"), processor, 17).isEmpty());
    EXPECT_FALSE (Lv2Turtle::withParameterPorts (frameworkDescription(), processor, 17).isEmpty());
}

//==============================================================================
TEST (Lv2ParameterPorts, aPortAndTheKnobShowingItAgreeToTheLastBitOverTheWholeRange)
{
    // Every value of every knob: the editor sets it, the host is told it in the port,
    // and the port read back gives the parameter the very value the knob gave it.
    Processor processor (juce::PluginHostType::UnknownHost);
    Lv2ParameterPorts ports (processor);
    HostPorts host (ports);
    Lv2EditorBridge::HostInterface hostInterface;
    hostInterface.writeValue = [&] (std::uint32_t port, float value)
    { host.values[port - firstParameterPort] = value; };
    const Lv2EditorBridge bridge (processor, firstParameterPort, hostInterface);
    VevazovAzudAudioProcessorEditor editor (processor);

    for (const auto& [name, index] : { std::pair { "sliderAzi", 0 }, { "sliderEle", 1 }, { "sliderDist", 2 }, { "sliderWidth", 3 }, { "sliderGain", 4 } })
    {
        const auto& children = editor.getChildren();
        auto& slider = dynamic_cast<juce::Slider&> (**std::find_if (children.begin(), children.end(), [wanted = juce::String (name)] (auto* child)
                                                                    { return child->getName() == wanted; }));
        const auto steps = juce::roundToInt ((slider.getMaximum() - slider.getMinimum()) / slider.getInterval());

        for (auto step = 0; step <= steps; ++step)
        {
            slider.setValue (step == 0 ? slider.getMaximum() : slider.getMinimum(), juce::dontSendNotification);
            slider.setValue (slider.getMinimum() + step * slider.getInterval(), juce::sendNotificationSync);
            const auto fromKnob = processor.getParameterValue (index);
            ASSERT_EQ (host.values[(size_t) index], static_cast<float> (slider.getValue())) << name;

            processor.setParameter (index, -1.0f);
            ports.stateRestored();
            ports.applyHostValues();
            ASSERT_EQ (processor.getParameterValue (index), fromKnob) << name << " at " << slider.getValue();
        }
    }

    // Between the knobs' steps, as the pads and the scene set them, a port value
    // reads back as the normalised value, or where the port's float is coarser than
    // the normalised one, as the value of the nearest port float.
    for (auto index = 0; index < 5; ++index)
    {
        for (auto k = 0; k <= 200000; ++k)
        {
            const auto value = static_cast<float> (k) / 200000.0f;
            const auto port = Lv2ParameterPorts::portValue (index, value);
            const auto back = Lv2ParameterPorts::normalisedValue (index, port);
            const auto portStep = static_cast<double> (std::nextafter (std::abs (port), 1.0e9f) - std::abs (port));
            ASSERT_TRUE (back == value || std::abs (ParameterUnits::toUnits (index, back) - ParameterUnits::toUnits (index, value)) <= portStep) << index << " " << value;
        }
    }
}

TEST_F (Lv2ParameterPortsTest, aSessionSavedWithNormalisedPortsPlaysAsSavedUntilTheHostChangesAPort)
{
    // Saved while the ports were normalised: 45 degrees is 0.625 there.
    host.values = { 0.625f, 0.375f, 0.125f, 0.75f, 0.875f, 0.0f };
    ports.stateRestored (Lv2ParameterPorts::SavedPorts::normalised);
    EXPECT_FALSE (ports.hostShowsNormalisedValues());

    ports.applyHostValues();
    EXPECT_EQ (processorValues(), host.values);
    EXPECT_TRUE (ports.hostShowsNormalisedValues());

    host.values[0] = -90.0f;
    ports.applyHostValues();
    EXPECT_EQ (processor.getParameterValue (0), 0.25f);

    // The editor tells such a host every value in units; its echo changes nothing.
    ToldHost told;
    Lv2EditorBridge bridge (processor, firstParameterPort, told.interface (false));
    bridge.tellHostEveryValue();
    EXPECT_EQ (told.calls, (std::vector<std::string> { "write 17 -90", "write 18 -22.5", "write 19 0.5", "write 20 75", "write 21 -2.5", "write 22 0" }));

    host.values = { -90.0f, -22.5f, 0.5f, 75.0f, -2.5f, 0.0f };
    ports.applyHostValues();
    EXPECT_EQ (processorValues(), (std::array<float, 6> { 0.25f, 0.375f, 0.125f, 0.75f, 0.875f, 0.0f }));
}
