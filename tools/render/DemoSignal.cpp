#include "DemoSignal.h"

namespace
{
    constexpr double demoSeconds = 6.0;
    constexpr double noteSeconds = 0.3;
    constexpr double peakLevel = 0.5; // -6 dBFS
    constexpr int numHarmonics = 8;

    // A pentatonic phrase, in semitones above A3.
    constexpr int melody[] = { 0, 3, 5, 7, 10, 12, 10, 7, 5, 3, 0, 7, 12, 15, 12, 7, 5, 3, 0, 0 };

    double pluck (double timeInNote, double frequency) noexcept
    {
        auto sample = 0.0;

        for (auto harmonic = 1; harmonic <= numHarmonics; ++harmonic)
        {
            // Higher harmonics start weaker and die away faster, as on a plucked string.
            const auto amplitude = 1.0 / harmonic;
            const auto decay = std::exp (-timeInNote * (3.0 + 2.5 * harmonic));
            sample += amplitude * decay * std::sin (juce::MathConstants<double>::twoPi * frequency * harmonic * timeInNote);
        }

        const auto attack = std::min (1.0, timeInNote / 0.003);
        return attack * sample;
    }
} // namespace

juce::AudioBuffer<float> makeDemoSignal (double sampleRate)
{
    const auto numSamples = static_cast<int> (demoSeconds * sampleRate);
    juce::AudioBuffer<float> buffer (1, numSamples);
    buffer.clear();

    auto* samples = buffer.getWritePointer (0);
    const auto samplesPerNote = static_cast<int> (noteSeconds * sampleRate);
    const auto numNotes = static_cast<int> (std::size (melody));

    for (auto note = 0; note < numNotes; ++note)
    {
        const auto frequency = 220.0 * std::pow (2.0, melody[note] / 12.0);
        const auto start = note * samplesPerNote;

        // Each note rings on under the next one, for up to two seconds.
        for (auto i = start; i < std::min (numSamples, start + static_cast<int> (2.0 * sampleRate)); ++i)
            samples[i] += static_cast<float> (pluck ((i - start) / sampleRate, frequency));
    }

    const auto peak = buffer.getMagnitude (0, numSamples);

    if (peak > 0.0f)
        buffer.applyGain (static_cast<float> (peakLevel / static_cast<double> (peak)));

    return buffer;
}
