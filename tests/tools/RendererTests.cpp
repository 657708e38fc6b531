#include <tools/render/AudioFileFormats.h>

#include <FLAC/metadata.h>
#include <gtest/gtest.h>

#include <juce_audio_formats/juce_audio_formats.h>

#include <cmath>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <spawn.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

namespace
{
    struct RunResult
    {
        int exitCode = -1;
        juce::String output;
    };

    RunResult runRenderer (const juce::StringArray& arguments)
    {
        juce::StringArray command { VELORIN_RENDER_TOOL };
        command.addArray (arguments);

        juce::ChildProcess process;

        if (! process.start (command, juce::ChildProcess::wantStdOut | juce::ChildProcess::wantStdErr))
            return {};

        RunResult result;
        result.output = process.readAllProcessOutput();
        process.waitForProcessToFinish (60000);
        result.exitCode = static_cast<int> (process.getExitCode());
        return result;
    }

    std::unique_ptr<juce::AudioFormatReader> openWav (const juce::File& file)
    {
        juce::WavAudioFormat wav;
        return std::unique_ptr<juce::AudioFormatReader> (wav.createReaderFor (file.createInputStream().release(), true));
    }

    juce::AudioBuffer<float> readAll (juce::AudioFormatReader& reader)
    {
        juce::AudioBuffer<float> buffer (static_cast<int> (reader.numChannels), static_cast<int> (reader.lengthInSamples));
        reader.read (&buffer, 0, buffer.getNumSamples(), 0, true, true);
        return buffer;
    }

    juce::AudioBuffer<float> noise (int numChannels, int numSamples)
    {
        juce::Random random (3);
        juce::AudioBuffer<float> buffer (numChannels, numSamples);

        for (auto channel = 0; channel < numChannels; ++channel)
            for (auto i = 0; i < numSamples; ++i)
                buffer.setSample (channel, i, random.nextFloat() - 0.5f);

        return buffer;
    }

    /** A 24-bit WAV; discrete speakers write no channel mask, named speakers write theirs. */
    void writeWav (const juce::File& file, const juce::AudioBuffer<float>& samples, const juce::AudioChannelSet& speakers)
    {
        file.deleteFile(); // an output stream would append
        juce::WavAudioFormat wav;
        std::unique_ptr<juce::AudioFormatWriter> writer (wav.createWriterFor (file.createOutputStream().release(), 48000.0, speakers, 24, {}, 0));
        ASSERT_NE (writer, nullptr) << speakers.getSpeakerArrangementAsString();
        writer->writeFromAudioSampleBuffer (samples, 0, samples.getNumSamples());
    }

    /** Noise on every channel, with the speaker mask the framework's WAV writer gives the count by default. */
    void writeWav (const juce::File& file, int numChannels, int numSamples)
    {
        juce::WavAudioFormat wav;
        std::unique_ptr<juce::AudioFormatWriter> writer (wav.createWriterFor (file.createOutputStream().release(), 48000.0, static_cast<unsigned int> (numChannels), 24, {}, 0));
        writer->writeFromAudioSampleBuffer (noise (numChannels, numSamples), 0, numSamples);
    }

    /** Starts the renderer with its output thrown away, for tests that signal it. */
    pid_t startRenderer (const juce::StringArray& arguments)
    {
        std::vector<std::string> words { VELORIN_RENDER_TOOL };
        std::vector<char*> argv;

        for (const auto& argument : arguments)
            words.push_back (argument.toStdString());

        for (auto& word : words)
            argv.push_back (word.data());

        argv.push_back (nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init (&actions);
        posix_spawn_file_actions_addopen (&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_adddup2 (&actions, STDOUT_FILENO, STDERR_FILENO);

        // A test runner started in the background passes Ctrl-C on as ignored.
        posix_spawnattr_t attributes;
        posix_spawnattr_init (&attributes);
        sigset_t defaults;
        sigemptyset (&defaults);
        sigaddset (&defaults, SIGINT);
        sigaddset (&defaults, SIGTERM);
        posix_spawnattr_setsigdefault (&attributes, &defaults);
        posix_spawnattr_setflags (&attributes, POSIX_SPAWN_SETSIGDEF);

        pid_t process = -1;
        posix_spawn (&process, VELORIN_RENDER_TOOL, &actions, &attributes, argv.data(), environ);
        posix_spawnattr_destroy (&attributes);
        posix_spawn_file_actions_destroy (&actions);
        return process;
    }

    struct Direction
    {
        double azimuth; // degrees, clockwise seen from above
        double elevation; // degrees, positive upward
    };

    /** Where an ambiX recording (W Y Z X) points over a span, from each component's correlation with W. */
    Direction directionOf (const juce::AudioBuffer<float>& ambiX, int start, int end)
    {
        double x = 0.0, y = 0.0, z = 0.0;

        for (auto i = start; i < end; ++i)
        {
            const auto w = static_cast<double> (ambiX.getSample (0, i));
            y += w * static_cast<double> (ambiX.getSample (1, i));
            z += w * static_cast<double> (ambiX.getSample (2, i));
            x += w * static_cast<double> (ambiX.getSample (3, i));
        }

        return { -juce::radiansToDegrees (std::atan2 (y, x)), juce::radiansToDegrees (std::atan2 (z, std::hypot (x, y))) };
    }

    class Renderer : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            directory = juce::File::createTempFile ("velorin-render-test");
            ASSERT_TRUE (directory.createDirectory());
        }

        void TearDown() override
        {
            directory.deleteRecursively();
        }

        /** A failed run says why on one line, exits non-zero and leaves no file behind. */
        void expectRejected (const juce::StringArray& arguments, const juce::String& expectedWords)
        {
            const auto before = directory.getNumberOfChildFiles (juce::File::findFilesAndDirectories);
            const auto result = runRenderer (arguments);

            EXPECT_NE (result.exitCode, 0) << arguments.joinIntoString (" ");
            EXPECT_TRUE (result.output.containsIgnoreCase (expectedWords)) << result.output;
            EXPECT_EQ (juce::StringArray::fromLines (result.output.trim()).size(), 1) << result.output;
            EXPECT_EQ (directory.getNumberOfChildFiles (juce::File::findFilesAndDirectories), before) << arguments.joinIntoString (" ");
        }

        juce::File directory;
    };
} // namespace

TEST_F (Renderer, demoAtTheFrontInAmbiXHasEqualWAndXAndSilentYAndZ)
{
    const auto output = directory.getChildFile ("demo.wav");
    const auto result = runRenderer ({ "--output", output.getFullPathName() });
    ASSERT_EQ (result.exitCode, 0) << result.output;

    EXPECT_TRUE (result.output.contains (output.getFullPathName()));
    EXPECT_TRUE (result.output.contains ("W -6.02 dB  Y -inf dB  Z -inf dB  X -6.02 dB")) << result.output;

    // Progress is drawn only on a terminal: a piped output holds no progress line.
    EXPECT_FALSE (result.output.containsAnyOf ("\r%")) << result.output;

    auto reader = openWav (output);
    ASSERT_NE (reader, nullptr);
    EXPECT_EQ (reader->numChannels, 4u);
    EXPECT_EQ (reader->bitsPerSample, 32u);
    EXPECT_TRUE (reader->usesFloatingPointData);

    const auto samples = readAll (*reader);
    EXPECT_GT (samples.getMagnitude (0, 0, samples.getNumSamples()), 0.1f);

    for (auto i = 0; i < samples.getNumSamples(); ++i)
    {
        ASSERT_EQ (samples.getSample (0, i), samples.getSample (3, i)) << i;
        ASSERT_EQ (samples.getSample (1, i), 0.0f) << i;
        ASSERT_EQ (samples.getSample (2, i), 0.0f) << i;
    }
}

TEST_F (Renderer, directionAndFormatOptionsReachTheEncoder)
{
    const auto output = directory.getChildFile ("left.wav");
    const auto result = runRenderer ({ "--azimuth", "-90", "--format", "FuMa", "--gain", "-6", "--output", output.getFullPathName() });
    ASSERT_EQ (result.exitCode, 0) << result.output;

    const auto samples = readAll (*openWav (output));
    const auto peakOf = [&] (int channel)
    { return samples.getMagnitude (channel, 0, samples.getNumSamples()); };

    // FuMa order W X Y Z; a source 90 degrees to the left lies on +Y, with W 3 dB below it.
    EXPECT_LT (peakOf (1), peakOf (2) * 1.0e-3f);
    EXPECT_NEAR (peakOf (0) / peakOf (2), 0.70710677f, 1.0e-3f);
    EXPECT_EQ (peakOf (3), 0.0f);
    EXPECT_NEAR (juce::Decibels::gainToDecibels (peakOf (2)), -12.04f, 0.05f);
}

TEST_F (Renderer, outputDoesNotDependOnTheHostBlockSize)
{
    const auto a = directory.getChildFile ("a.wav");
    const auto b = directory.getChildFile ("b.wav");
    ASSERT_EQ (runRenderer ({ "--block-size", "64", "--azimuth", "30", "--output", a.getFullPathName() }).exitCode, 0);
    ASSERT_EQ (runRenderer ({ "--block-size", "10000", "--azimuth", "30", "--output", b.getFullPathName() }).exitCode, 0);

    juce::MemoryBlock first, second;
    a.loadFileAsData (first);
    b.loadFileAsData (second);
    EXPECT_EQ (first, second);
}

TEST_F (Renderer, readsMultichannelInputAndChoosesTheLayoutAsAHostWould)
{
    const auto input = directory.getChildFile ("bed.wav");
    writeWav (input, 6, 4800);

    const auto output = directory.getChildFile ("out.wav");
    const auto result = runRenderer ({ "--input", input.getFullPathName(), "--output", output.getFullPathName() });
    ASSERT_EQ (result.exitCode, 0) << result.output;
    EXPECT_TRUE (result.output.contains ("5.1 - L R C Lfe Ls Rs")) << result.output;

    auto reader = openWav (output);
    ASSERT_NE (reader, nullptr);
    EXPECT_EQ (reader->lengthInSamples, 4800);
    EXPECT_EQ (reader->numChannels, 4u);
}

TEST_F (Renderer, spreadsA51BedSoThatEachChannelLandsAtItsLayoutDirection)
{
    // Each channel of the bed plays alone in its own half second, after a settling lead-in.
    constexpr int window = 24000, leadIn = 24000;
    const auto input = directory.getChildFile ("bed-5.1.wav");
    {
        juce::Random random (9);
        juce::AudioBuffer<float> bed (6, leadIn + 6 * window);
        bed.clear();

        for (auto channel = 0; channel < 6; ++channel)
            for (auto i = 0; i < window; ++i)
                bed.setSample (channel, leadIn + channel * window + i, random.nextFloat() - 0.5f);

        juce::WavAudioFormat wav;
        std::unique_ptr<juce::AudioFormatWriter> writer (wav.createWriterFor (input.createOutputStream().release(), 48000.0, 6, 32, {}, 0));
        writer->writeFromAudioSampleBuffer (bed, 0, bed.getNumSamples());
    }

    const auto output = directory.getChildFile ("bed-bformat.wav");
    const auto result = runRenderer ({ "--input", input.getFullPathName(), "--width", "100", "--azimuth", "20", "--output", output.getFullPathName() });
    ASSERT_EQ (result.exitCode, 0) << result.output;
    EXPECT_TRUE (result.output.contains ("5.1 - L R C Lfe Ls Rs"));

    const auto encoded = readAll (*openWav (output));
    const float offsets[] = { -30.0f, 30.0f, 0.0f, 0.0f, -120.0f, 120.0f }; // L R C Lfe Ls Rs, clockwise

    for (auto channel = 0; channel < 6; ++channel)
    {
        const auto direction = directionOf (encoded, leadIn + channel * window, leadIn + (channel + 1) * window);
        EXPECT_NEAR (std::remainder (direction.azimuth - (20.0 + static_cast<double> (offsets[channel])), 360.0), 0.0, 0.05) << "channel " << channel;
        EXPECT_NEAR (direction.elevation, 0.0, 0.006) << "channel " << channel;
    }
}

TEST_F (Renderer, helpListsEveryOption)
{
    const auto result = runRenderer ({ "--help" });
    EXPECT_EQ (result.exitCode, 0);

    for (const auto* option : { "--input", "--output", "--format", "--azimuth", "--elevation", "--distance", "--width", "--gain", "--block-size", "--layout", "--attenuation", "--help" })
        EXPECT_TRUE (result.output.contains (option)) << option;
}

TEST_F (Renderer, rejectsBadCommandLinesWithOneLineAndNoFile)
{
    const auto output = directory.getChildFile ("never.wav").getFullPathName();

    expectRejected ({ "--bogus", "1", "--output", output }, "unknown option");
    expectRejected ({ "--azimuth", "181", "--output", output }, "out of range");
    expectRejected ({ "--elevation", "-91", "--output", output }, "out of range");
    expectRejected ({ "--distance", "4.5", "--output", output }, "out of range");
    expectRejected ({ "--gain", "11", "--output", output }, "out of range");
    expectRejected ({ "--block-size", "0", "--output", output }, "out of range");
    expectRejected ({ "--block-size", "1.5", "--output", output }, "whole number");
    expectRejected ({ "--azimuth", "left", "--output", output }, "needs a number");
    expectRejected ({ "--azimuth", "nan", "--output", output }, "needs a number");
    expectRejected ({ "--format", "B", "--output", output }, "FuMa or ambiX");
    expectRejected ({ "--bits", "20", "--output", output }, "--bits must be 16, 24 or 32");
    expectRejected ({ "--type", "mp3", "--output", output }, "--type must be wav or flac");
    expectRejected ({ "--bits", "32", "--output", directory.getChildFile ("never.flac").getFullPathName() }, "FLAC holds 16 or 24-bit samples");
    expectRejected ({ "--output" }, "missing value");
    expectRejected ({ "a.wav", "b.wav", "--output", output }, "need --output-dir");
    expectRejected ({ "--output-dir", directory.getFullPathName(), "--output", output, "a.wav" }, "cannot be used together");
    expectRejected ({ "--output-dir", directory.getFullPathName() }, "needs input files");
    expectRejected ({ "--output-dir", directory.getFullPathName(), "a.wav", "other/a.wav" }, "would both render to");
}

TEST_F (Renderer, rejectsInputsItCannotUse)
{
    const auto output = directory.getChildFile ("never.wav").getFullPathName();

    expectRejected ({ "--input", directory.getChildFile ("missing.wav").getFullPathName(), "--output", output }, "no such file");

    const auto text = directory.getChildFile ("text.wav");
    text.replaceWithText ("this is not audio");
    expectRejected ({ "--input", text.getFullPathName(), "--output", output }, "not a WAV, FLAC, AIFF or Ogg Vorbis file");

    const auto threeChannels = directory.getChildFile ("three.wav");
    writeWav (threeChannels, 3, 100);
    expectRejected ({ "--input", threeChannels.getFullPathName(), "--output", output }, "3 channels");
}

TEST_F (Renderer, rejectsOutputsItCannotWriteAndLeavesNothingBehind)
{
    expectRejected ({ "--output", directory.getChildFile ("no/such/dir/out.wav").getFullPathName() }, "cannot write");

    // A path that names a directory cannot become the output file, even for root.
    const auto existingDirectory = directory.getChildFile ("taken.wav");
    ASSERT_TRUE (existingDirectory.createDirectory());
    expectRejected ({ "--output", existingDirectory.getFullPathName() }, "cannot write");
}

TEST_F (Renderer, takesTheLayoutFromTheChannelMaskElseFromTheChannelCount)
{
    using Set = juce::AudioChannelSet;
    const auto named = [] (std::initializer_list<Set::ChannelType> speakers)
    {
        Set set;
        for (const auto speaker : speakers)
            set.addChannel (speaker);
        return set;
    };

    struct Case
    {
        Set speakers; // discrete: the file has no channel mask
        const char* layout;
        const char* reason;
    };

    // clang-format off
    const Case cases[] = {
        { Set::discreteChannels (1),                                          "Mono",                        "from the channel count" },
        { Set::discreteChannels (2),                                          "Stereo",                      "from the channel count" },
        { Set::discreteChannels (4),                                          "4.0 - L R Ls Rs",             "from the channel count" },
        { Set::discreteChannels (6),                                          "5.1 - L R C Lfe Ls Rs",       "from the channel count" },
        { Set::discreteChannels (8),                                          "7.1 - L R C Lfe Ls Rs Sl Sr", "from the channel count" },
        { Set::quadraphonic(),                                                "4.0 - L R Ls Rs",             "from the file's channel mask" },
        { named ({ Set::left, Set::right, Set::leftSurroundSide, Set::rightSurroundSide }), "4.0 - L R Ls Rs",             "from the file's channel mask" },
        { Set::create5point1(),                                               "5.1 - L R C Lfe Ls Rs",       "from the file's channel mask" },
        { named ({ Set::left, Set::right, Set::centre, Set::LFE, Set::leftSurroundSide, Set::rightSurroundSide }), "5.1 - L R C Lfe Ls Rs",       "from the file's channel mask" },
        { named ({ Set::left, Set::right, Set::centre, Set::LFE, Set::leftSurround, Set::rightSurround, Set::leftSurroundSide, Set::rightSurroundSide }), "7.1 - L R C Lfe Ls Rs Sl Sr", "from the file's channel mask" },
        { named ({ Set::left, Set::right, Set::centre, Set::leftSurround, Set::rightSurround, Set::centreSurround, Set::leftSurroundSide, Set::rightSurroundSide }), "8.0 - L R C Ls Rs Cs Sl Sr",  "from the file's channel mask" },
    };
    // clang-format on

    const auto input = directory.getChildFile ("bed.wav");
    const auto output = directory.getChildFile ("bed-bformat.wav");

    for (const auto& c : cases)
    {
        // Only the last channel sounds: a layout that dropped it would render silence.
        auto samples = noise (c.speakers.size(), 4800);
        for (auto channel = 0; channel + 1 < samples.getNumChannels(); ++channel)
            samples.clear (channel, 0, samples.getNumSamples());

        writeWav (input, samples, c.speakers);
        const auto result = runRenderer ({ input.getFullPathName(), "--output", output.getFullPathName() });
        ASSERT_EQ (result.exitCode, 0) << result.output;
        EXPECT_TRUE (result.output.contains (juce::String ("input layout \"") + c.layout + "\", " + c.reason)) << result.output;

        const auto encoded = readAll (*openWav (output));
        EXPECT_GT (encoded.getMagnitude (0, 0, encoded.getNumSamples()), 0.1f) << c.layout;
    }

    // The framework writes 8 channels as L R C Lfe Ls Rs Lc Rc by default, and no layout has those speakers.
    const auto wide = directory.getChildFile ("wide.wav");
    writeWav (wide, 8, 480);
    const auto never = directory.getChildFile ("never.wav").getFullPathName();
    expectRejected ({ wide.getFullPathName(), "--output", never }, "wide.wav's channel mask names the speakers L R C Lfe Ls Rs Lc Rc, which match no input layout; choose one with --layout");

    const auto lcrs = directory.getChildFile ("lcrs.wav");
    writeWav (lcrs, juce::AudioBuffer<float> (4, 480), Set::createLCRS());
    expectRejected ({ lcrs.getFullPathName(), "--output", never }, "the speakers L R C Cs,");

    const auto chosen = runRenderer ({ wide.getFullPathName(), "--layout", "12", "--output", output.getFullPathName() });
    EXPECT_EQ (chosen.exitCode, 0) << chosen.output;
    EXPECT_TRUE (chosen.output.contains ("input layout \"8.0 - L C R Sr Rs Cs Ls Sl\", from --layout")) << chosen.output;
}

TEST_F (Renderer, refusesToWriteOverItsInputUnderAnyNameAndLeavesItUntouched)
{
    const auto input = directory.getChildFile ("a.wav");
    writeWav (input, 2, 4800);
    juce::MemoryBlock before;
    input.loadFileAsData (before);

    ASSERT_EQ (symlink ("a.wav", directory.getChildFile ("soft.wav").getFullPathName().toRawUTF8()), 0);
    ASSERT_EQ (link (input.getFullPathName().toRawUTF8(), directory.getChildFile ("hard.wav").getFullPathName().toRawUTF8()), 0);
    const auto path = directory.getChildFile ("moves.csv");
    path.replaceWithText ("0,10\n");

    const auto previousDirectory = juce::File::getCurrentWorkingDirectory();
    directory.setAsCurrentWorkingDirectory();

    for (const auto& output : { juce::String ("a.wav"), juce::String ("./a.wav"), "../" + directory.getFileName() + "/a.wav", juce::String ("soft.wav"), juce::String ("hard.wav") })
        expectRejected ({ "--input", "a.wav", "--output", output }, "it is the same file as the input");

    expectRejected ({ "a.wav", "--path", "moves.csv", "--output", "moves.csv" }, "it is the same file as the input");
    previousDirectory.setAsCurrentWorkingDirectory();

    juce::MemoryBlock after;
    input.loadFileAsData (after);
    EXPECT_EQ (before, after);
}

TEST_F (Renderer, namesTheLineOfEveryBadRowInAPathFile)
{
    struct Case
    {
        const char* text;
        const char* error;
    };

    // clang-format off
    const Case cases[] = {
        { "0,10\n1,left\n",                       "moves.csv line 2: azimuth \"left\" is not a number" },
        { "0,10\n1,200\n",                        "moves.csv line 2: azimuth 200 is out of range (-180 to 180 degrees)" },
        { "0,0,91\n",                             "moves.csv line 1: elevation 91 is out of range" },
        { "0,0,0,1,0,11\n",                       "moves.csv line 1: gain 11 is out of range" },
        { "# turn\n0,0\n2,10\n\n1.5,20\n",         "moves.csv line 5: time 1.5 s comes before the previous row's 2 s" },
        { "-1,0\n",                               "moves.csv line 1: seconds -1 is negative" },
        { "0,0,0,1,0,0,5\n",                      "moves.csv line 1: 7 values; a row has at most 6" },
        { "0,10\n1,,5\n",                         "moves.csv line 2: no azimuth value before a later column" },
        { "seconds,azimuth\n0,0\nseconds,azimuth\n", "moves.csv line 3: seconds \"seconds\" is not a number" },
        { "# nothing yet\n\n",                     "moves.csv has no rows" },
    };
    // clang-format on

    const auto path = directory.getChildFile ("moves.csv");
    const auto output = directory.getChildFile ("never.wav").getFullPathName();

    for (const auto& c : cases)
    {
        path.replaceWithText (c.text);
        expectRejected ({ "--path", path.getFullPathName(), "--output", output }, c.error);
    }
}

TEST_F (Renderer, aPathMovesTheSourceAtEveryBlockAsAHostPlaysAutomation)
{
    constexpr int sampleRate = 48000, window = 1200;
    const auto input = directory.getChildFile ("mono.wav");
    writeWav (input, noise (1, 3 * sampleRate), juce::AudioChannelSet::mono());

    // A half turn to the right while rising, then back to the front at the height reached.
    const auto path = directory.getChildFile ("moves.csv");
    path.replaceWithText ("seconds,azimuth,elevation\n0.5,-90,0\n1.5,90,30\n2.5,0\n");

    const auto output = directory.getChildFile ("moving.wav");
    const auto result = runRenderer ({ input.getFullPathName(), "--path", path.getFullPathName(), "--output", output.getFullPathName() });
    ASSERT_EQ (result.exitCode, 0) << result.output;

    const auto expectedAt = [] (double seconds) -> Direction
    {
        if (seconds < 0.5)
            return { -90.0, 0.0 };
        if (seconds < 1.5)
            return { -90.0 + 180.0 * (seconds - 0.5), 30.0 * (seconds - 0.5) };
        if (seconds < 2.5)
            return { 90.0 - 90.0 * (seconds - 1.5), 30.0 };
        return { 0.0, 30.0 };
    };

    // Each block holds the value at its start, and the encoder glides after it: the
    // sound trails a sweep of 180 degrees a second by up to about a block (2 degrees).
    const auto encoded = readAll (*openWav (output));

    for (auto start = 0; start + window <= encoded.getNumSamples(); start += window)
    {
        const auto seconds = (start + window / 2) / static_cast<double> (sampleRate);
        const auto measured = directionOf (encoded, start, start + window);
        const auto expected = expectedAt (seconds);
        EXPECT_NEAR (measured.azimuth, expected.azimuth, 2.5) << seconds << " s";
        EXPECT_NEAR (measured.elevation, expected.elevation, 0.5) << seconds << " s";
    }
}

TEST_F (Renderer, rendersEveryFileOfABatchAndNamesTheOnesThatFail)
{
    const auto outputs = directory.getChildFile ("encoded"); // made by the renderer
    writeWav (directory.getChildFile ("a.wav"), 2, 4800);
    writeWav (directory.getChildFile ("b.wav"), 3, 4800);
    writeWav (directory.getChildFile ("c.wav"), 1, 2400);

    juce::StringArray arguments { "--output-dir", outputs.getFullPathName(), "--azimuth", "30" };

    for (const auto* name : { "a.wav", "b.wav", "c.wav" })
        arguments.add (directory.getChildFile (name).getFullPathName());

    const auto result = runRenderer (arguments);

    EXPECT_EQ (result.exitCode, 1);
    EXPECT_TRUE (result.output.contains ("b.wav: b.wav has 3 channels")) << result.output;
    EXPECT_TRUE (result.output.contains ("1 of 3 files failed: b.wav")) << result.output;

    for (const auto& [name, length] : { std::pair { "a-bformat.wav", 4800 }, std::pair { "c-bformat.wav", 2400 } })
    {
        auto reader = openWav (outputs.getChildFile (name));
        ASSERT_NE (reader, nullptr) << name;
        EXPECT_EQ (reader->numChannels, 4u);
        EXPECT_EQ (reader->lengthInSamples, length);
    }

    EXPECT_EQ (outputs.getNumberOfChildFiles (juce::File::findFilesAndDirectories), 2);
}

TEST_F (Renderer, stopsOnCtrlCOrTerminationAndLeavesNoOutputBehind)
{
    // One-sample blocks make a render that lasts many seconds.
    const auto input = directory.getChildFile ("long.wav");
    writeWav (input, noise (1, 30 * 48000), juce::AudioChannelSet::mono());
    const auto output = directory.getChildFile ("out.wav");

    for (const auto signalNumber : { SIGINT, SIGTERM })
    {
        const auto process = startRenderer ({ input.getFullPathName(), "--block-size", "1", "--output", output.getFullPathName() });
        ASSERT_GT (process, 0);

        // The unfinished output appears beside the target once the render runs.
        for (auto waited = 0; waited < 10000 && directory.getNumberOfChildFiles (juce::File::findFiles) < 2; waited += 2)
            juce::Thread::sleep (2);

        kill (process, signalNumber);
        auto status = 0;
        ASSERT_EQ (waitpid (process, &status, 0), process);
        EXPECT_TRUE (WIFSIGNALED (status) && WTERMSIG (status) == signalNumber) << status;
        EXPECT_EQ (directory.findChildFiles (juce::File::findFilesAndDirectories, false), juce::Array<juce::File> { input });
    }
}

namespace
{
    /** A file of the framework's format of a type; only its last channel sounds. */
    void writeInput (const juce::File& file, AudioFileFormats::Type type, int numChannels)
    {
        auto samples = noise (numChannels, 4800);

        for (auto channel = 0; channel + 1 < numChannels; ++channel)
            samples.clear (channel, 0, samples.getNumSamples());

        file.deleteFile();
        const auto format = AudioFileFormats::create (type);
        std::unique_ptr<juce::AudioFormatWriter> writer (format->createWriterFor (file.createOutputStream().release(), 48000.0, static_cast<unsigned int> (numChannels), type == AudioFileFormats::Type::oggVorbis ? 0 : 24, {}, 0));
        ASSERT_NE (writer, nullptr);
        writer->writeFromAudioSampleBuffer (samples, 0, samples.getNumSamples());
    }

    /** Adds a tag to a FLAC file, as FLAC's encoder keeps a WAV file's channel mask. */
    void addFlacTag (const juce::File& file, const juce::String& tag)
    {
        auto* chain = FLAC__metadata_chain_new();
        ASSERT_TRUE (FLAC__metadata_chain_read (chain, file.getFullPathName().toRawUTF8()));
        auto* comments = FLAC__metadata_object_new (FLAC__METADATA_TYPE_VORBIS_COMMENT);
        FLAC__StreamMetadata_VorbisComment_Entry entry { static_cast<FLAC__uint32> (tag.getNumBytesAsUTF8()), (FLAC__byte*) tag.toRawUTF8() };
        FLAC__metadata_object_vorbiscomment_append_comment (comments, entry, true);

        auto* position = FLAC__metadata_iterator_new();
        FLAC__metadata_iterator_init (position, chain);
        ASSERT_TRUE (FLAC__metadata_iterator_insert_block_after (position, comments));
        FLAC__metadata_iterator_delete (position);
        ASSERT_TRUE (FLAC__metadata_chain_write (chain, true, false));
        FLAC__metadata_chain_delete (chain);
    }

    /** Adds a channel layout chunk (tag, bitmap, one label per channel) to an AIFF file. */
    void addAiffLayout (const juce::File& file, juce::uint32 tag, juce::uint32 bitmap, std::initializer_list<juce::uint32> labels)
    {
        juce::MemoryBlock bytes;
        file.loadFileAsData (bytes);
        juce::MemoryOutputStream out (bytes, true);
        out.write ("CHAN", 4);
        out.writeIntBigEndian (static_cast<int> (12 + 20 * labels.size()));

        for (const auto word : { tag, bitmap, static_cast<juce::uint32> (labels.size()) })
            out.writeIntBigEndian (static_cast<int> (word));

        for (const auto label : labels)
            for (const auto word : { label, 0u, 0u, 0u, 0u })
                out.writeIntBigEndian (static_cast<int> (word));

        out.flush();
        const auto formSize = juce::ByteOrder::swapIfLittleEndian (static_cast<juce::uint32> (bytes.getSize() - 8));
        bytes.copyFrom (&formSize, 4, 4);
        file.replaceWithData (bytes.getData(), bytes.getSize());
    }
} // namespace

TEST_F (Renderer, readsFlacAiffAndOggVorbisAndTakesTheLayoutTheirFilesName)
{
    using Type = AudioFileFormats::Type;
    using Naming = std::function<void (const juce::File&)>; // what the file says about its speakers

    // clang-format off
    const std::tuple<Type, int, Naming, const char*> cases[] {
        { Type::flac,      6, [] (auto& f) { addFlacTag (f, "WAVEFORMATEXTENSIBLE_CHANNEL_MASK=0x60F"); }, "input layout \"5.1 - L R C Lfe Ls Rs\", from the file's channel mask" },
        { Type::flac,      8, [] (auto& f) { addFlacTag (f, "WAVEFORMATEXTENSIBLE_CHANNEL_MASK=0x63F"); }, "input layout \"7.1 - L R C Lfe Ls Rs Sl Sr\", from the file's channel mask" },
        { Type::flac,      4, {},                                                                          "input layout \"4.0 - L R Ls Rs\", from the channel count; the file has no channel mask" },
        { Type::aiff,      8, [] (auto& f) { addAiffLayout (f, 1u << 16, 0x737, {}); },                    "input layout \"8.0 - L R C Ls Rs Cs Sl Sr\", from the file's channel layout" },
        { Type::aiff,      4, [] (auto& f) { addAiffLayout (f, 0, 0, { 1, 2, 10, 11 }); },                 "input layout \"4.0 - L R Ls Rs\", from the file's channel layout" },
        { Type::aiff,      6, [] (auto& f) { addAiffLayout (f, (121u << 16) | 6, 0, {}); },                "input layout \"5.1 - L R C Lfe Ls Rs\", from the file's channel layout" },
        { Type::aiff,      2, {},                                                                          "input layout \"Stereo\", from the channel count" },
        { Type::oggVorbis, 6, {},                                                                          "input layout \"5.1 - L C R Ls Rs Lfe\", from the channel count, in the order of Ogg Vorbis" },
        { Type::oggVorbis, 8, {},                                                                          "input layout \"7.1 - L C R Sl Sr Ls Rs Lfe\", from the channel count, in the order of Ogg Vorbis" },
    };
    // clang-format on

    const auto input = directory.getChildFile ("bed.in");
    const auto output = directory.getChildFile ("bed-bformat.wav");

    for (const auto& [type, numChannels, name, expected] : cases)
    {
        writeInput (input, type, numChannels);

        if (name)
            name (input);

        const auto result = runRenderer ({ input.getFullPathName(), "--output", output.getFullPathName() });
        ASSERT_EQ (result.exitCode, 0) << result.output;
        EXPECT_TRUE (result.output.contains (expected)) << result.output;
        EXPECT_GT (readAll (*openWav (output)).getMagnitude (0, 0, 4800), 0.05f) << expected;
    }

    const auto never = directory.getChildFile ("never.wav").getFullPathName();
    writeInput (input, Type::aiff, 6);
    addAiffLayout (input, (123u << 16) | 6, 0, {});
    expectRejected ({ input.getFullPathName(), "--output", never }, "bed.in's channel layout tag 0x7b0006 is not one the renderer reads; choose a layout with --layout");
    writeInput (input, Type::aiff, 4);
    addAiffLayout (input, 0, 0, { 1, 2, 33, 34 });
    expectRejected ({ input.getFullPathName(), "--output", never }, "labels a channel 33, which is no speaker");
    writeInput (input, Type::flac, 2);
    addFlacTag (input, "WAVEFORMATEXTENSIBLE_CHANNEL_MASK=left");
    expectRejected ({ input.getFullPathName(), "--output", never }, "is not a hexadecimal channel mask");
}

TEST_F (Renderer, writesPcmWavAndFlacRoundedToTheStepDitheredAt16BitsAndWarnsWhenTheyClip)
{
    const auto reference = directory.getChildFile ("float.wav");
    ASSERT_EQ (runRenderer ({ "--output", reference.getFullPathName() }).exitCode, 0);
    const auto exact = readAll (*openWav (reference));

    juce::AudioFormatManager formats;
    AudioFileFormats::registerReadable (formats);

    for (const auto& [name, bits, type] : { std::tuple { "pcm16.wav", 16, "WAV" }, { "pcm24.wav", 24, "WAV" }, { "pcm16.flac", 16, "FLAC" }, { "pcm24.flac", 24, "FLAC" } })
    {
        const auto file = directory.getChildFile (name);
        const auto result = runRenderer ({ "--output", file.getFullPathName(), "--bits", juce::String (bits), "--block-size", "100" });
        ASSERT_EQ (result.exitCode, 0) << result.output;
        EXPECT_TRUE (result.output.contains (juce::String (bits) + "-bit " + type)) << result.output;
        EXPECT_FALSE (result.output.contains ("clipped")) << result.output;

        std::unique_ptr<juce::AudioFormatReader> reader (formats.createReaderFor (file));
        ASSERT_NE (reader, nullptr);
        EXPECT_EQ (reader->bitsPerSample, static_cast<unsigned int> (bits));
        const auto samples = readAll (*reader);
        ASSERT_EQ (samples.getNumSamples(), exact.getNumSamples());

        // Rounded to the nearest step; at 16 bits TPDF dither adds up to a step either
        // side, and the silent Y and Z carry it.
        const auto step = std::ldexp (1.0, 1 - bits);
        auto largestError = 0.0;

        for (auto channel = 0; channel < 4; ++channel)
            for (auto i = 0; i < samples.getNumSamples(); ++i)
                largestError = std::max (largestError, std::abs (static_cast<double> (samples.getSample (channel, i)) - static_cast<double> (exact.getSample (channel, i))) / step);

        EXPECT_LE (largestError, bits == 16 ? 1.5 : 0.5) << name;
        EXPECT_EQ (samples.getMagnitude (1, 0, samples.getNumSamples()) > 0.0f, bits == 16) << name;
    }

    // The same samples whatever the block size, dither included.
    const auto again = directory.getChildFile ("again.flac");
    ASSERT_EQ (runRenderer ({ "--output", again.getFullPathName(), "--bits", "16", "--block-size", "4096" }).exitCode, 0);
    juce::MemoryBlock first, second;
    directory.getChildFile ("pcm16.flac").loadFileAsData (first);
    again.loadFileAsData (second);
    EXPECT_EQ (first, second);

    const auto loud = runRenderer ({ "--output", directory.getChildFile ("loud.wav").getFullPathName(), "--bits", "24", "--gain", "10" });
    EXPECT_EQ (loud.exitCode, 0);
    EXPECT_TRUE (loud.output.contains ("warning: loud.wav clipped:")) << loud.output;
    EXPECT_TRUE (loud.output.contains ("the peak is +3.98 dBFS (W)")) << loud.output;
    EXPECT_FALSE (runRenderer ({ "--output", directory.getChildFile ("loud-float.wav").getFullPathName(), "--gain", "10" }).output.contains ("clipped"));
}
