#include "ArdourTools.h"

#include <processor/InputLayouts.h>

#include <juce_audio_formats/juce_audio_formats.h>

#include <gtest/gtest.h>

#include <map>

namespace
{
    constexpr int numOutputs = 4;
    constexpr int pluginInputsInVst2AndLv2 = 8;
    constexpr int hostBlockSize = 1024;

    // Every track records this long, and the tracks' takes start this many samples
    // apart, the first after as long a lead-in: every gain settles before a take plays.
    constexpr int takeMilliseconds = 300;
    constexpr int slotSamples = 48000;

    const std::vector<int> trackWidths { 1, 2, 4, 6, 8 };

    // Ardour names a session's audio folder after the session's folder.
    constexpr const char* sessionName = "velorin";

    juce::File audioFolderOf (const juce::File& scratch)
    {
        return scratch.getChildFile (sessionName).getChildFile ("interchange").getChildFile (sessionName).getChildFile ("audiofiles");
    }

    const juce::StringArray parameterNames { "Azimuth", "Elevation", "Distance", "Width", "Gain", "showOnOrbelScene" };
    const std::vector<float> defaultValues { 0.5f, 0.5f, 0.25f, 0.0f, 0.9f, 1.0f };

    // Values that convert to the renderer's units and back exactly: 45 degrees right,
    // 22.5 degrees down, 0.5 m, 75 % width, -2.5 dB, hidden from the scene.
    const std::vector<float> testValues { 0.625f, 0.375f, 0.125f, 0.75f, 0.875f, 0.0f };

    // The same in the units of LV2's ports: degrees, degrees, metres, percent, dB, the toggle.
    const std::vector<float> defaultValuesInUnits { 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 1.0f };
    const std::vector<float> testValuesInUnits { 45.0f, -22.5f, 0.5f, 75.0f, -2.5f, 0.0f };
    const juce::StringArray renderOptions { "--azimuth", "45", "--elevation", "-22.5", "--distance", "0.5", "--width", "75", "--gain", "-2.5", "--block-size", juce::String (hostBlockSize) };

    struct ArdourFormat
    {
        const char* label;

        // VST2 and LV2 plug-ins always have eight inputs; a VST3's bus follows the track.
        bool busFollowsTrack;

        // Ardour's controls hold LV2 ports' values in their units, and VST values normalised.
        bool controlsInUnits;

        const std::vector<float>& defaults() const { return controlsInUnits ? defaultValuesInUnits : defaultValues; }
        const std::vector<float>& values() const { return controlsInUnits ? testValuesInUnits : testValues; }
    };

    void PrintTo (const ArdourFormat& format, std::ostream* stream)
    {
        *stream << format.label;
    }

    struct Take
    {
        int width = 0;
        int start = 0;
        int length = 0;
        int offsetInFiles = 0;
        juce::StringArray files;
    };

    using ShownValues = ArdourTools::ShownValues;

    /** A session with one track per width, built, exported and reopened once per format. */
    struct ArdourRun
    {
        juce::String failure;
        std::map<int, Take> takes;
        ShownValues shownWhenInserted, shownWhenReopened;
        juce::AudioBuffer<float> exported;
        juce::String log;
    };

    std::map<int, Take> readTakes (const juce::String& output)
    {
        std::map<int, Take> takes;

        for (const auto& line : juce::StringArray::fromLines (output))
        {
            const auto words = juce::StringArray::fromTokens (line, false);

            if (words.size() == 4 && words[0] == "take")
                takes[words[1].getIntValue()].files.add (words[3]);

            if (words.size() == 5 && words[0] == "region")
            {
                auto& take = takes[words[1].getIntValue()];
                take.start = words[2].getIntValue();
                take.length = words[3].getIntValue();
                take.offsetInFiles = words[4].getIntValue();
            }
        }

        for (auto& [track, take] : takes)
            take.width = take.files.size();

        return takes;
    }

    juce::AudioBuffer<float> readWav (const juce::File& file)
    {
        auto stream = file.createInputStream();
        juce::WavAudioFormat wav;
        std::unique_ptr<juce::AudioFormatReader> reader (stream != nullptr ? wav.createReaderFor (stream.release(), true) : nullptr);

        if (reader == nullptr)
            return {};

        juce::AudioBuffer<float> samples (static_cast<int> (reader->numChannels), static_cast<int> (reader->lengthInSamples));
        reader->read (&samples, 0, samples.getNumSamples(), 0, true, true);
        return samples;
    }

    bool writeWav (const juce::File& file, const juce::AudioBuffer<float>& samples)
    {
        file.deleteFile();
        juce::WavAudioFormat wav;
        auto stream = file.createOutputStream();
        std::unique_ptr<juce::AudioFormatWriter> writer (stream != nullptr ? wav.createWriterFor (stream.get(), 48000.0, static_cast<unsigned int> (samples.getNumChannels()), 32, {}, 0) : nullptr);

        if (writer == nullptr)
            return false;

        stream.release(); // the writer owns it now
        return writer->writeFromAudioSampleBuffer (samples, 0, samples.getNumSamples());
    }

    /** Replaces the silence each track recorded with noise of the same length, one seed per channel. */
    bool fillTakesWithNoise (const juce::File& audioFolder, const std::map<int, Take>& takes)
    {
        for (const auto& [track, take] : takes)
        {
            for (auto channel = 0; channel < take.files.size(); ++channel)
            {
                const auto file = audioFolder.getChildFile (take.files[channel]);
                auto samples = readWav (file);
                juce::Random random (track * 100 + channel);

                for (auto i = 0; i < samples.getNumSamples(); ++i)
                    samples.setSample (0, i, random.nextFloat() - 0.5f);

                if (samples.getNumSamples() == 0 || ! writeWav (file, samples))
                    return false;
            }
        }

        return true;
    }

    bool everyTrackShowsSixValues (const juce::String& output)
    {
        return ArdourTools::readShownValues (output).size() == trackWidths.size() * static_cast<size_t> (parameterNames.size());
    }

    ArdourRun buildExportAndReopen (const ArdourFormat& format, const juce::File& scratch)
    {
        ArdourRun run;
        ArdourTools tools (scratch);
        const auto session = scratch.getChildFile (sessionName);
        const juce::String name = sessionName;
        const auto exported = scratch.getChildFile ("export.wav");

        juce::StringArray widths, values;

        for (auto width : trackWidths)
            widths.add (juce::String (width));

        for (auto value : format.values())
            values.add (juce::String (value));

        const auto built = [&]
        {
            // A session Ardour left half built is started again from nothing.
            session.deleteRecursively();

            if (! tools.newSession (session, name).succeeded)
                return ArdourTools::Outcome {};

            return tools.runScript ("build-session.lua",
                                    { session.getFullPathName(), name, format.label, widths.joinIntoString (","), values.joinIntoString (","), juce::String (takeMilliseconds), juce::String (slotSamples) },
                                    [] (const juce::String& output)
                                    { return readTakes (output).size() == trackWidths.size() && everyTrackShowsSixValues (output); });
        }();

        run.takes = readTakes (built.output);
        run.shownWhenInserted = ArdourTools::readShownValues (built.output);

        if (! built.succeeded)
            run.failure = "Ardour could not build the session";
        else if (! fillTakesWithNoise (audioFolderOf (scratch), run.takes))
            run.failure = "cannot write the takes";
        else if (! tools.exportSession (session, name, exported).succeeded)
            run.failure = "Ardour could not export the session";

        if (run.failure.isEmpty())
        {
            run.exported = readWav (exported);
            const auto reopened = tools.runScript ("show-values.lua", { session.getFullPathName(), name }, everyTrackShowsSixValues);
            run.shownWhenReopened = ArdourTools::readShownValues (reopened.output);

            if (! reopened.succeeded)
                run.failure = "Ardour could not reopen the session";
        }

        run.log = tools.getLog();
        return run;
    }

    /** What the renderer makes of one track's input as the plug-in saw it: the take
        at its place in the session, on as many channels as the plug-in's bus has,
        read in the layout the plug-in chose for that many channels in Ardour (a file
        alone would tell the renderer a wider layout than the host's rule takes).
    */
    juce::AudioBuffer<float> renderTrack (const Take& take, int pluginInputs, const juce::File& audioFolder, const juce::File& scratch)
    {
        juce::AudioBuffer<float> input (pluginInputs, take.start + take.length + slotSamples);
        input.clear();

        for (auto channel = 0; channel < take.width; ++channel)
            input.copyFrom (channel, take.start, readWav (audioFolder.getChildFile (take.files[channel])), 0, take.offsetInFiles, take.length);

        const auto inputFile = scratch.getChildFile ("render-input.wav");
        const auto outputFile = scratch.getChildFile ("render-output.wav");

        if (! writeWav (inputFile, input))
            return {};

        const auto layout = InputLayouts::layoutForHost (pluginInputs, InputLayouts::HostFamily::other);
        juce::StringArray command { VELORIN_RENDER_TOOL, "--input", inputFile.getFullPathName(), "--output", outputFile.getFullPathName(), "--layout", juce::String (layout) };
        command.addArray (renderOptions);

        juce::ChildProcess renderer;

        if (! renderer.start (command) || ! renderer.waitForProcessToFinish (60000) || renderer.getExitCode() != 0)
            return {};

        return readWav (outputFile);
    }

    struct Comparison
    {
        int differingSamples = 0;
        float largestDifference = 0.0f;
        double worstLevelError = 0.0; // relative, per output channel
        double worstDirectionError = 0.0; // of X, Y and Z against W
    };

    Comparison compare (const juce::AudioBuffer<float>& exported, const juce::AudioBuffer<float>& rendered, int start, int end)
    {
        Comparison result;
        std::array<double, numOutputs> exportedLevel {}, renderedLevel {}, exportedWithW {}, renderedWithW {};

        for (auto channel = 0; channel < numOutputs; ++channel)
        {
            for (auto i = start; i < end; ++i)
            {
                const auto e = exported.getSample (channel, i);
                const auto r = rendered.getSample (channel, i);
                const auto difference = std::abs (e - r);

                result.differingSamples += difference > 0.0f ? 1 : 0;
                result.largestDifference = std::max (result.largestDifference, difference);
                exportedLevel[(size_t) channel] += static_cast<double> (e) * static_cast<double> (e);
                renderedLevel[(size_t) channel] += static_cast<double> (r) * static_cast<double> (r);
                exportedWithW[(size_t) channel] += static_cast<double> (e) * static_cast<double> (exported.getSample (0, i));
                renderedWithW[(size_t) channel] += static_cast<double> (r) * static_cast<double> (rendered.getSample (0, i));
            }
        }

        for (size_t channel = 0; channel < numOutputs; ++channel)
        {
            if (renderedLevel[channel] > 0.0)
                result.worstLevelError = std::max (result.worstLevelError, std::abs (std::sqrt (exportedLevel[channel] / renderedLevel[channel]) - 1.0));

            if (channel > 0 && renderedWithW[0] > 0.0)
                result.worstDirectionError = std::max (result.worstDirectionError, std::abs (exportedWithW[channel] / exportedWithW[0] - renderedWithW[channel] / renderedWithW[0]));
        }

        return result;
    }

    class ArdourSession : public ::testing::TestWithParam<ArdourFormat>
    {
    protected:
        void SetUp() override
        {
            if (const auto reason = ArdourTools::whyUnavailable(); reason.isNotEmpty())
                GTEST_SKIP() << reason.toStdString();

            auto& cached = runs[GetParam().label];

            if (cached == nullptr)
            {
                scratch = juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile (juce::String ("velorin-ardour-") + GetParam().label + "-", {}, false);
                scratch.createDirectory();
                cached = std::make_unique<ArdourRun> (buildExportAndReopen (GetParam(), scratch));
                scratches[GetParam().label] = scratch;
            }

            run = cached.get();
            scratch = scratches[GetParam().label];
            ASSERT_TRUE (run->failure.isEmpty()) << run->failure << " (three further tries each); what Ardour printed:\n"
                                                 << run->log << "\nThe session is in " << scratch.getFullPathName();
        }

        static void TearDownTestSuite()
        {
            for (auto& [label, folder] : scratches)
                if (! ::testing::UnitTest::GetInstance()->Failed())
                    folder.deleteRecursively();

            runs.clear();
            scratches.clear();
        }

        void expectShown (const ShownValues& shown, const std::vector<float>& expected) const
        {
            for (auto track = 1; track <= static_cast<int> (trackWidths.size()); ++track)
            {
                for (auto index = 0; index < parameterNames.size(); ++index)
                {
                    const auto found = shown.find ({ track, parameterNames[index] });
                    ASSERT_NE (found, shown.end()) << parameterNames[index];
                    EXPECT_NEAR (found->second, expected[(size_t) index], 1.0e-6f) << "track of " << trackWidths[(size_t) track - 1] << " channels, " << parameterNames[index];
                }
            }
        }

        const ArdourRun* run = nullptr;
        juce::File scratch;

        static std::map<std::string, std::unique_ptr<ArdourRun>> runs;
        static std::map<std::string, juce::File> scratches;
    };

    std::map<std::string, std::unique_ptr<ArdourRun>> ArdourSession::runs;
    std::map<std::string, juce::File> ArdourSession::scratches;
} // namespace

TEST_P (ArdourSession, exportOfEveryTrackWidthMatchesTheRenderer)
{
    const auto audioFolder = audioFolderOf (scratch);

    for (const auto& [track, take] : run->takes)
    {
        const auto pluginInputs = GetParam().busFollowsTrack ? take.width : pluginInputsInVst2AndLv2;
        const auto rendered = renderTrack (take, pluginInputs, audioFolder, scratch);
        ASSERT_EQ (rendered.getNumChannels(), numOutputs) << "the renderer failed";

        // From the previous take's end to the next take's start only this track sounds.
        const auto previous = run->takes.find (track - 1);
        const auto next = run->takes.find (track + 1);
        const auto start = previous != run->takes.end() ? previous->second.start + previous->second.length : 0;
        const auto end = std::min ({ next != run->takes.end() ? next->second.start : run->exported.getNumSamples(), run->exported.getNumSamples(), rendered.getNumSamples() });
        ASSERT_LT (start, take.start);
        ASSERT_GE (end, take.start + take.length);

        const auto result = compare (run->exported, rendered, start, end);
        const auto identical = result.differingSamples == 0;

        // Bit-identical where the blocks fall alike; otherwise the same direction and level.
        EXPECT_TRUE (identical || (result.worstLevelError < 1.0e-6 && result.worstDirectionError < 1.0e-6))
            << "track of " << take.width << " channels: " << result.differingSamples << " samples differ, by up to " << result.largestDifference
            << "; level error " << result.worstLevelError << ", direction error " << result.worstDirectionError;
        EXPECT_GT (rendered.getMagnitude (0, take.start, take.length), 0.1f) << "the take is silent";

        std::cout << GetParam().label << " track of " << take.width << " channels: " << (identical ? "bit-identical" : "not bit-identical")
                  << " to the renderer (" << result.differingSamples << " samples differ, largest difference " << result.largestDifference << ")\n";
    }
}

TEST_P (ArdourSession, showsThePlugInsOwnValuesOnceInserted)
{
    expectShown (run->shownWhenInserted, GetParam().defaults());
}

TEST_P (ArdourSession, showsTheSavedValuesAfterReopening)
{
    expectShown (run->shownWhenReopened, GetParam().values());
}

TEST_P (ArdourSession, theFrameworkRaisesNoAssertion)
{
    EXPECT_FALSE (run->log.contains ("JUCE Assertion failure")) << run->log;
}

INSTANTIATE_TEST_SUITE_P (Formats,
                          ArdourSession,
                          ::testing::Values (ArdourFormat { "VST2", false, false }, ArdourFormat { "VST3", true, false }, ArdourFormat { "LV2", false, true }),
                          [] (const auto& testInfo)
                          { return std::string (testInfo.param.label); });
