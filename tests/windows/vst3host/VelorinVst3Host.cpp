/* A VST3 host made of the framework's own hosting classes, which many hosts are
   built on. It loads Velorin.vst3 as a Windows host reads the bundle, checks and
   reports what the plug-in declares (identity, category, the buses it accepts for
   each track width and their arrangements, the parameters and their defaults),
   plays a fixed script of blocks and parameter changes over 1, 2, 4, 6 and 8
   inputs into a file, and saves a state and restores it into a fresh instance.

   Built for 64-bit Windows it runs under wine64; built for Linux it loads the
   Linux Velorin.vst3, and the two runs' reports and output files must be equal.

   Usage (absolute paths): velorin_vst3_host BUNDLE REPORT-FILE OUTPUT-FILE
   and, to open the editor at the top left of the screen until a file appears
   (for a screenshot):
          velorin_vst3_host --editor BUNDLE READY-FILE DONE-FILE
   Prints one line per failed check and "N passed, N failed" at the end; the exit
   status is non-zero when a check failed. */

#include <juce_audio_processors/juce_audio_processors.h>

#include <array>
#include <cstdio>

#if JUCE_WINDOWS
    #include <windows.h>
#endif

namespace juce
{
    // The framework's own step of its dispatch loop: this host runs the loop by hand.
    bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
} // namespace juce

namespace
{
    int numPassed = 0, numFailed = 0;

    void check (bool ok, const juce::String& what)
    {
        if (ok)
            ++numPassed;
        else
        {
            ++numFailed;
            std::printf ("FAILED: %s\n", what.toRawUTF8());
        }
    }

    template <typename Value>
    void checkEqual (const juce::String& what, const Value& actual, const Value& expected)
    {
        check (actual == expected, what + " is \"" + juce::String (actual) + "\", expected \"" + juce::String (expected) + "\"");
    }

    void runMessagesFor (int milliseconds, const juce::File& stop = {})
    {
        const auto end = juce::Time::getMillisecondCounterHiRes() + milliseconds;

        while (juce::Time::getMillisecondCounterHiRes() < end && ! (stop != juce::File() && stop.exists()))
        {
            while (juce::dispatchNextMessageOnSystemQueue (true))
            {
            }

            juce::Thread::sleep (10);
        }
    }

    /** A file named by its absolute path; on Windows a Linux path is taken as
        wine shows it, on the drive Z: that maps the Linux root.
    */
    juce::File fileFromArgument (const char* argument)
    {
        auto path = juce::String::fromUTF8 (argument);
#if JUCE_WINDOWS
        if (path.startsWithChar ('/'))
            path = "Z:" + path.replaceCharacter ('/', '\\');
#endif
        return juce::File (path);
    }

    //==============================================================================
    /** The library a host loads from the bundle: on 64-bit Windows the one in the
        folder of its architecture, as Windows hosts look it up; on Linux the
        framework finds it itself.
    */
    juce::String libraryInBundle (const juce::File& bundle)
    {
#if JUCE_WINDOWS
        return bundle.getChildFile ("Contents").getChildFile ("x86_64-win").getChildFile (bundle.getFileName()).getFullPathName();
#else
        return bundle.getFullPathName();
#endif
    }

    struct LoadedPlugin
    {
        juce::VST3PluginFormat format;
        juce::PluginDescription description;

        explicit LoadedPlugin (const juce::File& bundle)
        {
            juce::OwnedArray<juce::PluginDescription> found;
            format.findAllTypesForFile (found, libraryInBundle (bundle));
            check (found.size() == 1, "the bundle holds one plug-in");

            if (! found.isEmpty())
                description = *found.getFirst();
        }

        std::unique_ptr<juce::AudioPluginInstance> instantiate()
        {
            juce::String error;
            auto instance = format.createInstanceFromDescription (description, sampleRate, blockSize, error);
            check (instance != nullptr, "an instance is made: " + error);
            return instance;
        }

        static constexpr double sampleRate = 48000.0;
        static constexpr int blockSize = 256;
    };

    //==============================================================================
    juce::AudioProcessor::BusesLayout layoutOf (int inputs, int outputs)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (juce::AudioChannelSet::canonicalChannelSet (inputs));
        layout.outputBuses.add (juce::AudioChannelSet::canonicalChannelSet (outputs));
        return layout;
    }

    juce::String describeBuses (juce::AudioProcessor& plugin)
    {
        const auto bus = [&] (bool isInput)
        {
            const auto set = plugin.getChannelLayoutOfBus (isInput, 0);
            return juce::String (set.size()) + " (" + set.getSpeakerArrangementAsString() + ")";
        };

        return "in " + bus (true) + ", out " + bus (false);
    }

    constexpr std::array<int, 5> trackWidths { 1, 2, 4, 6, 8 };

    void reportIdentity (const juce::PluginDescription& description, juce::StringArray& report)
    {
        checkEqual ("name", description.name, juce::String ("Velorin"));
        checkEqual ("vendor", description.manufacturerName, juce::String ("Korvanne"));
        checkEqual ("version", description.version, juce::String ("1.2.0"));
        checkEqual ("category", description.category, juce::String ("Fx|Spatial"));
        check (! description.isInstrument, "an effect, not an instrument");

        report.add ("name " + description.name + ", vendor " + description.manufacturerName + ", version " + description.version);
        report.add ("category " + description.category + (description.isInstrument ? ", instrument" : ", effect"));
        report.add ("channels " + juce::String (description.numInputChannels) + " in, " + juce::String (description.numOutputChannels) + " out");
    }

    /** Every input width from 1 to 8 into four outputs, and one output width too few. */
    void reportBuses (juce::AudioPluginInstance& plugin, juce::StringArray& report)
    {
        report.add ("buses when loaded: " + describeBuses (plugin));

        for (auto inputs = 1; inputs <= 8; ++inputs)
        {
            const auto offered = std::find (trackWidths.begin(), trackWidths.end(), inputs) != trackWidths.end();
            const auto accepted = plugin.setBusesLayout (layoutOf (inputs, 4));
            check (accepted == offered, juce::String (inputs) + " inputs into 4 outputs " + (offered ? "accepted" : "refused"));
            report.add (juce::String (inputs) + " inputs: " + (accepted ? "accepted, " + describeBuses (plugin) : juce::String ("refused")));
        }

        check (! plugin.setBusesLayout (layoutOf (2, 2)), "2 outputs refused");
    }

    void reportParameters (juce::AudioPluginInstance& plugin, juce::StringArray& report)
    {
        struct Expected
        {
            const char* name;
            float defaultValue;
        };

        constexpr std::array<Expected, 6> expected { { { "Azimuth", 0.5f }, { "Elevation", 0.5f }, { "Distance", 0.25f }, { "Width", 0.0f }, { "Gain", 0.9f }, { "showOnOrbelScene", 1.0f } } };
        const auto& parameters = plugin.getParameters();

        // The host's own bypass switch comes after the plug-in's six.
        checkEqual ("number of parameters", parameters.size(), 7);

        for (size_t i = 0; i < expected.size() && i < (size_t) parameters.size(); ++i)
        {
            auto* parameter = parameters[(int) i];
            checkEqual ("name of parameter " + juce::String (i), parameter->getName (64), juce::String (expected[i].name));
            check (parameter->getDefaultValue() == expected[i].defaultValue, "default of " + juce::String (expected[i].name));
        }

        for (auto* parameter : parameters)
            report.add ("parameter " + juce::String (parameter->getParameterIndex()) + " \"" + parameter->getName (64) + "\" default "
                        + juce::String (parameter->getDefaultValue(), 6) + (parameter->isAutomatable() ? ", automatable" : ""));
    }

    //==============================================================================
    /** The script: the same integers give the same floats on every platform. */
    std::uint32_t noiseState = 12345u;

    float nextNoise()
    {
        noiseState = noiseState * 1664525u + 1013904223u;
        return (float) (std::int32_t) (noiseState >> 8) / 16777216.0f - 0.5f;
    }

    float scriptedValue (int block, int channels, int parameter)
    {
        return (float) ((block * 37 + channels * 11 + parameter * 23) % 101) / 100.0f;
    }

    constexpr int blocksPerWidth = 12;

    /** Returns how many samples were written. */
    int playScript (juce::AudioPluginInstance& plugin, juce::OutputStream& output)
    {
        const auto blockSize = LoadedPlugin::blockSize;
        int written = 0;

        for (const auto width : trackWidths)
        {
            check (plugin.setBusesLayout (layoutOf (width, 4)), juce::String (width) + " inputs arranged for the script");
            plugin.prepareToPlay (LoadedPlugin::sampleRate, blockSize);

            juce::AudioBuffer<float> buffer (juce::jmax (width, 4), blockSize);
            juce::MidiBuffer midi;

            for (auto block = 0; block < blocksPerWidth; ++block)
            {
                for (auto parameter = 0; parameter < 5; ++parameter)
                    if ((block + parameter) % 3 == 0)
                        plugin.getParameters()[parameter]->setValue (scriptedValue (block, width, parameter));

                buffer.clear();
                for (auto channel = 0; channel < width; ++channel)
                    for (auto i = 0; i < blockSize; ++i)
                        buffer.setSample (channel, i, nextNoise());

                plugin.processBlock (buffer, midi);

                for (auto channel = 0; channel < 4; ++channel)
                    output.write (buffer.getReadPointer (channel), sizeof (float) * (size_t) blockSize);

                written += 4 * blockSize;
            }

            plugin.releaseResources();
        }

        return written;
    }

    juce::MemoryBlock preparedState (juce::AudioPluginInstance& plugin)
    {
        plugin.setBusesLayout (layoutOf (8, 4));
        plugin.prepareToPlay (LoadedPlugin::sampleRate, LoadedPlugin::blockSize);
        plugin.releaseResources();

        juce::MemoryBlock state;
        plugin.getStateInformation (state);
        return state;
    }

    /** A saved state restored into a fresh instance gives the same bytes and values back. */
    void checkStateRestores (LoadedPlugin& loaded, juce::AudioPluginInstance& played)
    {
        const auto state = preparedState (played);
        check (state.getSize() > 0, "a state is saved");

        auto fresh = loaded.instantiate();
        if (fresh == nullptr)
            return;

        fresh->setStateInformation (state.getData(), (int) state.getSize());
        check (preparedState (*fresh) == state, "the restored instance saves the same bytes");

        for (auto i = 0; i < 6; ++i)
            check (fresh->getParameters()[i]->getValue() == played.getParameters()[i]->getValue(), "parameter " + juce::String (i) + " restored");
    }

    void run (const juce::File& bundle, const juce::File& reportFile, const juce::File& outputFile)
    {
        LoadedPlugin loaded (bundle);
        auto plugin = loaded.instantiate();
        if (plugin == nullptr)
            return;

        juce::StringArray report;
        reportIdentity (loaded.description, report);
        reportBuses (*plugin, report);
        reportParameters (*plugin, report);
        check (reportFile.replaceWithText (report.joinIntoString ("\n") + "\n"), "the report is written");

        outputFile.deleteFile();
        juce::FileOutputStream output (outputFile);
        check (output.openedOk(), "the output file opens");
        checkEqual ("samples written", playScript (*plugin, output), (int) trackWidths.size() * blocksPerWidth * 4 * LoadedPlugin::blockSize);
        output.flush();

        checkStateRestores (loaded, *plugin);
    }

    //==============================================================================
    void runEditor (const juce::File& bundle, const juce::File& ready, const juce::File& done)
    {
        LoadedPlugin loaded (bundle);
        auto plugin = loaded.instantiate();
        if (plugin == nullptr)
            return;

        std::unique_ptr<juce::AudioProcessorEditor> editor (plugin->createEditorIfNeeded());
        check (editor != nullptr, "the editor opens");
        if (editor == nullptr)
            return;

        checkEqual ("editor width", editor->getWidth(), 556);
        checkEqual ("editor height", editor->getHeight(), 503);

        // Undecorated at the top left, so that the screen's corner shows exactly the editor.
        editor->setTopLeftPosition (0, 0);
        editor->addToDesktop (0);
        editor->setVisible (true);
        runMessagesFor (3000);

#if JUCE_WINDOWS
        // Under wine on a virtual display the editor's own repaints (made on the
        // display's vertical blank) do not reach the screen, though its timer has
        // long read the parameters: the host redraws its window before the picture.
        if (auto* peer = editor->getPeer())
            RedrawWindow (static_cast<HWND> (peer->getNativeHandle()), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
#endif
        runMessagesFor (500);

        check (ready.replaceWithText ("ready\n"), "the ready file is written");
        runMessagesFor (60000, done);
        check (done.exists(), "the screenshot was taken while the editor was open");

        editor.reset();
        runMessagesFor (200);
    }
} // namespace

int main (int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI framework;
    const auto file = [&] (int index)
    { return fileFromArgument (argv[index]); };

    if (argc == 5 && juce::String (argv[1]) == "--editor")
        runEditor (file (2), file (3), file (4));
    else if (argc == 4)
        run (file (1), file (2), file (3));
    else
    {
        std::fprintf (stderr, "usage: %s BUNDLE REPORT-FILE OUTPUT-FILE\n       %s --editor BUNDLE READY-FILE DONE-FILE\n", argv[0], argv[0]);
        return 2;
    }

    std::printf ("%d passed, %d failed\n", numPassed, numFailed);
    return numFailed == 0 ? 0 : 1;
}
