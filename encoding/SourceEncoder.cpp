#include "SourceEncoder.h"

#include "PortableMath.h"

#include <cstring>

namespace
{
    constexpr float twoPi = 6.2831855f;
    constexpr float pi = 3.1415927f;

    // The distance gain carries a fixed factor 0.5, so a source closer than the
    // knee sits 6 dB below the input.
    constexpr double distanceGainFactor = 0.5;

    // Normalised distance is scaled by 10 before the law applies: the knee lies at d = 0.1 (0.4 m).
    constexpr float distanceScale = 10.0f;

    float distanceLawGain (float normalisedDistance, float exponent) noexcept
    {
        const auto scaled = distanceScale * normalisedDistance;
        const auto rawGain = scaled < 1.0f ? 1.0f : 1.0f / PortableMath::pow (scaled, exponent);
        return static_cast<float> (static_cast<double> (rawGain) * distanceGainFactor);
    }
} // namespace

SourceEncoder::SourceEncoder() noexcept
    : distance (1.0f),
      distanceExponent (1.0f),
      wScale (fumaWScale),
      channel1Source (componentX),
      channel2Source (componentY),
      channel3Source (componentZ),
      cosAzimuth (1.0f),
      sinAzimuth (0.0f),
      cosElevation (1.0f),
      sinElevation (0.0f)
{
    distanceGain = distanceLawGain (distance, distanceExponent);
    gainW = wScale * distanceGain;
}

void SourceEncoder::setAzimuthTurns (float turns) noexcept
{
    const auto angle = turns * twoPi;
    cosAzimuth = PortableMath::cos (angle);
    sinAzimuth = PortableMath::sin (angle);
    updateTargetGains();
}

void SourceEncoder::setElevationHalfTurns (float halfTurns) noexcept
{
    const auto angle = halfTurns * pi;
    cosElevation = PortableMath::cos (angle);
    sinElevation = PortableMath::sin (angle);
    updateTargetGains();
}

void SourceEncoder::setDistance (float normalisedDistance) noexcept
{
    distance = normalisedDistance;
    distanceGain = distanceLawGain (normalisedDistance, distanceExponent);
    updateTargetGains();
}

void SourceEncoder::setDistanceExponent (float exponent) noexcept
{
    distanceExponent = exponent;
    updateTargetGains();
}

void SourceEncoder::setConvention (int conventionIndex) noexcept
{
    if (conventionIndex == static_cast<int> (OutputConvention::ambiX))
    {
        wScale = 1.0f;
        channel1Source = componentY;
        channel2Source = componentZ;
        channel3Source = componentX;
    }
    else
    {
        wScale = fumaWScale;
        channel1Source = componentX;
        channel2Source = componentY;
        channel3Source = componentZ;
    }

    updateTargetGains();
}

void SourceEncoder::updateTargetGains() noexcept
{
    const float gain = distanceGain;
    const float cosEl = cosElevation;

    gainW = wScale * gain;
    gainX = cosAzimuth * cosEl * gain;
    gainY = sinAzimuth * cosEl * gain;
    gainZ = sinElevation * gain;
}

float SourceEncoder::componentGain (int component) const noexcept
{
    switch (component)
    {
        case componentX: return gainX;
        case componentY: return gainY;
        default: return gainZ;
    }
}

std::array<float, 4> SourceEncoder::getOutputTargets() const noexcept
{
    return { gainW, componentGain (channel1Source), componentGain (channel2Source), componentGain (channel3Source) };
}

bool SourceEncoder::isSettled() const noexcept
{
    return appliedGain == getOutputTargets();
}

void SourceEncoder::encodeReplace (const float* input, float* const* outputs, int numSamples) noexcept
{
    encode<false> (input, outputs, numSamples);
}

void SourceEncoder::encodeAdd (const float* input, float* const* outputs, int numSamples) noexcept
{
    encode<true> (input, outputs, numSamples);
}

template <bool accumulate>
void SourceEncoder::encode (const float* input, float* const* outputs, int numSamples) noexcept
{
    const auto targets = getOutputTargets();
    auto i = 0;

    // Gliding: every sample moves each applied gain one smoothing step, until a
    // step changes nothing any more: the gains are on their targets, or held by
    // rounding just short of them, and stay so for the rest of the block.
    for (; i < numSamples; ++i)
    {
        std::array<float, 4> next;

        for (size_t k = 0; k < 4; ++k)
            next[k] = smoothGainTowards (appliedGain[k], targets[k]);

        if (std::memcmp (next.data(), appliedGain.data(), sizeof (next)) == 0)
            break;

        appliedGain = next;

        for (size_t k = 0; k < 4; ++k)
        {
            const auto product = input[i] * appliedGain[k];
            outputs[k][i] = accumulate ? outputs[k][i] + product : product;
        }
    }

    // Constant gains: the same products and sums, in vectorisable loops.
    for (size_t k = 0; k < 4 && i < numSamples; ++k)
    {
        const auto gain = appliedGain[k];
        auto* out = outputs[k];

        for (auto j = i; j < numSamples; ++j)
        {
            const auto product = input[j] * gain;
            out[j] = accumulate ? out[j] + product : product;
        }
    }
}
