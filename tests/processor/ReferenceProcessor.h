#pragma once

#include <array>
#include <vector>

/** The sixteen input layouts as the user knows them: host channels read, channel
    slots driven, and each slot's clockwise offset from the source direction.
*/
struct ReferenceLayout
{
    const char* name;
    int reads, drives;
    std::array<float, 8> offsets;
};

extern const ReferenceLayout referenceLayouts[16];

/** A plain model of the block rules: every gain, glide, fade and meter computed
    sample by sample exactly as described, with no shortcut. The optimised block
    method must match it bit for bit.
*/
class ReferenceProcessor
{
public:
    ReferenceProcessor (int numHostInputs, int numHostOutputs);

    void setParameter (int index, float value);
    void setInputConfig (int id);
    void setOutputConfig (int index);
    void setDistAttenuationFactor (int index);
    void prepare();

    /** Processes the channels in place, as the host's buffer. */
    void processBlock (std::vector<std::vector<float>>& channels);

    std::array<float, 12> meters {};
    int inputConfigID = -1;
    int numActiveInputs = 2;

private:
    struct Encoder
    {
        float cosAzimuth = 1.0f, sinAzimuth = 0.0f, cosElevation = 1.0f, sinElevation = 0.0f;
        float exponent = 1.0f, distanceGain = 0.05f, wScale = 0.70710677f;
        bool ambiX = false;
        std::array<float, 4> applied {};

        float target (int k) const;
        void encode (const float* input, std::array<float*, 4> outputs, int n, bool add);
    };

    void selectInputConfigForHost();
    void processChunk (std::vector<float*>& channels, int n);
    void updateMeter (float& meter, const float* samples, int n) const;
    static void ramp (float* samples, int n, float start, float end);

    int numHostInputs, numHostOutputs;
    std::array<float, 6> parameters { 0.5f, 0.5f, 0.25f, 0.0f, 0.9f, 1.0f };
    std::array<Encoder, 8> encoders;
    std::array<float, 8> offsets {};
    int layoutInputChannels = 0, numLayoutChannels = 2;
    int outputConfig = 1, attenuation = 0;
    float minimumElevation = 0.0f, targetGain = 1.0f, smoothedGain = 1.0f;
    std::vector<std::vector<float>> scratch;
};
