#include "ReferenceProcessor.h"

#include <encoding/PortableMath.h>

#include <algorithm>
#include <cmath>

// clang-format off
// Written out again here, from the layouts' names, so that a typo in the product's table shows.
const ReferenceLayout referenceLayouts[16] = {
    { "Mono",                        1, 2, { -90, 90 } },
    { "Stereo",                      2, 2, { -90, 90 } },
    { "4.0 - L R Ls Rs",             4, 4, { -45, 45, -135, 135 } },
    { "4.0 - L R Rs Ls",             4, 4, { -45, 45, 135, -135 } },
    { "5.1 - L R C Lfe Ls Rs",       6, 6, { -30, 30, 0, 0, -120, 120 } },
    { "5.1 - L C R Ls Rs Lfe",       6, 6, { -30, 0, 30, -120, 120, 0 } },
    { "5.1 - C L R Ls Rs Lfe",       6, 6, { 0, -30, 30, -120, 120, 0 } },
    { "5.1 - L R Ls Rs C Lfe",       6, 6, { -30, 30, -120, 120, 0, 0 } },
    { "7.1 - L R C Lfe Ls Rs Sl Sr", 8, 8, { -30, 30, 0, 0, -135, 135, -90, 90 } },
    { "7.1 - L C R Sl Sr Ls Rs Lfe", 8, 8, { -30, 0, 30, -90, 90, -135, 135, 0 } },
    { "7.1 - C L R Sl Sr Ls Rs Lfe", 8, 8, { 0, -30, 30, -90, 90, -135, 135, 0 } },
    { "7.1 - L R Ls Rs C Lfe Sl Sr", 8, 8, { -30, 30, -135, 135, 0, 0, -90, 90 } },
    { "8.0 - L C R Sr Rs Cs Ls Sl",  8, 8, { -45, 0, 45, 90, 135, 180, -135, -90 } },
    { "8.0 - L R C Ls Rs Cs Sl Sr",  8, 8, { -45, 45, 0, -135, 135, 180, -90, 90 } },
    { "8.0 - L R Ls Rs C Cs Sl Sr",  8, 8, { -45, 45, -135, 135, 0, 180, -90, 90 } },
    { "8.0 - L R C Cs Ls Rs Sl Sr",  8, 8, { -45, 45, 0, 180, -135, 135, -90, 90 } },
};
// clang-format on

float ReferenceProcessor::Encoder::target (int k) const
{
    const float x = cosAzimuth * cosElevation * distanceGain;
    const float y = sinAzimuth * cosElevation * distanceGain;
    const float z = sinElevation * distanceGain;
    const float w = wScale * distanceGain;
    const float fuma[4] = { w, x, y, z };
    const float acn[4] = { w, y, z, x };
    return ambiX ? acn[k] : fuma[k];
}

void ReferenceProcessor::Encoder::encode (const float* input, std::array<float*, 4> outputs, int n, bool add)
{
    for (int i = 0; i < n; ++i)
    {
        for (int k = 0; k < 4; ++k)
        {
            const float t = target (k);

            if ((double) std::abs (applied[k] - t) > 1e-5)
                applied[k] = (float) (0.995 * (double) applied[k] + 0.005 * (double) t);
            else
                applied[k] = t;
        }

        for (int k = 0; k < 4; ++k)
            outputs[k][i] = add ? outputs[k][i] + input[i] * applied[k] : input[i] * applied[k];
    }
}

ReferenceProcessor::ReferenceProcessor (int ins, int outs)
    : numHostInputs (ins), numHostOutputs (outs), scratch (8, std::vector<float> (8192))
{
    // As constructed: the laws applied to the defaults, ambiX, no attenuation.
    setParameter (0, 0.5f);
    setParameter (1, 0.5f);
    setParameter (2, 0.25f);
    setOutputConfig (1);
    attenuation = -1;
    setDistAttenuationFactor (0);
    targetGain = smoothedGain = 1.0f;
}

void ReferenceProcessor::setParameter (int index, float v)
{
    parameters[(size_t) index] = v;

    if (index == 0)
    {
        for (int i = 0; i < 8; ++i)
        {
            const float x = parameters[3] * offsets[(size_t) i] / 360.0f;
            const float t = (float) -((double) x + ((double) v - 0.5));
            const float angle = t * 6.2831855f;
            encoders[(size_t) i].cosAzimuth = PortableMath::cos (angle);
            encoders[(size_t) i].sinAzimuth = PortableMath::sin (angle);
        }
    }
    else if (index == 1)
    {
        const float e = v > minimumElevation ? v : minimumElevation;
        const float angle = (float) ((double) e - 0.5) * 3.1415927f;

        for (auto& encoder : encoders)
        {
            encoder.cosElevation = PortableMath::cos (angle);
            encoder.sinElevation = PortableMath::sin (angle);
        }
    }
    else if (index == 2)
    {
        for (auto& encoder : encoders)
        {
            const float s = 10.0f * v;
            const float raw = s < 1.0f ? 1.0f : 1.0f / PortableMath::pow (s, encoder.exponent);
            encoder.distanceGain = (float) ((double) raw * 0.5);
        }

        minimumElevation = v < 0.25f ? (0.25f - v) * 4.0f : 0.0f;
        setParameter (1, parameters[1]);
    }
    else if (index == 3)
    {
        setParameter (0, parameters[0]);
    }
    else if (index == 4)
    {
        const float g = 100.0f * v - 90.0f;
        targetGain = g > -100.0f ? PortableMath::pow (10.0f, g * 0.05f) : 0.0f;
    }
}

void ReferenceProcessor::setInputConfig (int id)
{
    if (id == inputConfigID)
        return;

    inputConfigID = id;
    const auto& layout = referenceLayouts[(id >= 0 && id < 16) ? id : 0];
    layoutInputChannels = layout.reads;
    numLayoutChannels = layout.drives;

    for (int i = 0; i < layout.drives; ++i)
        offsets[(size_t) i] = layout.offsets[(size_t) i];

    setParameter (0, parameters[0]);
}

void ReferenceProcessor::setOutputConfig (int index)
{
    outputConfig = index;

    for (auto& encoder : encoders)
    {
        encoder.ambiX = (index == 1);
        encoder.wScale = index == 1 ? 1.0f : 0.70710677f;
    }
}

void ReferenceProcessor::setDistAttenuationFactor (int index)
{
    if (index == attenuation)
        return;

    attenuation = index;

    for (auto& encoder : encoders)
        encoder.exponent = (float) index / 3.0f;

    setParameter (2, parameters[2]);
}

void ReferenceProcessor::selectInputConfigForHost()
{
    const int choice[9] = { 0, 0, 1, 0, 1, 0, 4, 0, 1 }; // any host but Pro Tools and Logic
    setInputConfig (numHostInputs >= 0 && numHostInputs <= 8 ? choice[numHostInputs] : 0);
    numActiveInputs = inputConfigID == 0 ? 1 : numLayoutChannels;
}

void ReferenceProcessor::prepare()
{
    if (inputConfigID == -1)
        selectInputConfigForHost();
}

void ReferenceProcessor::ramp (float* samples, int n, float start, float end)
{
    const float step = (end - start) / (float) n;
    float gain = start;

    for (int j = 0; j < n; ++j)
    {
        samples[j] *= gain;
        gain += step;
    }
}

void ReferenceProcessor::updateMeter (float& meter, const float* samples, int n) const
{
    float peak = 0.0f;

    for (int i = 0; i < n; ++i)
        peak = std::max (peak, std::abs (samples[i]));

    float level = peak > 0.0f ? 20.0f * std::log10 (peak) : -60.0f;
    level = level <= -100.0f ? -60.0f : std::min (10.0f, std::max (-60.0f, level));
    const float value = (float) ((double) ((level - 10.0f) / 70.0f) + 1.0);
    meter = value > meter ? value : (float) (0.9 * (double) meter + 0.1 * (double) value);
}

void ReferenceProcessor::processBlock (std::vector<std::vector<float>>& channels)
{
    const int total = channels.empty() ? 0 : (int) channels[0].size();
    int start = 0;

    do
    {
        const int n = std::min (8192, total - start);
        std::vector<float*> pointers;

        for (auto& channel : channels)
            pointers.push_back (channel.data() + start);

        processChunk (pointers, n);
        start += n;
    } while (start < total);
}

void ReferenceProcessor::processChunk (std::vector<float*>& ch, int n)
{
    const int numChannels = (int) ch.size();

    if (inputConfigID == -1)
        selectInputConfigForHost();

    if (layoutInputChannels > numHostInputs)
        selectInputConfigForHost();

    for (int s = 0; s < numLayoutChannels; ++s)
        updateMeter (meters[(size_t) s], ch[(size_t) (s < numActiveInputs ? s : 0)], n);

    const int now = inputConfigID == 0 ? 1 : numLayoutChannels;
    const int prev = numActiveInputs;

    if (now != prev && n > 0)
    {
        for (int i = prev; i < now; ++i)
            ramp (ch[(size_t) i], n, 0.0f, 1.0f);

        for (int i = now; i < prev; ++i)
            ramp (ch[(size_t) i], n, 1.0f, 0.0f);

        if (now == 1)
        {
            float gain = 0.0f;

            for (int j = 0; j < n; ++j, gain += 1.0f / (float) n)
                ch[1][j] = ch[1][j] + gain * ch[0][j];
        }

        if (prev == 1)
        {
            float gain = 1.0f;

            for (int j = 0; j < n; ++j, gain += -1.0f / (float) n)
                ch[1][j] = ch[1][j] + gain * ch[0][j];
        }
    }

    if (now > prev)
        numActiveInputs = now;

    const int m = numActiveInputs;
    const std::array<float*, 4> outputs { ch[0], ch[1], ch[2], ch[3] };

    for (int i = 0; i < m; ++i)
        std::copy (ch[(size_t) i], ch[(size_t) i] + n, scratch[(size_t) i].begin());

    if (m == 1)
    {
        encoders[0].encode (scratch[0].data(), outputs, n, false);
        encoders[1].encode (scratch[0].data(), outputs, n, true);
    }
    else
    {
        for (int i = 0; i < m; ++i)
            encoders[(size_t) i].encode (scratch[(size_t) i].data(), outputs, n, i > 0);
    }

    if ((double) std::abs (smoothedGain - targetGain) > 1e-6)
    {
        for (int j = 0; j < n; ++j)
        {
            smoothedGain = (float) (0.995 * (double) smoothedGain + 0.005 * (double) targetGain);

            for (int k = 0; k < 4; ++k)
                ch[(size_t) k][j] *= smoothedGain;
        }
    }
    else
    {
        smoothedGain = targetGain;

        for (int k = 0; k < 4; ++k)
            for (int j = 0; j < n; ++j)
                ch[(size_t) k][j] *= smoothedGain;
    }

    for (int k = 0; k < 4; ++k)
        updateMeter (meters[(size_t) (8 + k)], ch[(size_t) k], n);

    for (int k = 4; k < std::min (numChannels, numHostOutputs); ++k)
        std::fill (ch[(size_t) k], ch[(size_t) k] + n, 0.0f);

    numActiveInputs = now;
}
