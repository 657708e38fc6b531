#include <gtest/gtest.h>

#include <juce_audio_formats/juce_audio_formats.h>

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

    void writeWav (const juce::File& file, int numChannels, int numSamples)
    {
        juce::Random random (3);
        juce::AudioBuffer<float> buffer (numChannels, numSamples);

        for (auto channel = 0; channel < numChannels; ++channel)
            for (auto i = 0; i < numSamples; ++i)
                buffer.setSample (channel, i, random.nextFloat() - 0.5f);

        juce::WavAudioFormat wav;
        std::unique_ptr<juce::AudioFormatWriter> writer (wav.createWriterFor (file.createOutputStream().release(), 48000.0, static_cast<unsigned int> (numChannels), 24, {}, 0));
        writer->writeFromAudioSampleBuffer (buffer, 0, numSamples);
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
        // ambiX: W Y Z X. The direction is read from each component's correlation with W.
        double x = 0.0, y = 0.0, z = 0.0;
        for (auto i = leadIn + channel * window; i < leadIn + (channel + 1) * window; ++i)
        {
            const auto w = static_cast<double> (encoded.getSample (0, i));
            y += w * static_cast<double> (encoded.getSample (1, i));
            z += w * static_cast<double> (encoded.getSample (2, i));
            x += w * static_cast<double> (encoded.getSample (3, i));
        }

        const auto clockwiseDegrees = -juce::radiansToDegrees (std::atan2 (y, x));
        EXPECT_NEAR (std::remainder (clockwiseDegrees - (20.0 + static_cast<double> (offsets[channel])), 360.0), 0.0, 0.05) << "channel " << channel;
        EXPECT_NEAR (z / std::hypot (x, y), 0.0, 1.0e-4) << "channel " << channel;
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
    expectRejected ({ "--output" }, "missing value");
}

TEST_F (Renderer, rejectsInputsItCannotUse)
{
    const auto output = directory.getChildFile ("never.wav").getFullPathName();

    expectRejected ({ "--input", directory.getChildFile ("missing.wav").getFullPathName(), "--output", output }, "no such file");

    const auto text = directory.getChildFile ("text.wav");
    text.replaceWithText ("this is not audio");
    expectRejected ({ "--input", text.getFullPathName(), "--output", output }, "not a WAV file");

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
