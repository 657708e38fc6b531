#include "EditorSnapshots.h"

#include <editor/VevazovAzudAudioProcessorEditor.h>

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    /** A 7.1 bed 50 degrees right, 20 up, 1.6 m away, spread 60 %, at -6 dB, with signal on its meters. */
    void setUp (Processor& processor)
    {
        processor.setPlayConfigDetails (8, 4, 48000.0, 512);
        processor.prepareToPlay (48000.0, 512);
        processor.setInputConfig (8);
        processor.setParameter (Processor::azimuthIndex, (50.0f + 180.0f) / 360.0f);
        processor.setParameter (Processor::elevationIndex, (20.0f + 90.0f) / 180.0f);
        processor.setParameter (Processor::distanceIndex, 1.6f / 4.0f);
        processor.setParameter (Processor::widthIndex, 0.6f);
        processor.setParameter (Processor::gainIndex, 0.84f);

        juce::AudioBuffer<float> block (8, 512);
        juce::MidiBuffer midi;

        for (auto i = 0; i < 40; ++i)
        {
            for (auto channel = 0; channel < 8; ++channel)
                for (auto sample = 0; sample < 512; ++sample)
                    block.setSample (channel, sample, (0.9f - 0.1f * static_cast<float> (channel)) * std::sin (0.05f * static_cast<float> (sample + channel)));

            processor.processBlock (block, midi);
        }
    }
} // namespace

std::vector<std::pair<juce::String, juce::Image>> drawEditorSnapshots()
{
    std::vector<std::pair<juce::String, juce::Image>> snapshots;
    Processor processor (juce::PluginHostType::UnknownHost);
    setUp (processor);

    for (const auto view : { 0, 1 })
    {
        processor.setIdxGUI (view);
        VevazovAzudAudioProcessorEditor editor (processor);
        editor.timerCallback();
        snapshots.emplace_back (view == 0 ? "editor-top-view.png" : "editor-unwrapped-view.png", editor.createComponentSnapshot (editor.getLocalBounds()));
    }

    return snapshots;
}

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
