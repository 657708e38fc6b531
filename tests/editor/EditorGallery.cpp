// Pictures of the pads and meters over the editor's artwork, for a person to
// look at: velorin-editor-gallery <directory> writes three contact sheets there
// (editor-pads-top-view.png, editor-pads-unwrapped-view.png, editor-meters.png).
// The build's velorin-editor-gallery-docs target refreshes the ones in docs/.

#include "../support/TestProcessors.h"
#include "EditorStandIn.h"

#include <processor/LevelMeter.h>

#include <cmath>
#include <vector>

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    constexpr int captionHeight = 18;
    constexpr int gap = 6;

    /** A source in the editor's units. */
    struct Scene
    {
        const char* caption;
        int layout;
        float azimuthDegrees, elevationDegrees, distanceMetres, widthPercent;
        juce::uint32 colour;
    };

    constexpr juce::uint32 blue = Processor::defaultWidgetColour;
    constexpr juce::uint32 orange = 0xFFF28C0B;

    // clang-format off
    const std::vector<Scene> topScenes {
        { "Stereo, 0°, 2 m, width 40 %",                  1,    0.0f,   0.0f, 2.0f,  40.0f, blue },
        { "5.1, +45°, elevation +45°, 3 m, width 100 %",  4,   45.0f,  45.0f, 3.0f, 100.0f, blue },
        { "7.1, -120°, 0.8 m (inside 1 m), width 60 %",   8, -120.0f,   0.0f, 0.8f,  60.0f, blue },
        { "8.0, 180°, elevation -60°, 4 m, width 100 %", 13,  180.0f, -60.0f, 4.0f, 100.0f, blue },
        { "4.0, -90°, exactly 1 m, width 100 %",          2,  -90.0f,   0.0f, 1.0f, 100.0f, orange },
        { "Mono, +30°, elevation +90°, 1.5 m",            0,   30.0f,  90.0f, 1.5f, 100.0f, orange },
    };

    const std::vector<Scene> unwrappedScenes {
        { "Stereo, 0°, 0°, 2 m, width 40 %",              1,    0.0f,   0.0f, 2.0f,  40.0f, blue },
        { "5.1, +45°, +45°, 3 m, width 100 %",            4,   45.0f,  45.0f, 3.0f, 100.0f, blue },
        { "7.1, -120°, 0°, 0.8 m (inside 1 m), width 60 %", 8, -120.0f, 0.0f, 0.8f,  60.0f, blue },
        { "8.0, +175°, -30°, 4 m, width 100 %",          13,  175.0f, -30.0f, 4.0f, 100.0f, blue },
        { "4.0, -178°, +60°, exactly 1 m, width 100 %",   2, -178.0f,  60.0f, 1.0f, 100.0f, orange },
        { "Mono, +30°, +90° (top edge), 1.5 m",           0,   30.0f,  90.0f, 1.5f, 100.0f, orange },
    };

    /** One layout of each group, with channel orders that tell their places apart. */
    const std::vector<std::pair<const char*, int>> meterLayouts {
        { "Stereo", 1 }, { "4.0 L R Ls Rs", 2 }, { "5.1 L R C Lfe Ls Rs", 4 }, { "7.1 L R C Lfe Ls Rs Sl Sr", 8 }, { "8.0 L R C Ls Rs Cs Sl Sr", 13 },
    };
    // clang-format on

    // The parts of the editor each sheet shows.
    const juce::Rectangle<int> topViewArea { 2, 28, 379, 379 };
    const juce::Rectangle<int> unwrappedViewArea { 0, 45, 430, 355 };
    const juce::Rectangle<int> meterArea { 436, 40, 76, 362 };
    constexpr int meterZoom = 2;

    void applyScene (Processor& processor, const Scene& scene)
    {
        processor.restoreInputConfig (scene.layout);
        processor.setWidgetColour (juce::Colour (scene.colour));
        processor.setParameter (Processor::azimuthIndex, (scene.azimuthDegrees + 180.0f) / 360.0f);
        processor.setParameter (Processor::elevationIndex, (scene.elevationDegrees + 90.0f) / 180.0f);
        processor.setParameter (Processor::distanceIndex, scene.distanceMetres / 4.0f);
        processor.setParameter (Processor::widthIndex, scene.widthPercent / 100.0f);
    }

    juce::Image renderEditor (Processor& processor, int viewIndex)
    {
        EditorStandIn editor (processor, viewIndex);
        return editor.createComponentSnapshot (editor.getLocalBounds(), true, 1.0f);
    }

    /** Panels in a grid, each captioned underneath. */
    juce::Image contactSheet (const std::vector<std::pair<juce::String, juce::Image>>& panels, int columns)
    {
        const auto panelWidth = panels.front().second.getWidth();
        const auto panelHeight = panels.front().second.getHeight() + captionHeight;
        const auto rows = (static_cast<int> (panels.size()) + columns - 1) / columns;

        juce::Image sheet (juce::Image::RGB, columns * (panelWidth + gap) + gap, rows * (panelHeight + gap) + gap, true);
        juce::Graphics g (sheet);
        g.fillAll (juce::Colour (0xFF202226));
        g.setFont (13.0f);

        for (size_t i = 0; i < panels.size(); ++i)
        {
            const auto x = gap + static_cast<int> (i) % columns * (panelWidth + gap);
            const auto y = gap + static_cast<int> (i) / columns * (panelHeight + gap);
            g.drawImageAt (panels[i].second, x, y);
            g.setColour (juce::Colours::white);
            g.drawText (panels[i].first, x, y + panelHeight - captionHeight, panelWidth, captionHeight, juce::Justification::centred);
        }

        return sheet;
    }

    std::vector<std::pair<juce::String, juce::Image>> padPanels (const std::vector<Scene>& scenes, int viewIndex, juce::Rectangle<int> area)
    {
        std::vector<std::pair<juce::String, juce::Image>> panels;

        for (const auto& scene : scenes)
        {
            HostedProcessor processor;
            applyScene (processor, scene);
            panels.emplace_back (juce::CharPointer_UTF8 (scene.caption), renderEditor (processor, viewIndex).getClippedImage (area).createCopy());
        }

        return panels;
    }

    float peakForLevel (float level)
    {
        return std::pow (10.0f, (LevelMeter::floorDb + level * LevelMeter::rangeDb) / 20.0f);
    }

    /** The meters of a layout after one block in which input channel k peaks at
        the level levelOf (k).
    */
    template <typename LevelOf>
    juce::Image meterPanel (int layout, LevelOf levelOf)
    {
        HostedProcessor processor;
        processor.prepare (InputLayouts::maxChannels);
        processor.restoreInputConfig (layout);

        auto block = makeBuffer (InputLayouts::maxChannels, 512, [&] (int channel, int sample)
                                 { return (sample % 2 == 0 ? 1.0f : -1.0f) * peakForLevel (levelOf (channel)); });
        processor.process (block);

        const auto editor = renderEditor (processor, 0).getClippedImage (meterArea);
        return editor.rescaled (meterArea.getWidth() * meterZoom, meterArea.getHeight() * meterZoom, juce::Graphics::lowResamplingQuality);
    }

    std::vector<std::pair<juce::String, juce::Image>> meterPanels()
    {
        std::vector<std::pair<juce::String, juce::Image>> panels;

        for (const auto& [name, layout] : meterLayouts)
            panels.emplace_back (name, meterPanel (layout, [] (int channel)
                                                   { return 0.9f - 0.1f * static_cast<float> (channel); }));

        for (const auto& [name, layout] : meterLayouts)
            panels.emplace_back ("full scale", meterPanel (layout, [] (int)
                                                           { return 1.0f; }));

        return panels;
    }

    bool write (const juce::Image& image, const juce::File& file)
    {
        file.deleteFile();
        juce::FileOutputStream out (file);
        return out.openedOk() && juce::PNGImageFormat().writeImageToStream (image, out);
    }
} // namespace

int main (int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI framework;
    const juce::File directory (juce::File::getCurrentWorkingDirectory().getChildFile (argc > 1 ? argv[1] : "."));

    const auto written = write (contactSheet (padPanels (topScenes, 0, topViewArea), 3), directory.getChildFile ("editor-pads-top-view.png"))
                         && write (contactSheet (padPanels (unwrappedScenes, 1, unwrappedViewArea), 3), directory.getChildFile ("editor-pads-unwrapped-view.png"))
                         && write (contactSheet (meterPanels(), 5), directory.getChildFile ("editor-meters.png"));

    return written ? 0 : 1;
}

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
