#include "../support/TestProcessors.h"

#include <benchmark/benchmark.h>

#include <juce_events/juce_events.h>

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

namespace
{
    struct Bed
    {
        const char* name;
        int channels;
        int layout;
    };

    constexpr Bed beds[] = {
        { "mono", 1, 0 },
        { "stereo", 2, 1 },
        { "5.1", 6, 4 },
        { "7.1", 8, 8 },
    };

    void reportPerFrame (benchmark::State& state, int blockSize)
    {
        // Seconds per sample frame, printed with its SI prefix (n for nanoseconds).
        state.counters["per_frame"] = benchmark::Counter (static_cast<double> (state.iterations() * blockSize),
                                                          benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    }

    /** processBlock on a bed of noise; gliding moves the source every block, so
        that every encoder gain is always on its way to a new target.
    */
    void processBlock (benchmark::State& state, const Bed& bed, bool gliding)
    {
        const auto blockSize = static_cast<int> (state.range (0));
        HostedProcessor processor;
        processor.prepare (bed.channels, 4, blockSize);
        processor.restoreInputConfig (bed.layout);
        processor.setParameter (VevazovAzudAudioProcessor::widthIndex, 1.0f);
        processor.setParameter (VevazovAzudAudioProcessor::gainIndex, 0.85f);

        const auto source = makeNoise (std::max (bed.channels, 4), blockSize);
        auto buffer = source;

        for (auto warmUp = 0; warmUp < 16384 / blockSize + 2; ++warmUp)
            processor.process (buffer);

        auto azimuth = 0.3f;

        for (auto _ : state)
        {
            if (gliding)
            {
                azimuth = azimuth > 0.7f ? 0.3f : azimuth + 0.01f;
                processor.setParameter (VevazovAzudAudioProcessor::azimuthIndex, azimuth);
            }

            buffer.makeCopyOf (source, true);
            processor.process (buffer);
            benchmark::DoNotOptimize (buffer.getReadPointer (0));
        }

        reportPerFrame (state, blockSize);
    }

    /** The floor: eight inputs multiplied into four outputs with fixed gains, the
        same buffer copy included.
    */
    void referenceKernel (benchmark::State& state)
    {
        const auto blockSize = static_cast<int> (state.range (0));
        const auto source = makeNoise (8, blockSize);
        auto buffer = source;
        juce::AudioBuffer<float> outputs (4, blockSize);
        float gains[8][4];

        for (auto i = 0; i < 8; ++i)
            for (auto k = 0; k < 4; ++k)
                gains[i][k] = 0.1f * static_cast<float> (i + k + 1);

        for (auto _ : state)
        {
            buffer.makeCopyOf (source, true);

            for (auto k = 0; k < 4; ++k)
            {
                auto* out = outputs.getWritePointer (k);
                const auto* in0 = buffer.getReadPointer (0);

                for (auto j = 0; j < blockSize; ++j)
                    out[j] = in0[j] * gains[0][k];

                for (auto i = 1; i < 8; ++i)
                {
                    const auto* in = buffer.getReadPointer (i);

                    for (auto j = 0; j < blockSize; ++j)
                        out[j] = out[j] + in[j] * gains[i][k];
                }
            }

            benchmark::DoNotOptimize (outputs.getReadPointer (0));
        }

        reportPerFrame (state, blockSize);
    }
} // namespace

int main (int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI framework;

    for (const auto& bed : beds)
    {
        for (const auto gliding : { false, true })
        {
            const auto name = std::string ("processBlock/") + bed.name + (gliding ? "/gliding" : "/settled");
            benchmark::RegisterBenchmark (name.c_str(), [&bed, gliding] (benchmark::State& state)
                                          { processBlock (state, bed, gliding); })
                ->Arg (64)
                ->Arg (512)
                ->Arg (4096);
        }
    }

    benchmark::RegisterBenchmark ("referenceKernel/8x4", referenceKernel)->Arg (64)->Arg (512)->Arg (4096);

    benchmark::Initialize (&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
