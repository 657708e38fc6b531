#pragma once

#include "Relaxed.h"

#include <array>
#include <cmath>
#include <limits>

/** The two B-format output conventions. */
enum class OutputConvention
{
    fuma = 0, // W X Y Z, W at -3 dB
    ambiX = 1 // W Y Z X (ACN order), SN3D: W at unity
};

/** First-order ambisonic encoder of one mono channel.

    Holds the direction of one virtual source, its distance gain and the output
    convention, keeps four target gains derived from them, and moves the gains it
    actually applies toward those targets with a one-pole smoother of 0.995 per
    sample, snapping exactly onto a target once within 1e-5.

    Angles are ambisonic: azimuth 0 is the front (+X), positive azimuth turns
    counter-clockwise seen from above (+Y is left), positive elevation is up (+Z).

    The setters may run on any thread while the audio thread encodes; every field
    they write is a single 32-bit word.
*/
class SourceEncoder
{
public:
    SourceEncoder() noexcept;

    SourceEncoder (const SourceEncoder&) = delete;
    SourceEncoder& operator= (const SourceEncoder&) = delete;

    /** Azimuth in turns (1 = 360 degrees), counter-clockwise. */
    void setAzimuthTurns (float turns) noexcept;

    /** Elevation in half turns (0.5 = straight up). */
    void setElevationHalfTurns (float halfTurns) noexcept;

    /** Normalised distance (1 = 4 m); sets the distance gain by the distance law. */
    void setDistance (float normalisedDistance) noexcept;

    /** Exponent of the distance law; the distance gain follows at the next setDistance. */
    void setDistanceExponent (float exponent) noexcept;

    /** 1 selects ambiX, any other value FuMa. */
    void setConvention (int conventionIndex) noexcept;

    /** Writes the four output channels from the input, samples 0 .. numSamples - 1.
        The input must not be one of the outputs.
    */
    void encodeReplace (const float* input, float* const* outputs, int numSamples) noexcept;

    /** Adds the encoded input to the four output channels. */
    void encodeAdd (const float* input, float* const* outputs, int numSamples) noexcept;

    /** The gains the output channels 0-3 are gliding toward. */
    std::array<float, 4> getOutputTargets() const noexcept;

    /** The gains last applied to output channels 0-3. */
    std::array<float, 4> getAppliedGains() const noexcept { return appliedGain; }

    /** True once every applied gain sits exactly on its target. */
    bool isSettled() const noexcept;

    float getDistance() const noexcept { return distance; }
    float getDistanceExponent() const noexcept { return distanceExponent; }
    float getDistanceGain() const noexcept { return distanceGain; }
    float getWScale() const noexcept { return wScale; }
    float getGainW() const noexcept { return gainW; }
    float getGainX() const noexcept { return gainX; }
    float getGainY() const noexcept { return gainY; }
    float getGainZ() const noexcept { return gainZ; }

    /** The float nearest 1/sqrt(2): FuMa keeps W at -3 dB. */
    static constexpr float fumaWScale = 0.70710677f;

    /** Per-sample one-pole smoothing: the applied gain keeps 0.995 of itself
        and takes 0.005 of its target, whatever the sample rate.
    */
    static constexpr double smoothingKeep = 0.995;
    static constexpr double smoothingTake = 0.005;

    /** Distance from its target within which an applied gain snaps onto it. */
    static constexpr double snapTolerance = 1.0e-5;

private:
    friend void encodeMix (SourceEncoder* const*, const float* const*, int, float* const*, int) noexcept;

    enum Component
    {
        componentX = 0,
        componentY = 1,
        componentZ = 2
    };

    template <bool accumulate>
    void encode (const float* input, float* const* outputs, int numSamples) noexcept;

    void updateTargetGains() noexcept;
    float componentGain (int component) const noexcept;

    Relaxed<float> distance;
    Relaxed<float> distanceExponent;
    Relaxed<float> wScale;
    Relaxed<float> gainW;
    Relaxed<float> gainX;
    Relaxed<float> gainY;
    Relaxed<float> gainZ;
    Relaxed<int> channel1Source;
    Relaxed<int> channel2Source;
    Relaxed<int> channel3Source;
    Relaxed<float> distanceGain;
    std::array<float, 4> appliedGain {};
    Relaxed<float> cosAzimuth;
    Relaxed<float> sinAzimuth;
    Relaxed<float> cosElevation;
    Relaxed<float> sinElevation;
};

/** One step of the per-sample smoothing shared by the encoder gains.

    An applied gain that has become infinite snaps onto its target instead of
    staying infinite for ever; a NaN on either side snaps as well, since the
    distance test fails. Finite gains follow the one-pole rule exactly.
*/
inline float smoothGainTowards (float applied, float target) noexcept
{
    const auto distance = static_cast<double> (std::abs (applied - target));

    if (distance > SourceEncoder::snapTolerance && distance <= std::numeric_limits<double>::max())
        return static_cast<float> (SourceEncoder::smoothingKeep * static_cast<double> (applied)
                                   + SourceEncoder::smoothingTake * static_cast<double> (target));

    return target;
}
