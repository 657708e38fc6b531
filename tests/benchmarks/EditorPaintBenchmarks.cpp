#include "../editor/EditorStandIn.h"
#include "../support/TestProcessors.h"

#include <benchmark/benchmark.h>

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    struct Tick
    {
        const char* name;
        int layout;
        int viewIndex;
        bool sourceMoves;
    };

    // Meters repaint on every tick; the visible pad only when the source moved.
    constexpr Tick ticks[] = {
        { "editorTick/stereo/topView/meters", 1, 0, false },
        { "editorTick/stereo/topView/metersAndPad", 1, 0, true },
        { "editorTick/stereo/unwrappedView/meters", 1, 1, false },
        { "editorTick/stereo/unwrappedView/metersAndPad", 1, 1, true },
        { "editorTick/7.1/topView/meters", 8, 0, false },
        { "editorTick/7.1/topView/metersAndPad", 8, 0, true },
        { "editorTick/7.1/unwrappedView/meters", 8, 1, false },
        { "editorTick/7.1/unwrappedView/metersAndPad", 8, 1, true },
    };

    /** What one 50 ms tick of the editor paints: the regions it repaints, over
        the background, into an opaque image of the editor's size, as the
        window's peer would.
    */
    void editorTick (benchmark::State& state, const Tick& tick)
    {
        HostedProcessor processor;
        processor.prepare (InputLayouts::maxChannels);
        processor.restoreInputConfig (tick.layout);
        processor.setParameter (Processor::distanceIndex, 0.5f);
        processor.setParameter (Processor::widthIndex, 1.0f);

        auto noise = makeNoise (InputLayouts::maxChannels, 512);
        processor.process (noise);

        EditorStandIn editor (processor, tick.viewIndex);
        juce::Image window (juce::Image::RGB, EditorStandIn::editorWidth, EditorStandIn::editorHeight, true);
        const auto regions = editor.tickRegions (tick.sourceMoves);
        auto azimuth = 0.3f;

        for (auto _ : state)
        {
            if (tick.sourceMoves)
            {
                azimuth = azimuth > 0.7f ? 0.3f : azimuth + 0.01f;
                processor.setParameter (Processor::azimuthIndex, azimuth);
                editor.refresh();
            }

            juce::Graphics g (window);
            g.reduceClipRegion (regions);
            editor.paintEntireComponent (g, true);
        }
    }

    [[maybe_unused]] const auto registered = []
    {
        for (const auto& tick : ticks)
            benchmark::RegisterBenchmark (tick.name, [&tick] (benchmark::State& state)
                                          { editorTick (state, tick); })
                ->Unit (benchmark::kMicrosecond);

        return true;
    }();
} // namespace

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
