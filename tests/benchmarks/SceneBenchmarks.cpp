#include "../support/TestProcessors.h"

#include <scene/PadMulti.h>

#include <benchmark/benchmark.h>

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    /** The scene's content area in a window of the default size. */
    constexpr int sceneWidth = 533;
    constexpr int sceneHeight = 293;

    /** Instances spread over the map, each with a 7.1 bed at full width and a label. */
    struct Scene
    {
        explicit Scene (int numInstances)
        {
            for (auto i = 0; i < numInstances; ++i)
            {
                auto& processor = *processors.emplace_back (std::make_unique<HostedProcessor>());
                processor.setInputConfig (8);
                processor.setParameter (Processor::widthIndex, 1.0f);
                processor.setParameter (Processor::azimuthIndex, static_cast<float> (i) / static_cast<float> (numInstances));
                processor.setParameter (Processor::elevationIndex, 0.2f + 0.6f * static_cast<float> (i % 7) / 7.0f);
                processor.setWidgetLabel ("Source " + juce::String (i + 1));
                widgets.registerInstance (processor);
            }

            widgets.refresh();
            pad.setSize (sceneWidth, sceneHeight);
        }

        ~Scene()
        {
            for (auto& processor : processors)
                widgets.unregisterInstance (*processor);
        }

        /** Every instance moves a little, as automation would move them. */
        void moveAll (float step)
        {
            for (auto& processor : processors)
                processor->setParameter (Processor::azimuthIndex, std::fmod (processor->getParameter (Processor::azimuthIndex) + step, 1.0f));
        }

        std::vector<std::unique_ptr<HostedProcessor>> processors;
        SceneWidgets widgets;
        PadMulti pad { widgets };
    };

    /** One tick of the scene's clock while nothing moves: a visibility copy and a flag test per instance. */
    void idleRefresh (benchmark::State& state)
    {
        Scene scene (static_cast<int> (state.range (0)));

        for (auto _ : state)
            benchmark::DoNotOptimize (scene.widgets.refresh());
    }

    /** One tick while every instance moves: each is re-read. */
    void movingRefresh (benchmark::State& state)
    {
        Scene scene (static_cast<int> (state.range (0)));

        for (auto _ : state)
        {
            state.PauseTiming();
            scene.moveAll (0.001f);
            state.ResumeTiming();
            benchmark::DoNotOptimize (scene.widgets.refresh());
        }
    }

    /** The repaint that follows a change: grid and every marker, with labels and eight dots each. */
    void fullRepaint (benchmark::State& state)
    {
        Scene scene (static_cast<int> (state.range (0)));
        juce::Image image (juce::Image::ARGB, sceneWidth, sceneHeight, true);

        for (auto _ : state)
        {
            image.clear (image.getBounds());
            juce::Graphics g (image);
            scene.pad.paintEntireComponent (g, false);
        }
    }
} // namespace

BENCHMARK (idleRefresh)->Arg (1)->Arg (16)->Arg (256)->Unit (benchmark::kMicrosecond);
BENCHMARK (movingRefresh)->Arg (1)->Arg (16)->Arg (256)->Unit (benchmark::kMicrosecond);
BENCHMARK (fullRepaint)->Arg (1)->Arg (16)->Arg (256)->Unit (benchmark::kMillisecond);

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
