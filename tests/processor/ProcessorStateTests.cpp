#include "../support/TestProcessors.h"

#include <processor/ProcessWide.h>
#include <processor/ProcessorState.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    /** Records what a state restore asks of the scene window. */
    struct RecordingServices : public ProcessWideServices
    {
        std::unique_ptr<SharedReference> acquireLookAndFeel() override { return {}; }
        void registerInstance (VevazovAzudAudioProcessor&) override {}
        void unregisterInstance (VevazovAzudAudioProcessor&) override {}
        void ensureSceneWindow() override {}

        void restoreSceneSettings (const SceneSettingsChange& change) override
        {
            change.applyTo (getSceneSettings());

            if (change.movesWindow())
                calls.add ("bounds " + boundsText());

            if (change.showsOrHidesWindow())
                calls.add (getSceneSettings().transparentWindowIsVisible ? "show" : "hide");
        }

        bool toggleSceneWindowVisibility() override { return false; }
        void admOscSettingsChanged (VevazovAzudAudioProcessor&) override { calls.add ("adm-osc"); }

        static juce::String boundsText()
        {
            const auto& s = getSceneSettings();
            return juce::String (s.transparentWindowX) + " " + juce::String (s.transparentWindowY) + " "
                   + juce::String (s.transparentWindowWidth) + " " + juce::String (s.transparentWindowHeight);
        }

        juce::StringArray calls;
    };

    juce::MemoryBlock saveState (Processor& processor)
    {
        juce::MemoryBlock block;
        processor.getStateInformation (block);
        return block;
    }

    juce::String documentText (const juce::MemoryBlock& block)
    {
        return juce::String::fromUTF8 (static_cast<const char*> (block.getData()) + 8, static_cast<int> (block.getSize()) - 9);
    }

    /** A state block around any text, with the given length field. */
    juce::MemoryBlock wrap (const juce::String& text, std::optional<juce::int32> lengthField = {}, juce::uint32 magic = ProcessorState::magicNumber)
    {
        juce::MemoryBlock block;
        juce::MemoryOutputStream out (block, false);
        out.writeInt (static_cast<int> (magic));
        out.writeInt (lengthField.value_or (static_cast<juce::int32> (text.getNumBytesAsUTF8())));
        out.write (text.toRawUTF8(), text.getNumBytesAsUTF8());
        out.writeByte (0);
        out.flush();
        return block;
    }

    /** A state block around raw bytes, which need not be valid text. */
    juce::MemoryBlock wrapBytes (const char* bytes)
    {
        const auto length = static_cast<juce::uint32> (std::strlen (bytes));
        juce::MemoryBlock block;
        block.append ("VC2!", 4);
        block.append (&length, 4);
        block.append (bytes, length + 1);
        return block;
    }

    void restore (Processor& processor, const juce::String& document)
    {
        const auto block = wrap (document);
        processor.setStateInformation (block.getData(), static_cast<int> (block.getSize()));
    }

    class ProcessorStateTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            getSceneSettings() = SceneSettings();
            setProcessWideServices (&services);
        }

        void TearDown() override
        {
            setProcessWideServices (nullptr);
            getSceneSettings() = SceneSettings();
        }

        void clearFlags (Processor& processor)
        {
            processor.takeGuiUpdate();
            processor.takeSceneUpdate();
        }

        RecordingServices services;
    };
} // namespace

TEST_F (ProcessorStateTest, newStereoInstanceWritesTheDocumentByteForByte)
{
    HostedProcessor processor;
    processor.prepare (2);
    ASSERT_EQ (processor.getInputConfigID(), 1);

    const auto block = saveState (processor);
    const juce::String expected = "<Root><Gain>0.9</Gain><Azi>0.5</Azi><Ele>0.5</Ele><Dist>0.25</Dist><Width>0</Width>"
                                  "<idxGUI>0</idxGUI><idxOutputConfig>1</idxOutputConfig><idxDistAttenuationFactor>0</idxDistAttenuationFactor>"
                                  "<transparentWindowX>100</transparentWindowX><transparentWindowY>100</transparentWindowY>"
                                  "<transparentWindowWidth>535</transparentWindowWidth><transparentWindowHeight>320</transparentWindowHeight>"
                                  "<transparentWindowIsVisible>0</transparentWindowIsVisible><transparentWindowShowAllWidgetLabels>1</transparentWindowShowAllWidgetLabels>"
                                  "<widgetColour>ff0b72f2</widgetColour><widgetIsVisible>1</widgetIsVisible><widgetLabel></widgetLabel><inputConfigID>1</inputConfigID></Root>";

    ASSERT_EQ (block.getSize(), static_cast<size_t> (expected.getNumBytesAsUTF8()) + 9);

    const auto* bytes = static_cast<const juce::uint8*> (block.getData());
    EXPECT_EQ (juce::String::fromUTF8 (reinterpret_cast<const char*> (bytes), 4), "VC2!");
    EXPECT_EQ (juce::ByteOrder::littleEndianInt (bytes + 4), static_cast<juce::uint32> (expected.getNumBytesAsUTF8()));
    EXPECT_EQ (documentText (block), expected);
    EXPECT_EQ (bytes[block.getSize() - 1], 0);
}

TEST_F (ProcessorStateTest, roundTripRestoresEveryValueIntoAnotherInstance)
{
    HostedProcessor source;
    source.prepare (8);
    source.setParameter (Processor::azimuthIndex, 0.125f);
    source.setParameter (Processor::elevationIndex, 0.7f);
    source.setParameter (Processor::distanceIndex, 0.6f);
    source.setParameter (Processor::widthIndex, 0.35f);
    source.setParameter (Processor::gainIndex, 0.75f);
    source.setParameter (Processor::showOnSceneIndex, 0.1f);
    source.setIdxGUI (1);
    source.setOutputConfig (0);
    source.setDistAttenuationFactor (4);
    source.setInputConfig (13);
    source.setWidgetColour (juce::Colour (0x80123456));
    source.setWidgetLabel ("Lead vocal <L&R> \"take 2\"");

    const auto block = saveState (source);

    HostedProcessor target;
    target.prepare (8);
    target.setStateInformation (block.getData(), static_cast<int> (block.getSize()));

    for (auto index = 0; index < 5; ++index)
        EXPECT_EQ (target.getParameter (index), source.getParameter (index)) << index;

    EXPECT_EQ (target.getParameter (Processor::showOnSceneIndex), 0.0f);
    EXPECT_FALSE (target.getWidgetIsVisible());
    EXPECT_EQ (target.getIdxGUI(), 1);
    EXPECT_EQ (target.getIdxOutputConfig(), 0);
    EXPECT_EQ (target.getIdxDistAttenuationFactor(), 4);
    EXPECT_EQ (target.getInputConfigID(), 13);
    EXPECT_EQ (target.getWidgetColour(), juce::Colour (0x80123456));
    EXPECT_EQ (target.getWidgetLabel(), "Lead vocal <L&R> \"take 2\"");
    EXPECT_EQ (saveState (target), block);

    // The encoders follow the restored values, not merely the stored numbers.
    for (auto slot = 0; slot < 8; ++slot)
        EXPECT_EQ (target.getEncoder (slot).getOutputTargets(), source.getEncoder (slot).getOutputTargets()) << slot;
}

TEST_F (ProcessorStateTest, realsAreSavedWithSixSignificantDigits)
{
    Processor processor (juce::PluginHostType::UnknownHost);
    processor.setParameter (Processor::azimuthIndex, 0.123456789f);
    processor.setParameter (Processor::widthIndex, 1.0f / 3.0f);

    const auto text = documentText (saveState (processor));
    EXPECT_TRUE (text.contains ("<Azi>0.123457</Azi>")) << text;
    EXPECT_TRUE (text.contains ("<Width>0.333333</Width>")) << text;

    Processor other (juce::PluginHostType::UnknownHost);
    restore (other, text);
    EXPECT_EQ (other.getParameter (Processor::azimuthIndex), static_cast<float> (0.123457));
}

TEST_F (ProcessorStateTest, keysMatchIgnoringCaseInDocumentOrderAndTheLastRepeatWins)
{
    Processor processor (juce::PluginHostType::UnknownHost);
    restore (processor, "<anything><GAIN>0.5</GAIN><gain>0.6</gain><gAiN>0.7</gAiN><Unknown>3</Unknown></anything>");
    EXPECT_EQ (processor.getParameter (Processor::gainIndex), 0.7f);
}

TEST_F (ProcessorStateTest, integersAreTruncatedAndSaturated)
{
    Processor processor (juce::PluginHostType::UnknownHost);

    restore (processor, "<Root><idxGUI>1.9</idxGUI><transparentWindowX>-7.9</transparentWindowX>"
                        "<transparentWindowY>1e300</transparentWindowY><transparentWindowWidth>-99999999999999</transparentWindowWidth>"
                        "<transparentWindowHeight>nan</transparentWindowHeight></Root>");

    EXPECT_EQ (processor.getIdxGUI(), 1);
    EXPECT_EQ (getSceneSettings().transparentWindowX, -7);
    EXPECT_EQ (getSceneSettings().transparentWindowY, std::numeric_limits<int>::max());
    EXPECT_EQ (getSceneSettings().transparentWindowWidth, std::numeric_limits<int>::min());
    EXPECT_EQ (getSceneSettings().transparentWindowHeight, 0);
}

TEST_F (ProcessorStateTest, labelModeReadsTheLeadingWholeNumber)
{
    Processor processor (juce::PluginHostType::UnknownHost);

    const std::pair<const char*, bool> cases[] = {
        { "0.9", false },
        { "2", true },
        { "  -3abc", true },
        { "abc", false },
        { "", false },
        { "+0", false },
        { "99999999999999999999", true },
        { "1", true },
    };

    for (const auto& [text, expected] : cases)
    {
        getSceneSettings().transparentWindowShowAllWidgetLabels = ! expected;
        restore (processor, juce::String ("<Root><transparentWindowShowAllWidgetLabels>") + text + "</transparentWindowShowAllWidgetLabels></Root>");
        EXPECT_EQ (getSceneSettings().transparentWindowShowAllWidgetLabels, expected) << '"' << text << '"';
    }
}

TEST_F (ProcessorStateTest, colourTakesTheLastEightHexDigitsOfTheText)
{
    Processor processor (juce::PluginHostType::UnknownHost);

    const std::pair<const char*, juce::uint32> cases[] = {
        { "FF0B72F2", 0xFF0B72F2 },
        { "#ff0b72f2", 0xFF0B72F2 },
        { "0x12", 0x00000012 },
        { "1-2-3", 0x123 },
        { "123456789", 0x23456789 },
        { "zzz-qqq", 0x0 },
        { "", 0x0 },
    };

    for (const auto& [text, expected] : cases)
    {
        restore (processor, juce::String ("<Root><widgetColour>") + text + "</widgetColour></Root>");
        EXPECT_EQ (processor.getWidgetColour().getARGB(), expected) << '"' << text << '"';
    }
}

TEST_F (ProcessorStateTest, labelIsTakenAsWrittenAndAnEmptyElementClearsIt)
{
    Processor processor (juce::PluginHostType::UnknownHost);
    const auto longLabel = juce::String::repeatedString ("Ambience ", 20000);

    for (const auto& label : { juce::String ("  spaced  "), juce::String (juce::CharPointer_UTF8 ("Chœur \xe2\x86\x92 gauche")), longLabel })
    {
        processor.setWidgetLabel (label);
        const auto block = saveState (processor);

        Processor other (juce::PluginHostType::UnknownHost);
        other.setStateInformation (block.getData(), static_cast<int> (block.getSize()));
        EXPECT_EQ (other.getWidgetLabel(), label);
    }

    restore (processor, "<Root><widgetLabel></widgetLabel></Root>");
    EXPECT_TRUE (processor.getWidgetLabel().isEmpty());

    // Line ends are taken as XML reads them, so that the label survives every later save.
    restore (processor, "<Root><widgetLabel>one&#13;two&#13;&#10;three</widgetLabel></Root>");
    EXPECT_EQ (processor.getWidgetLabel(), "one\ntwo\nthree");
}

TEST_F (ProcessorStateTest, layoutAloneIsRestoredWithoutACrossFade)
{
    HostedProcessor processor;
    processor.prepare (8);
    processor.setParameter (Processor::azimuthIndex, 0.3f);
    const auto before = documentText (saveState (processor));

    restore (processor, "<Root><inputConfigID>13</inputConfigID></Root>");

    EXPECT_EQ (processor.getInputConfigID(), 13);
    EXPECT_EQ (processor.getNumActiveInputs(), 8);
    EXPECT_EQ (documentText (saveState (processor)), before.replace ("<inputConfigID>1</inputConfigID>", "<inputConfigID>13</inputConfigID>"));
}

TEST_F (ProcessorStateTest, foreignDocumentChangesNothingButRaisesBothFlags)
{
    Processor processor (juce::PluginHostType::UnknownHost);
    const auto before = saveState (processor);
    clearFlags (processor);

    restore (processor, "<Preset version=\"3\"><Level>0.2</Level><Pan>left</Pan></Preset>");

    EXPECT_EQ (saveState (processor), before);
    EXPECT_TRUE (processor.isGuiUpdatePending());
    EXPECT_TRUE (processor.isSceneUpdatePending());
}

TEST_F (ProcessorStateTest, rejectedBlocksChangeNothingAtAll)
{
    Processor processor (juce::PluginHostType::UnknownHost);
    processor.setParameter (Processor::gainIndex, 0.4f);
    const auto before = saveState (processor);
    const auto valid = "<Root><Gain>0.8</Gain><transparentWindowX>5</transparentWindowX></Root>";

    const auto deep = juce::String::repeatedString ("<a>", 100000);

    const char invalidUtf8[] = { '<', 'R', '>', '<', 'G', 'a', 'i', 'n', '>', '\xff', '\xfe', '<', '/', 'G', 'a', 'i', 'n', '>', '<', '/', 'R', '>', 0 };
    juce::MemoryBlock notUtf8;
    notUtf8.append ("VC2!", 4);
    const juce::uint32 length = sizeof (invalidUtf8) - 1;
    notUtf8.append (&length, 4);
    notUtf8.append (invalidUtf8, sizeof (invalidUtf8));

    const std::vector<std::pair<const char*, juce::MemoryBlock>> blocks = {
        { "too short", juce::MemoryBlock (wrap (valid).getData(), 8) },
        { "wrong magic", wrap (valid, {}, 0x21324357) },
        { "zero length", wrap (valid, 0) },
        { "negative length", wrap (valid, -5) },
        { "not XML", wrap ("Gain = 0.8") },
        { "not UTF-8", notUtf8 },
        { "deep and never closed", wrap (deep + "<Gain>0.8</Gain>") },
        { "unmatched tags", wrap ("<Root><Gain>0.8</Width></Root>") },
        { "unterminated comment", wrap ("<Root><!-- <Gain>0.8</Gain></Root>") },
        { "overlong UTF-8", wrapBytes ("<Root><Gain>0.8</Gain><widgetLabel>a\xc0\x8d</widgetLabel></Root>") },
        { "reference to a surrogate", wrap ("<Root><Gain>0.8</Gain><widgetLabel>&#xD800;</widgetLabel></Root>") },
        { "empty", juce::MemoryBlock() },
    };

    for (const auto& [what, block] : blocks)
    {
        clearFlags (processor);
        processor.setStateInformation (block.getData(), static_cast<int> (block.getSize()));

        EXPECT_EQ (saveState (processor), before) << what;
        EXPECT_FALSE (processor.isGuiUpdatePending()) << what;
        EXPECT_FALSE (processor.isSceneUpdatePending()) << what;
        EXPECT_EQ (getSceneSettings().transparentWindowX, 100) << what;
    }

    processor.setStateInformation (nullptr, 100);
    EXPECT_EQ (saveState (processor), before);
    EXPECT_TRUE (services.calls.isEmpty());
}

TEST_F (ProcessorStateTest, declarationCommentsCdataAndProcessingInstructionsAreAccepted)
{
    // As the framework's own container writer saves a document, with its XML declaration.
    Processor processor (juce::PluginHostType::UnknownHost);
    restore (processor, "<?xml version=\"1.0\" encoding=\"UTF-8\"?> <Root><!-- saved by 1.1 --><Gain>0.3</Gain>"
                        "<widgetLabel><![CDATA[a <b> & c]]></widgetLabel></Root>");

    EXPECT_EQ (processor.getParameter (Processor::gainIndex), 0.3f);
    EXPECT_EQ (processor.getWidgetLabel(), "a <b> & c");

    // Markup the framework's own parser loops for ever on.
    restore (processor, "<Root><?pi?>text<Gain>0.6</Gain><Width><?x?>d</Width></Root>");
    EXPECT_EQ (processor.getParameter (Processor::gainIndex), 0.6f);
}

TEST_F (ProcessorStateTest, lengthBeyondTheDataReadsWhatIsThere)
{
    Processor processor (juce::PluginHostType::UnknownHost);
    const auto block = wrap ("<Root><Gain>0.3</Gain></Root>", 5000);
    processor.setStateInformation (block.getData(), static_cast<int> (block.getSize()));
    EXPECT_EQ (processor.getParameter (Processor::gainIndex), 0.3f);
}

TEST_F (ProcessorStateTest, absurdNumbersAreStoredWithoutHarm)
{
    HostedProcessor processor;
    processor.prepare (2);

    restore (processor, "<Root><Gain>1e999</Gain><Azi>nan</Azi><Ele>-0</Ele><Dist>-1e999</Dist><Width>1e38</Width>"
                        "<idxOutputConfig>4e9</idxOutputConfig><idxDistAttenuationFactor>-2147483649</idxDistAttenuationFactor>"
                        "<inputConfigID>123456789012</inputConfigID></Root>");

    EXPECT_TRUE (std::isinf (processor.getParameter (Processor::gainIndex)));
    EXPECT_TRUE (std::isnan (processor.getParameter (Processor::azimuthIndex)));
    EXPECT_EQ (processor.getParameter (Processor::elevationIndex), 0.0f);
    EXPECT_EQ (processor.getIdxOutputConfig(), std::numeric_limits<int>::max());
    EXPECT_EQ (processor.getIdxDistAttenuationFactor(), std::numeric_limits<int>::min());
    EXPECT_EQ (processor.getInputConfigID(), std::numeric_limits<int>::max());

    // It still saves, and what it saves restores to the same document.
    const auto first = saveState (processor);
    HostedProcessor second;
    second.prepare (2);
    second.setStateInformation (first.getData(), static_cast<int> (first.getSize()));
    EXPECT_EQ (saveState (second), first);

    auto block = makeNoise (4, 256);
    processor.process (block);
}

TEST_F (ProcessorStateTest, sceneSettingsAreSharedAndAppliedToTheWindow)
{
    Processor first (juce::PluginHostType::UnknownHost);
    Processor second (juce::PluginHostType::UnknownHost);

    restore (first, "<Root><transparentWindowX>10</transparentWindowX><transparentWindowY>20</transparentWindowY>"
                    "<transparentWindowWidth>300</transparentWindowWidth><transparentWindowHeight>200</transparentWindowHeight>"
                    "<transparentWindowIsVisible>0.5</transparentWindowIsVisible></Root>");

    EXPECT_EQ (services.calls, juce::StringArray ({ "bounds 10 20 300 200", "show" }));
    EXPECT_TRUE (documentText (saveState (second)).contains ("<transparentWindowX>10</transparentWindowX>"));
    EXPECT_TRUE (documentText (saveState (second)).contains ("<transparentWindowIsVisible>1</transparentWindowIsVisible>"));

    restore (second, "<Root><transparentWindowIsVisible>0.0</transparentWindowIsVisible><transparentWindowX>1</transparentWindowX></Root>");
    EXPECT_EQ (services.calls[2], "hide");
    EXPECT_EQ (services.calls.size(), 3);
    EXPECT_FALSE (getSceneSettings().transparentWindowIsVisible);
    EXPECT_EQ (getSceneSettings().transparentWindowX, 1);
}

TEST_F (ProcessorStateTest, visibilityElementDrivesTheSceneParameter)
{
    Processor processor (juce::PluginHostType::UnknownHost);
    restore (processor, "<Root><widgetIsVisible>0</widgetIsVisible></Root>");
    EXPECT_FALSE (processor.getWidgetIsVisible());
    EXPECT_EQ (processor.getParameter (Processor::showOnSceneIndex), 0.0f);

    restore (processor, "<Root><widgetIsVisible>1</widgetIsVisible></Root>");
    EXPECT_TRUE (processor.getWidgetIsVisible());
}

TEST_F (ProcessorStateTest, admOscSettingsFollowTheOtherKeysOnlyWhileNotAtTheirDefaults)
{
    HostedProcessor processor;
    processor.prepare (2);
    const auto plain = documentText (saveState (processor));

    auto settings = processor.getAdmOscSettings();
    settings.objectNumber = 3;
    settings.sendEnabled = true;
    settings.sendHost = "10.0.0.2";
    settings.receivePort = 9000;
    processor.setAdmOscSettings (settings);

    const auto text = documentText (saveState (processor));
    EXPECT_EQ (text, plain.upToLastOccurrenceOf ("</Root>", false, false) + "<admOscObject>3</admOscObject><admOscSend>1</admOscSend><admOscSendHost>10.0.0.2</admOscSendHost>"
                                                                            "<admOscSendPort>4001</admOscSendPort><admOscReceive>0</admOscReceive><admOscReceivePort>9000</admOscReceivePort></Root>");

    HostedProcessor other;
    const auto block = saveState (processor);
    services.calls.clear();
    other.setStateInformation (block.getData(), static_cast<int> (block.getSize()));
    EXPECT_TRUE (other.getAdmOscSettings() == settings);
    EXPECT_EQ (std::count (services.calls.begin(), services.calls.end(), "adm-osc"), 1) << "told once, after every key was read";

    processor.setAdmOscSettings (AdmOscSettings());
    EXPECT_EQ (documentText (saveState (processor)), plain) << "back at the defaults, the document of an instance that never used it";
}

TEST_F (ProcessorStateTest, admOscKeysMatchIgnoringCaseAndAreBroughtIntoRange)
{
    Processor processor (juce::PluginHostType::UnknownHost);
    restore (processor, "<Root><ADMOSCOBJECT>0</ADMOSCOBJECT><admoscreceiveport>70000</admoscreceiveport><admOscSend>2</admOscSend>"
                        "<admOscSendHost> 192.168.1.4 </admOscSendHost><admOscReceive>0.5</admOscReceive></Root>");

    const auto& settings = processor.getAdmOscSettings();
    EXPECT_EQ (settings.objectNumber, 1);
    EXPECT_EQ (settings.receivePort, 65535);
    EXPECT_TRUE (settings.sendEnabled);
    EXPECT_EQ (settings.sendHost, "192.168.1.4");
    EXPECT_FALSE (settings.receiveEnabled) << "truncated to 0";

    services.calls.clear();
    restore (processor, "<Root><Gain>0.5</Gain></Root>");
    EXPECT_TRUE (services.calls.isEmpty()) << "a state without the keys leaves the settings, and the connection, alone";
}

TEST_F (ProcessorStateTest, theFormPositionsAreSentInIsSavedOnlyWhenNotPolar)
{
    HostedProcessor processor;
    auto settings = processor.getAdmOscSettings();
    settings.sendAs = AdmOscSettings::SendAs::cartesian;
    processor.setAdmOscSettings (settings);
    EXPECT_TRUE (documentText (saveState (processor)).endsWith ("<admOscReceivePort>4001</admOscReceivePort><admOscSendAs>1</admOscSendAs></Root>"));
    restore (processor, "<Root><admOscSend>1</admOscSend></Root>");
    EXPECT_EQ (processor.getAdmOscSettings().sendAs, AdmOscSettings::SendAs::polar) << "settings saved without the form, polar";
    restore (processor, "<Root><ADMOSCSENDAS>7</ADMOSCSENDAS></Root>");
    EXPECT_EQ (processor.getAdmOscSettings().sendAs, AdmOscSettings::SendAs::both) << "brought into range";
}

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
