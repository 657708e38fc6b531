#include "../editor/ComponentProbes.h"
#include "../support/MessageLoop.h"
#include "../support/TestProcessors.h"

#include <scene/AdmOscHub.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <thread>

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

// Real UDP on the loopback interface, with liblo's command-line tools as the
// other side: oscsend speaks to the instances, oscdump shows what they say.
namespace
{
    using Processor = VevazovAzudAudioProcessor;
    using Strings = std::vector<std::string>;

    bool hasLibloTools()
    {
        return std::system ("command -v oscsend >/dev/null 2>&1 && command -v oscdump >/dev/null 2>&1") == 0;
    }

    /** A port nobody uses right now, from the system's ephemeral range. */
    int freePort()
    {
        juce::DatagramSocket probe { false };
        probe.bindToPort (0);
        return probe.getBoundPort();
    }

    /** oscsend 127.0.0.1 port address [types values...] */
    void oscsend (int port, const juce::String& address, const juce::String& types = {}, const juce::StringArray& values = {})
    {
        juce::StringArray command { "oscsend", "127.0.0.1", juce::String (port), address };

        if (types.isNotEmpty())
            command.add (types);

        command.addArray (values);
        juce::ChildProcess tool;
        ASSERT_TRUE (tool.start (command));
        tool.waitForProcessToFinish (5000);
    }

    /** oscdump listening on a port, its lines kept in a file; ready once it has shown a first message. */
    class OscDump
    {
    public:
        explicit OscDump (int port)
        {
            file.deleteFile();
            process.start (juce::StringArray { "sh", "-c", "exec oscdump -L " + juce::String (port) + " > '" + file.getFullPathName() + "' 2>&1" });
            juce::OSCSender ping;
            ping.connect ("127.0.0.1", port);

            for (auto attempt = 0; attempt < 250 && ! file.loadFileAsString().contains (readyAddress); ++attempt)
            {
                ping.send (juce::OSCMessage (readyAddress));
                juce::Thread::sleep (20);
            }
        }

        ~OscDump()
        {
            process.kill();
            file.deleteFile();
        }

        /** Every message shown so far, without its time tag: "/adm/obj/1/aed fff 90.000000 ...". */
        Strings messages() const
        {
            Strings lines;

            for (const auto& line : juce::StringArray::fromLines (file.loadFileAsString()))
                if (line.containsChar ('/') && ! line.contains (readyAddress))
                    lines.push_back (line.fromFirstOccurrenceOf (" ", false, false).trim().toStdString());

            return lines;
        }

        std::vector<std::vector<std::string>> messagesTo (const juce::String& address) const
        {
            std::vector<std::vector<std::string>> found;

            for (const auto& message : messages())
            {
                juce::StringArray tokens;
                tokens.addTokens (juce::String (message), " ", "\"");

                if (tokens[0] == address)
                {
                    std::vector<std::string> fields;

                    for (const auto& token : tokens)
                        fields.push_back (token.unquoted().toStdString());

                    found.push_back (fields);
                }
            }

            return found;
        }

        bool waitFor (const juce::String& address, int timeoutMs = 3000) const
        {
            return pumpMessagesUntil ([&]
                                      { return ! messagesTo (address).empty(); },
                                      timeoutMs);
        }

    private:
        static constexpr auto readyAddress = "/velorin/test/ready";
        juce::File file = juce::File::createTempFile ("oscdump");
        juce::ChildProcess process;
    };

    /** The process-wide services with only the ADM-OSC hub, answering on a test's port. */
    struct AdmOscServices : ProcessWideServices
    {
        explicit AdmOscServices (int answerPort) : hub (answerPort) {}

        std::unique_ptr<SharedReference> acquireLookAndFeel() override { return {}; }
        void registerInstance (VevazovAzudAudioProcessor&) override {}
        void unregisterInstance (VevazovAzudAudioProcessor& processor) override { hub.forget (processor); }
        void ensureSceneWindow() override {}
        bool toggleSceneWindowVisibility() override { return false; }
        void admOscSettingsChanged (VevazovAzudAudioProcessor& processor) override { hub.settingsChanged (processor); }
        juce::String describeAdmOsc (VevazovAzudAudioProcessor& processor) override { return hub.describe (processor); }

        AdmOscHub hub;
    };

    struct AdmOscHubTest : testing::Test
    {
        void SetUp() override
        {
            if (! hasLibloTools())
                GTEST_SKIP() << "oscsend and oscdump (Debian's liblo-tools) are not installed";
        }

        /** Once the port is open: it opens on its own thread. */
        void receive (Processor& processor, int object, int portNumber)
        {
            auto settings = processor.getAdmOscSettings();
            settings.objectNumber = object;
            settings.receiveEnabled = true;
            settings.receivePort = portNumber;
            processor.setAdmOscSettings (settings);
            pumpMessagesUntil ([&]
                               { return ! services.describeAdmOsc (processor).startsWith ("opening"); });
        }

        static void send (Processor& processor, int object, int port, const juce::String& host = "127.0.0.1")
        {
            auto settings = processor.getAdmOscSettings();
            settings.objectNumber = object;
            settings.sendEnabled = true;
            settings.sendHost = host;
            settings.sendPort = port;
            processor.setAdmOscSettings (settings);
        }

        static bool becomes (Processor& processor, int index, float value)
        {
            return pumpMessagesUntil ([&]
                                      { return std::abs (processor.getParameter (index) - value) < 1.0e-4f; },
                                      3000);
        }

        const int port = freePort();
        const int answerPort = freePort();
        AdmOscServices services { answerPort };
        const ScopedProcessWideServices installed { services };
    };

    /** A string literal's bytes, zeros included. */
    template <size_t size>
    std::string bytes (const char (&text)[size])
    {
        return std::string (text, size - 1);
    }

    struct Case
    {
        const char* property;
        const char* types;
        juce::StringArray values;
        int parameter;
        float expected;
    };
} // namespace

TEST_F (AdmOscHubTest, positionsFromOscsendBecomeParametersInsideGestures)
{
    HostedProcessor processor;
    receive (processor, 3, port);
    HostRecorder host (processor);

    oscsend (port, "/adm/obj/3/aed", "fff", { "30", "-45", "0.5" });

    ASSERT_TRUE (becomes (processor, Processor::azimuthIndex, 0.5f - 30.0f / 360.0f)) << "30 degrees to the left";
    EXPECT_NEAR (processor.getParameter (Processor::elevationIndex), 0.25f, 1.0e-6f);
    EXPECT_NEAR (processor.getParameter (Processor::distanceIndex), 0.5f, 1.0e-6f) << "2 m";
    EXPECT_EQ (Strings (host.calls.begin(), host.calls.begin() + 6), (Strings { "begin 0", "set 0", "begin 1", "set 1", "begin 2", "set 2" }));

    ASSERT_TRUE (pumpMessagesUntil ([&]
                                    { return host.calls.size() == 9; }));
    EXPECT_EQ (Strings (host.calls.begin() + 6, host.calls.end()), (Strings { "end 0", "end 1", "end 2" })) << "after a quiet time";
}

TEST_F (AdmOscHubTest, everyPropertyIsConvertedAndClampedIntoItsParameter)
{
    HostedProcessor processor;
    receive (processor, 1, port);
    const auto elevationOfCorner = 0.5f + juce::radiansToDegrees (std::asin (1.0f / std::sqrt (3.0f))) / 180.0f;

    const Case cases[] {
        { "azim", "f", { "90" }, Processor::azimuthIndex, 0.25f }, // left
        { "azim", "i", { "-90" }, Processor::azimuthIndex, 0.75f }, // right, as an int
        { "azim", "f", { "270" }, Processor::azimuthIndex, 0.75f }, // wraps round to -90
        { "elev", "f", { "120" }, Processor::elevationIndex, 1.0f }, // clamped to straight up
        { "elev", "f", { "-45" }, Processor::elevationIndex, 0.25f },
        { "dist", "f", { "2.5" }, Processor::distanceIndex, 1.0f },
        { "dist", "f", { "-1" }, Processor::distanceIndex, 0.0f },
        { "w", "f", { "0.3" }, Processor::widthIndex, 0.3f },
        { "w", "f", { "3" }, Processor::widthIndex, 1.0f },
        { "gain", "f", { "1" }, Processor::gainIndex, 0.9f }, // 0 dB
        { "gain", "f", { "0.1" }, Processor::gainIndex, 0.7f }, // -20 dB
        { "gain", "f", { "1000" }, Processor::gainIndex, 1.0f }, // +10 dB at most
        { "gain", "f", { "0" }, Processor::gainIndex, 0.0f }, // -90 dB, the least
        { "xyz", "fff", { "1", "0", "0" }, Processor::azimuthIndex, 0.75f },
        { "xyz", "fff", { "0", "-1", "0" }, Processor::azimuthIndex, 1.0f },
        { "xyz", "fff", { "1", "1", "1" }, Processor::elevationIndex, elevationOfCorner },
        { "xyz", "fff", { "0", "0.5", "0" }, Processor::distanceIndex, 0.5f },
        { "x", "f", { "-0.5" }, Processor::azimuthIndex, 0.5f - 45.0f / 360.0f }, // from (0, 0.5, 0)
        { "z", "f", { "0.5" }, Processor::elevationIndex, 0.5f + 35.264389f / 180.0f },
        { "y", "f", { "0" }, Processor::distanceIndex, std::sqrt (0.5f) },
    };

    for (const auto& c : cases)
    {
        oscsend (port, "/adm/obj/1/" + juce::String (c.property), c.types, c.values);
        EXPECT_TRUE (becomes (processor, c.parameter, c.expected))
            << c.property << " " << c.values.joinIntoString (" ") << " gave " << processor.getParameter (c.parameter);
    }

    EXPECT_NEAR (processor.getParameter (Processor::distanceIndex), std::sqrt (0.5f), 1.0e-5f) << "y alone kept x and z";
}

TEST_F (AdmOscHubTest, aMovedSourceIsSentAsOnePackedPositionWithTheConventionsMapped)
{
    OscDump dump (port);
    HostedProcessor processor;
    processor.setWidgetLabel ("Strings");
    send (processor, 7, port);

    ASSERT_TRUE (dump.waitFor ("/adm/obj/7/aed"));
    ASSERT_TRUE (dump.waitFor ("/adm/obj/7/dmax"));
    EXPECT_EQ (dump.messagesTo ("/adm/obj/7/aed").front(), (Strings { "/adm/obj/7/aed", "fff", "-0.000000", "0.000000", "0.250000" }));
    EXPECT_EQ (dump.messagesTo ("/adm/obj/7/w").front(), (Strings { "/adm/obj/7/w", "f", "0.000000" }));
    EXPECT_EQ (dump.messagesTo ("/adm/obj/7/gain").front(), (Strings { "/adm/obj/7/gain", "f", "1.000000" }));
    EXPECT_EQ (dump.messagesTo ("/adm/obj/7/name").front(), (Strings { "/adm/obj/7/name", "s", "Strings" }));
    EXPECT_EQ (dump.messagesTo ("/adm/obj/7/dmax").front(), (Strings { "/adm/obj/7/dmax", "f", "4.000000" }));

    // A quarter turn to the right in the instance is -90 degrees in ADM-OSC.
    processor.setParameter (Processor::azimuthIndex, 0.75f);
    processor.setParameter (Processor::elevationIndex, 0.75f);
    processor.setParameter (Processor::distanceIndex, 1.0f);
    processor.setParameter (Processor::gainIndex, 0.7f);

    ASSERT_TRUE (pumpMessagesUntil ([&]
                                    { return dump.messagesTo ("/adm/obj/7/aed").size() == 2 && dump.messagesTo ("/adm/obj/7/gain").size() == 2; }));
    EXPECT_EQ (dump.messagesTo ("/adm/obj/7/aed").back(), (Strings { "/adm/obj/7/aed", "fff", "-90.000000", "45.000000", "1.000000" }));
    EXPECT_EQ (dump.messagesTo ("/adm/obj/7/gain").back(), (Strings { "/adm/obj/7/gain", "f", "0.100000" })) << "-20 dB";
    pumpMessages (200);
    EXPECT_EQ (dump.messagesTo ("/adm/obj/7/w").size(), 1u) << "what did not change is not sent again";
}

TEST_F (AdmOscHubTest, noObjectSendsMoreThanFiftyMessagesASecond)
{
    OscDump dump (port);
    HostedProcessor processor;
    send (processor, 1, port);
    const auto start = juce::Time::getMillisecondCounterHiRes();

    // The source keeps moving and the gain keeps changing, faster than anything could be sent.
    while (juce::Time::getMillisecondCounterHiRes() - start < 1000.0)
    {
        const auto t = static_cast<float> (juce::Time::getMillisecondCounterHiRes() - start) / 1000.0f;
        processor.setParameter (Processor::azimuthIndex, t);
        processor.setParameter (Processor::gainIndex, 0.5f + 0.4f * t);
        pumpMessages (1);
    }

    pumpMessages (300);
    const auto positions = dump.messagesTo ("/adm/obj/1/aed").size();
    const auto gains = dump.messagesTo ("/adm/obj/1/gain").size();
    EXPECT_LE (dump.messages().size(), 52u) << "at most 50 a second, the first at once";
    EXPECT_GT (positions, 5u);
    EXPECT_GT (gains, 5u) << "position and gain take turns";
}

TEST_F (AdmOscHubTest, queriesAreAnsweredAtTheAnswerPortOfTheAsker)
{
    OscDump answers (answerPort);
    HostedProcessor first, second;
    first.setParameter (Processor::azimuthIndex, 0.25f);
    second.setWidgetLabel ("Voice");
    receive (first, 1, port);
    receive (second, 2, port);

    oscsend (port, "/adm/obj/1/aed");
    oscsend (port, "/adm/obj/2/name");
    oscsend (port, "/adm/obj/1/xyz");
    oscsend (port, "/adm/obj/*/dist");

    // Both spellings of dref and dmax are known; they and mute change nothing.
    for (const juce::String property : { "dref", "dRef", "dmax", "dMax", "mute" })
        oscsend (port, "/adm/obj/2/" + property, property == "mute" ? "i" : "f", { "1" }), oscsend (port, "/adm/obj/2/" + property);

    ASSERT_TRUE (answers.waitFor ("/adm/obj/2/dist"));
    ASSERT_TRUE (answers.waitFor ("/adm/obj/1/dist")) << "the wildcard asks both";
    ASSERT_TRUE (answers.waitFor ("/adm/obj/2/mute"));
    EXPECT_EQ (answers.messagesTo ("/adm/obj/2/dMax"), (std::vector<Strings> { { "/adm/obj/2/dMax", "f", "4.000000" } })) << "in the spelling asked";
    EXPECT_EQ (answers.messagesTo ("/adm/obj/2/mute"), (std::vector<Strings> { { "/adm/obj/2/mute", "i", "0" } })) << "never muted";
    EXPECT_TRUE (answers.messagesTo ("/adm/obj/2/dRef").empty()) << "no reference distance to tell";
    EXPECT_EQ (second.getParameter (Processor::distanceIndex), 0.25f);
    EXPECT_EQ (answers.messagesTo ("/adm/obj/1/aed"), (std::vector<Strings> { { "/adm/obj/1/aed", "fff", "90.000000", "0.000000", "0.250000" } }));
    EXPECT_EQ (answers.messagesTo ("/adm/obj/2/name"), (std::vector<Strings> { { "/adm/obj/2/name", "s", "Voice" } }));
    const auto xyz = answers.messagesTo ("/adm/obj/1/xyz");
    ASSERT_EQ (xyz.size(), 1u);
    EXPECT_EQ (xyz[0][2], "-0.250000") << "1 m to the left";
    EXPECT_NEAR (std::stof (xyz[0][3]), 0.0f, 1.0e-6f);
    EXPECT_NEAR (std::stof (xyz[0][4]), 0.0f, 1.0e-6f);
    EXPECT_EQ (first.getParameter (Processor::azimuthIndex), 0.25f) << "a query changes nothing";
}

TEST_F (AdmOscHubTest, twoInstancesOnOnePortTakeOnlyTheirOwnObject)
{
    HostedProcessor first, second;
    receive (first, 1, port);
    receive (second, 2, port);

    oscsend (port, "/adm/obj/2/azim", "f", { "-45" });
    ASSERT_TRUE (becomes (second, Processor::azimuthIndex, 0.625f));
    EXPECT_EQ (first.getParameter (Processor::azimuthIndex), 0.5f);

    oscsend (port, "/adm/obj/*/w", "f", { "0.5" });
    EXPECT_TRUE (becomes (first, Processor::widthIndex, 0.5f));
    EXPECT_TRUE (becomes (second, Processor::widthIndex, 0.5f));

    oscsend (port, "/adm/obj/{1,9}/elev", "f", { "90" });
    EXPECT_TRUE (becomes (first, Processor::elevationIndex, 1.0f));
    EXPECT_EQ (second.getParameter (Processor::elevationIndex), 0.5f);

    EXPECT_EQ (services.describeAdmOsc (second), "receiving object 2 on port " + juce::String (port));
}

TEST_F (AdmOscHubTest, aPortInUseIsReportedAndTakenOnceItIsFree)
{
    auto holder = std::make_unique<juce::DatagramSocket> (false);
    ASSERT_TRUE (holder->bindToPort (port));

    HostedProcessor processor;
    processor.prepare (2);
    receive (processor, 1, port);
    send (processor, 1, port, "not.a.host");
    pumpMessagesUntil ([&]
                       { return ! services.describeAdmOsc (processor).startsWith ("opening"); });
    EXPECT_EQ (services.describeAdmOsc (processor), "port " + juce::String (port) + " in use\nnot sending: \"not.a.host\" is not an IPv4 address");

    auto buffer = makeNoise (4, 512);
    processor.process (buffer);
    EXPECT_GT (processor.getLevelMeter (8), 0.0f) << "the instance keeps working";

    holder = nullptr;
    ASSERT_TRUE (pumpMessagesUntil ([&]
                                    { return services.describeAdmOsc (processor).startsWith ("receiving"); }));
    oscsend (port, "/adm/obj/1/dist", "f", { "0.75" });
    EXPECT_TRUE (becomes (processor, Processor::distanceIndex, 0.75f));
}

TEST_F (AdmOscHubTest, badInputLeavesEveryParameterFiniteAndTheNextGoodMessageStillArrives)
{
    HostedProcessor processor;
    receive (processor, 1, port);
    const auto before = processor.getParameter (Processor::azimuthIndex);

    juce::OSCSender sender;
    ASSERT_TRUE (sender.connect ("127.0.0.1", port));
    const auto nan = std::numeric_limits<float>::quiet_NaN();
    const auto inf = std::numeric_limits<float>::infinity();

    sender.send (juce::OSCMessage ("/adm/obj/1/azim", nan));
    sender.send (juce::OSCMessage ("/adm/obj/1/aed", 10.0f, inf, 0.5f));
    sender.send (juce::OSCMessage ("/adm/obj/1/gain", -inf));
    sender.send (juce::OSCMessage ("/adm/obj/1/azim", juce::String ("left")));
    sender.send (juce::OSCMessage ("/adm/obj/1/aed", 10.0f, 20.0f));
    sender.send (juce::OSCMessage ("/adm/obj/1/orbit", 10.0f));
    sender.send (juce::OSCMessage ("/adm/obj/one/azim", 10.0f));

    juce::DatagramSocket raw { false };
    const std::string garbage[] { bytes ("/adm/obj/1/azim\0,f"), bytes ("/adm\0\0\0\0,x\0\0\0\0\0\0"), bytes ("#bundle\0\0\0\0\0\0\0\0\0\0\0\0\x10/adm"), bytes ("\xff\xfe\x00\x01") };

    for (const auto& packet : garbage)
        raw.write ("127.0.0.1", port, packet.data(), static_cast<int> (packet.size()));

    // Packets that once crashed the framework's OSC reader (an address that is not UTF-8).
    for (const auto& file : juce::File (VELORIN_SOURCE_DIR "/tests/fuzz/admosc-regressions").findChildFiles (juce::File::findFiles, false))
    {
        juce::MemoryBlock packet;
        ASSERT_TRUE (file.loadFileAsData (packet));
        raw.write ("127.0.0.1", port, packet.getData(), static_cast<int> (packet.getSize()));
    }

    juce::Random random (42);

    for (auto i = 0; i < 200; ++i)
    {
        juce::MemoryBlock noise (static_cast<size_t> (random.nextInt (600) + 1));
        random.fillBitsRandomly (noise.getData(), noise.getSize());
        raw.write ("127.0.0.1", port, noise.getData(), static_cast<int> (noise.getSize()));
    }

    pumpMessages (300);
    EXPECT_EQ (processor.getParameter (Processor::azimuthIndex), before);

    for (auto index = 0; index < Processor::numParameters; ++index)
        EXPECT_TRUE (std::isfinite (processor.getParameter (index))) << index;

    sender.send (juce::OSCMessage ("/adm/obj/1/azim", 45.0f));
    EXPECT_TRUE (becomes (processor, Processor::azimuthIndex, 0.375f));
}

TEST_F (AdmOscHubTest, aFloodNeitherBlocksTheMessageThreadNorLosesTheLatestValue)
{
    HostedProcessor processor;
    receive (processor, 1, port);
    std::atomic<bool> done { false };

    // 100 000 packets in about a second, the last one telling where the source ends.
    std::thread flood ([&]
                       {
                           juce::OSCSender sender;
                           sender.connect ("127.0.0.1", port);
                           const auto start = juce::Time::getMillisecondCounterHiRes();

                           for (auto i = 0; i < 100000; ++i)
                           {
                               sender.send (juce::OSCMessage ("/adm/obj/1/azim", static_cast<float> (i % 90)));

                               if (i % 1000 == 999)
                                   while (juce::Time::getMillisecondCounterHiRes() - start < i / 100.0)
                                       juce::Thread::sleep (1);
                           }

                           sender.send (juce::OSCMessage ("/adm/obj/1/azim", -60.0f));
                           done = true; });

    auto longestPumpMs = 0.0;

    while (! done)
    {
        const auto start = juce::Time::getMillisecondCounterHiRes();
        pumpMessages (5);
        longestPumpMs = std::max (longestPumpMs, juce::Time::getMillisecondCounterHiRes() - start);
    }

    flood.join();
    EXPECT_LT (longestPumpMs, 200.0) << "the message thread keeps up";

    // UDP may drop packets under a flood; the last one is sent again until it arrives.
    juce::OSCSender last;
    last.connect ("127.0.0.1", port);
    EXPECT_TRUE (pumpMessagesUntil ([&]
                                    {
                                        last.send (juce::OSCMessage ("/adm/obj/1/azim", -60.0f));
                                        pumpMessages (20);
                                        return std::abs (processor.getParameter (Processor::azimuthIndex) - (0.5f + 60.0f / 360.0f)) < 1.0e-5f; }));
}

TEST_F (AdmOscHubTest, itsOwnValuesReflectedBackAreNoMovesDuringAutomationButAnotherSendersValueIs)
{
    juce::DatagramSocket reflector { false };
    ASSERT_TRUE (reflector.bindToPort (0));
    HostedProcessor processor;
    send (processor, 1, reflector.getBoundPort());
    receive (processor, 1, port);
    HostRecorder host (processor);
    juce::OSCSender other;
    ASSERT_TRUE (other.connect ("127.0.0.1", port));
    char packet[2048];
    // The host automates Azimuth, a tool sends back every packet, another moves the source once.
    for (auto i = 0; i < 1500; ++i)
    {
        processor.setParameter (Processor::azimuthIndex, static_cast<float> (i) / 1500.0f);

        if (i == 1000)
            other.send (juce::OSCMessage ("/adm/obj/1/azim", 30.0f));

        pumpMessages (1);

        for (auto size = 0; reflector.waitUntilReady (true, 0) > 0 && (size = reflector.read (packet, sizeof (packet), false)) > 0;)
            reflector.write ("127.0.0.1", port, packet, size);
    }

    EXPECT_EQ (host.calls, (Strings { "begin 0", "set 0", "end 0" }));
}

TEST_F (AdmOscHubTest, positionsSentAsXyzOrBothFormsLandOnTheSamePositionWhereTheyAreReceived)
{
    OscDump dump (port);
    HostedProcessor processor, follower;
    processor.setParameter (Processor::azimuthIndex, 0.75f);
    processor.setParameter (Processor::distanceIndex, 0.5f);
    auto settings = processor.getAdmOscSettings();
    settings.sendAs = AdmOscSettings::SendAs::both;
    processor.setAdmOscSettings (settings);
    send (processor, 2, port);
    ASSERT_TRUE (dump.waitFor ("/adm/obj/2/xyz") && dump.waitFor ("/adm/obj/2/aed")) << "both forms";
    EXPECT_EQ (dump.messagesTo ("/adm/obj/2/xyz").front(), (Strings { "/adm/obj/2/xyz", "fff", "0.500000", "0.000000", "0.000000" })) << "2 m to the right";

    settings.sendAs = AdmOscSettings::SendAs::cartesian;
    processor.setAdmOscSettings (settings);
    send (processor, 2, answerPort);
    receive (follower, 2, answerPort);
    const auto at = [] (Processor& p)
    { return AdmOsc::cartesianFromPolar (AdmOsc::polarFromParameters (p.getParameter (0), p.getParameter (1), p.getParameter (2))); };
    const auto apart = [&]
    { return std::hypot (at (processor).x - at (follower).x, at (processor).y - at (follower).y, at (processor).z - at (follower).z); };

    for (const auto& position : std::initializer_list<std::array<float, 3>> { { 0.1f, 0.9f, 0.3f }, { 0.62f, 0.5f, 1.0f }, { 0.95f, 0.02f, 0.7f }, { 0.3f, 0.9999f, 0.05f }, { 0.0f, 0.4f, 0.9f } })
    {
        for (auto index = 0; index < 3; ++index)
            processor.setParameter (index, position[static_cast<size_t> (index)]);

        EXPECT_TRUE (pumpMessagesUntil ([&]
                                        { return apart() < 1.0e-5f; },
                                        2000))
            << position[0] << " " << position[1] << " " << position[2] << ": " << apart() << " apart";
    }
}

TEST_F (AdmOscHubTest, aRestoreThatMovesThePortReturnsAtOnceAndTheStatusSaysWhenItListens)
{
    HostedProcessor processor;
    receive (processor, 1, port);
    juce::MemoryBlock here, there;
    processor.getStateInformation (here);

    // Both ports are of the ephemeral range, five digits: the header's length stays right.
    auto text = std::string (static_cast<const char*> (here.getData()), here.getSize());
    text.replace (text.find (std::to_string (port)), 5, std::to_string (answerPort));
    there.replaceAll (text.data(), text.size());
    // Each on a host's thread while the message thread waits for it: nothing may wait for that.
    for (const auto& restored : { std::pair { &there, answerPort }, std::pair { &here, port } })
    {
        auto restoreMs = 0.0;
        std::thread ([&]
                     {
                         const auto start = juce::Time::getMillisecondCounterHiRes();
                         processor.setStateInformation (restored.first->getData(), static_cast<int> (restored.first->getSize()));
                         restoreMs = juce::Time::getMillisecondCounterHiRes() - start; })
            .join();
        // Waiting for the port's reader, which looks up every 100 ms, took 90 ms and
        // more; a restore that waits for nothing takes a tenth of a millisecond, and
        // the bound leaves room for a sanitizer's build on a loaded machine.
        EXPECT_LT (restoreMs, 20.0);
        EXPECT_TRUE (pumpMessagesUntil ([&]
                                        { return services.describeAdmOsc (processor) == "receiving object 1 on port " + juce::String (restored.second); }));
    }
}
