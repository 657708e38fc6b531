#include "VevazovAzudAudioProcessor.h"

#include "LevelMeter.h"
#include "ProcessWide.h"
#include "ProcessorState.h"
#include "SpeakerLayouts.h"
#include "TextForms.h"

#include <encoding/EncoderMix.h>
#include <encoding/PortableMath.h>
#include <encoding/SpreadingLaws.h>

namespace
{
    struct ParameterInfo
    {
        const char* name;
        float defaultValue;
    };

    // The index order is fixed: the saved state, the scene and the editor address
    // parameters by index, and hosts store automation by it.
    // clang-format off
    constexpr std::array<ParameterInfo, VevazovAzudAudioProcessor::numParameters> parameterTable {{
        { "Azimuth",          0.5f  },  // (v - 0.5) x 360 degrees, clockwise
        { "Elevation",        0.5f  },  // (v - 0.5) x 180 degrees, up
        { "Distance",         0.25f },  // 4 v metres
        { "Width",            0.0f  },  // 100 v percent of the layout's offsets
        { "Gain",             0.9f  },  // 100 v - 90 dB
        { "showOnOrbelScene", 1.0f  },  // shown in the scene at 0.5 and above
    }};
    // clang-format on

    constexpr const char* programName = "Default";

    // Below -100 dB the output gain is exactly zero.
    constexpr float gainFloorDb = -100.0f;
    constexpr float gainRangeDb = 100.0f;
    constexpr float gainOffsetDb = 90.0f;

    constexpr double outputGainKeep = 0.995;
    constexpr double outputGainTake = 0.005;
    constexpr double outputGainTolerance = 1.0e-6;

    bool isParameterIndex (int index) noexcept
    {
        return index >= 0 && index < VevazovAzudAudioProcessor::numParameters;
    }

    float outputGainForParameter (float value) noexcept
    {
        const auto gainDb = gainRangeDb * value - gainOffsetDb;
        return gainDb > gainFloorDb ? PortableMath::pow (10.0f, gainDb * 0.05f) : 0.0f;
    }

    // The framework's linear gain ramp: the step is added sample by sample in single precision.
    void applyRamp (float* samples, int numSamples, float startGain, float endGain) noexcept
    {
        const auto step = (endGain - startGain) / static_cast<float> (numSamples);

        for (auto gain = startGain; numSamples > 0; --numSamples, ++samples, gain += step)
            *samples *= gain;
    }

    // Identifying a host reads its executable's path, so it is done once, off the audio thread.
    InputLayouts::HostFamily hostFamilyOf (juce::PluginHostType::HostType type)
    {
        juce::PluginHostType host;
        host.type = type;

        if (host.isProTools())
            return InputLayouts::HostFamily::proTools;

        if (host.isLogic())
            return InputLayouts::HostFamily::logic;

        return InputLayouts::HostFamily::other;
    }

    void addWithRamp (float* destination, const float* source, int numSamples, float startGain, float endGain) noexcept
    {
        const auto step = (endGain - startGain) / static_cast<float> (numSamples);
        auto gain = startGain;

        for (auto j = 0; j < numSamples; ++j, gain += step)
            destination[j] = destination[j] + gain * source[j];
    }
} // namespace

//==============================================================================
VevazovAzudAudioProcessor::VevazovAzudAudioProcessor()
    : VevazovAzudAudioProcessor (juce::PluginHostType().type)
{
}

VevazovAzudAudioProcessor::VevazovAzudAudioProcessor (juce::PluginHostType::HostType host)
    : juce::AudioProcessor (BusesProperties()
                                .withInput ("Input", juce::AudioChannelSet::create7point1(), true)
                                .withOutput ("Output", juce::AudioChannelSet::quadraphonic(), true)),
      hostType (static_cast<int> (host)),
      hostFamily (hostFamilyOf (host))
{
    if (auto* services = getProcessWideServices())
        sharedLookAndFeel = services->acquireLookAndFeel();

    parameterValues[gainIndex] = parameterTable[gainIndex].defaultValue;
    targetOutputGain = outputGainForParameter (parameterValues[gainIndex]);

    parameterValues[widthIndex] = parameterTable[widthIndex].defaultValue;
    setParameter (azimuthIndex, parameterTable[azimuthIndex].defaultValue);
    setParameter (elevationIndex, parameterTable[elevationIndex].defaultValue);
    setParameter (distanceIndex, parameterTable[distanceIndex].defaultValue);
    setParameter (azimuthIndex, parameterValues[azimuthIndex]);

    for (auto& meter : levelMeters)
        meter = 0.0f;

    minimumElevation = 0.0f;
    targetOutputGain = 1.0f;
    smoothedOutputGain = 1.0f;
    idxGUI = 0;

    setOutputConfig (static_cast<int> (OutputConvention::ambiX));

    idxDistAttenuationFactor = -1;
    setDistAttenuationFactor (0);

    raiseRefreshFlags();

    if (auto* services = getProcessWideServices())
        services->registerInstance (*this);

    widgetColour = defaultWidgetColour;

    parameterValues[showOnSceneIndex] = parameterTable[showOnSceneIndex].defaultValue;
    widgetIsVisible = 1;
    sceneNeedsUpdate = true;

    inputConfigID = InputLayouts::noLayout;
    numLayoutChannels = 2;
    numActiveInputs = 2;

    readHostSpeakers();
}

VevazovAzudAudioProcessor::~VevazovAzudAudioProcessor()
{
    if (auto* services = getProcessWideServices())
        services->unregisterInstance (*this);

    sharedLookAndFeel.reset();
}

//==============================================================================
const juce::String VevazovAzudAudioProcessor::getName() const
{
    return JucePlugin_Name;
}

void VevazovAzudAudioProcessor::prepareToPlay (double, int)
{
    if (inputConfigID == InputLayouts::noLayout && ! defersLayoutChoiceToFirstBlock())
        selectInputConfigForHost();

    if (auto* services = getProcessWideServices())
        services->ensureSceneWindow();

    reportParameterValues();
}

void VevazovAzudAudioProcessor::releaseResources()
{
}

void VevazovAzudAudioProcessor::processBlockBypassed (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    const auto numChannels = std::min (buffer.getNumChannels(), getTotalNumOutputChannels());

    for (auto channel = getTotalNumInputChannels(); channel < numChannels; ++channel)
        buffer.clear (channel, 0, buffer.getNumSamples());
}

bool VevazovAzudAudioProcessor::isBusesLayoutSupported (const BusesLayout& layouts) const
{
    return layouts.inputBuses.size() == 1
           && layouts.outputBuses.size() == 1
           && InputLayouts::isSupportedInputCount (layouts.getMainInputChannels())
           && layouts.getMainOutputChannels() == InputLayouts::numOutputChannels;
}

void VevazovAzudAudioProcessor::processorLayoutsChanged()
{
    readHostSpeakers();
}

void VevazovAzudAudioProcessor::readHostSpeakers()
{
    // Only a VST3 host says which speakers it sends; the other formats give counts.
    const auto bus = wrapperType == wrapperType_VST3 ? getChannelLayoutOfBus (true, 0) : juce::AudioChannelSet();
    const auto order = SpeakerLayouts::hostChannelOrder (bus);

    for (size_t slot = 0; slot < order.size(); ++slot)
        hostChannelOrder[slot] = order[slot];

    hostNamedLayout = SpeakerLayouts::layoutNamedBy (bus);
}

int VevazovAzudAudioProcessor::hostChannelAt (int slot, int numChannels) const noexcept
{
    if (! juce::isPositiveAndBelow (slot, InputLayouts::maxChannels))
        return slot;

    const int channel = hostChannelOrder[static_cast<size_t> (slot)];
    return juce::isPositiveAndBelow (channel, numChannels) ? channel : slot;
}

const juce::String VevazovAzudAudioProcessor::getInputChannelName (int channelIndex) const
{
    return juce::String (channelIndex + 1);
}

const juce::String VevazovAzudAudioProcessor::getOutputChannelName (int channelIndex) const
{
    return juce::String (channelIndex + 1);
}

bool VevazovAzudAudioProcessor::isInputChannelStereoPair (int) const { return true; }
bool VevazovAzudAudioProcessor::isOutputChannelStereoPair (int) const { return true; }
bool VevazovAzudAudioProcessor::silenceInProducesSilenceOut() const { return false; }
double VevazovAzudAudioProcessor::getTailLengthSeconds() const { return 0.0; }
bool VevazovAzudAudioProcessor::acceptsMidi() const { return true; }
bool VevazovAzudAudioProcessor::producesMidi() const { return false; }

bool VevazovAzudAudioProcessor::hasEditor() const
{
    return true;
}

//==============================================================================
int VevazovAzudAudioProcessor::getNumParameters()
{
    return numParameters;
}

const juce::String VevazovAzudAudioProcessor::getParameterName (int index)
{
    return isParameterIndex (index) ? parameterTable[static_cast<size_t> (index)].name : "";
}

juce::String VevazovAzudAudioProcessor::getParameterID (int index)
{
    // The names are valid LV2 symbols and never change: LV2 hosts store automation under them.
    return getParameterName (index);
}

float VevazovAzudAudioProcessor::getParameter (int index)
{
    return getParameterValue (index);
}

float VevazovAzudAudioProcessor::getParameterValue (int index) const noexcept
{
    return isParameterIndex (index) ? parameterValues[static_cast<size_t> (index)].get() : 0.0f;
}

const juce::String VevazovAzudAudioProcessor::getParameterText (int index)
{
    return isParameterIndex (index) ? TextForms::shortDecimal (parameterValues[static_cast<size_t> (index)]) : juce::String();
}

float VevazovAzudAudioProcessor::getParameterDefaultValue (int index)
{
    return isParameterIndex (index) ? parameterTable[static_cast<size_t> (index)].defaultValue : 0.0f;
}

void VevazovAzudAudioProcessor::setParameter (int index, float newValue)
{
    if (! isParameterIndex (index))
        return;

    parameterValues[static_cast<size_t> (index)] = newValue;

    switch (index)
    {
        case azimuthIndex: applyAzimuth (newValue); break;
        case elevationIndex: applyElevation (newValue); break;
        case distanceIndex: applyDistance (newValue); break;
        case widthIndex: setParameter (azimuthIndex, parameterValues[azimuthIndex]); break;
        case gainIndex: applyGain (newValue); break;
        case showOnSceneIndex:
        default: applyShowOnScene (newValue); return;
    }

    raiseRefreshFlags();
}

void VevazovAzudAudioProcessor::applyAzimuth (float azimuth)
{
    const float width = parameterValues[widthIndex];

    for (size_t slot = 0; slot < encoders.size(); ++slot)
        encoders[slot].setAzimuthTurns (channelAzimuthTurns (azimuth, width, channelAzimuthOffsets[slot]));
}

void VevazovAzudAudioProcessor::applyElevation (float elevation)
{
    const auto halfTurns = elevationHalfTurns (elevation, minimumElevation);

    for (auto& encoder : encoders)
        encoder.setElevationHalfTurns (halfTurns);
}

void VevazovAzudAudioProcessor::applyDistance (float distance)
{
    for (auto& encoder : encoders)
        encoder.setDistance (distance);

    minimumElevation = minimumElevationForDistance (distance);
    setParameter (elevationIndex, parameterValues[elevationIndex]);
}

void VevazovAzudAudioProcessor::applyGain (float gain)
{
    targetOutputGain = outputGainForParameter (gain);
}

void VevazovAzudAudioProcessor::applyShowOnScene (float value)
{
    const auto shown = value >= 0.5f ? 1 : 0;

    if (shown != widgetIsVisible)
    {
        widgetIsVisible = shown;
        sceneNeedsUpdate = true;
    }
}

void VevazovAzudAudioProcessor::raiseRefreshFlags() noexcept
{
    guiNeedsUpdate = true;
    sceneNeedsUpdate = true;
}

//==============================================================================
int VevazovAzudAudioProcessor::getNumPrograms() { return 1; }
int VevazovAzudAudioProcessor::getCurrentProgram() { return 0; }
void VevazovAzudAudioProcessor::setCurrentProgram (int) {}
const juce::String VevazovAzudAudioProcessor::getProgramName (int) { return programName; }
void VevazovAzudAudioProcessor::changeProgramName (int, const juce::String&) {}

//==============================================================================
void VevazovAzudAudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    ProcessorState::save (*this, destData);
}

void VevazovAzudAudioProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    ProcessorState::restore (*this, data, sizeInBytes);
    reportParameterValues();
}

void VevazovAzudAudioProcessor::reportParameterValues()
{
    // An LV2 host does not ask for values: it keeps its own record of them and learns
    // of a change only from the plug-in's open editor, so all six are reported once
    // the instance exists and again after a restore. Other hosts ask.
    if (wrapperType != wrapperType_LV2)
        return;

    for (auto index = 0; index < numParameters; ++index)
        sendParamChangeMessageToListeners (index, parameterValues[static_cast<size_t> (index)]);
}

//==============================================================================
void VevazovAzudAudioProcessor::setInputConfig (int layoutId)
{
    if (layoutId == inputConfigID)
        return;

    inputConfigID = layoutId;

    const auto& layout = InputLayouts::layoutFor (layoutId);
    layoutInputChannels = layout.layoutInputChannels;
    numLayoutChannels = layout.numLayoutChannels;

    for (size_t slot = 0; slot < static_cast<size_t> (layout.numLayoutChannels); ++slot)
        channelAzimuthOffsets[slot] = layout.channelAzimuthOffsets[slot];

    setParameter (azimuthIndex, parameterValues[azimuthIndex]);
}

void VevazovAzudAudioProcessor::setOutputConfig (int conventionIndex)
{
    idxOutputConfig = conventionIndex;

    for (auto& encoder : encoders)
        encoder.setConvention (conventionIndex);

    guiNeedsUpdate = true;
}

void VevazovAzudAudioProcessor::setDistAttenuationFactor (int choice)
{
    if (choice == idxDistAttenuationFactor)
        return;

    idxDistAttenuationFactor = choice;

    const auto exponent = distanceExponentForChoice (choice);

    for (auto& encoder : encoders)
        encoder.setDistanceExponent (exponent);

    setParameter (distanceIndex, parameterValues[distanceIndex]);
}

void VevazovAzudAudioProcessor::selectInputConfigForHost()
{
    setInputConfig (layoutChosenForHost());
    startLayoutWithoutCrossFade();
}

int VevazovAzudAudioProcessor::layoutChosenForHost() const noexcept
{
    // A VST2 host always offers eight pins, whatever its track holds, so the count
    // alone decides there; a VST3 host's speakers say what it sends. A restored
    // state's layout is the user's and keeps the count rule behind it.
    const int named = hostNamedLayout;

    if (named != InputLayouts::noLayout && ! stateRestored)
        return named;

    return InputLayouts::layoutForHost (getTotalNumInputChannels(), hostFamily);
}

void VevazovAzudAudioProcessor::restoreInputConfig (int layoutId)
{
    setInputConfig (layoutId);
    startLayoutWithoutCrossFade();
}

void VevazovAzudAudioProcessor::startLayoutWithoutCrossFade() noexcept
{
    numActiveInputs = inputConfigID == InputLayouts::monoLayout ? 1 : numLayoutChannels.get();
}

bool VevazovAzudAudioProcessor::defersLayoutChoiceToFirstBlock() const
{
    // These hosts settle their channel count only once audio runs; a VST3 host may
    // arrange its buses anew between activations, and has settled them when it
    // first processes.
    juce::PluginHostType host;
    host.type = static_cast<juce::PluginHostType::HostType> (hostType);
    return host.isCubase() || host.isCubaseBridged() || host.isNuendo() || wrapperType == wrapperType_VST3;
}

//==============================================================================
juce::Colour VevazovAzudAudioProcessor::getWidgetColour() const
{
    return juce::Colour (widgetColour.get());
}

void VevazovAzudAudioProcessor::setWidgetColour (juce::Colour newColour)
{
    if (newColour.getARGB() == widgetColour)
        return;

    widgetColour = newColour.getARGB();
    raiseRefreshFlags();
}

juce::String VevazovAzudAudioProcessor::getWidgetLabel() const
{
    return widgetLabel;
}

void VevazovAzudAudioProcessor::setWidgetLabel (const juce::String& newLabel)
{
    widgetLabel = newLabel;
    sceneNeedsUpdate = true;
}

void VevazovAzudAudioProcessor::setAdmOscSettings (const AdmOscSettings& newSettings)
{
    const auto limited = newSettings.limited();

    if (limited == admOscSettings)
        return;

    admOscSettings = limited;

    if (auto* services = getProcessWideServices())
        services->admOscSettingsChanged (*this);
}

float VevazovAzudAudioProcessor::getChannelAzimuthOffset (int slot) const noexcept
{
    return juce::isPositiveAndBelow (slot, InputLayouts::maxChannels) ? channelAzimuthOffsets[static_cast<size_t> (slot)].get() : 0.0f;
}

float VevazovAzudAudioProcessor::getLevelMeter (int index) const noexcept
{
    return juce::isPositiveAndBelow (index, numMeters) ? levelMeters[static_cast<size_t> (index)].get() : 0.0f;
}

const SourceEncoder& VevazovAzudAudioProcessor::getEncoder (int slot) const noexcept
{
    return encoders[static_cast<size_t> (juce::jlimit (0, InputLayouts::maxChannels - 1, slot))];
}

//==============================================================================
void VevazovAzudAudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    juce::ScopedNoDenormals noDenormals;

    auto* const* channels = buffer.getArrayOfWritePointers();
    const auto numChannels = buffer.getNumChannels();
    const auto numSamples = buffer.getNumSamples();

    // A block longer than the scratch copy is processed as consecutive blocks.
    auto start = 0;

    do
    {
        const auto chunkLength = std::min (numSamples - start, maxBlockSize);
        std::array<float*, maxHostChannels> chunkChannels {};
        const auto numChunkChannels = std::min (numChannels, static_cast<int> (chunkChannels.size()));

        for (auto channel = 0; channel < numChunkChannels; ++channel)
            chunkChannels[static_cast<size_t> (channel)] = channels[hostChannelAt (channel, numChunkChannels)] + start;

        processChunk (chunkChannels.data(), numChunkChannels, chunkLength);
        start += chunkLength;
    } while (start < numSamples);
}

void VevazovAzudAudioProcessor::processChunk (float* const* channels, int numChannels, int numSamples) noexcept
{
    checkLayoutForBlock();

    if (numChannels < InputLayouts::numOutputChannels)
    {
        // Without four channels there is nowhere to put the B-format signal.
        for (auto channel = 0; channel < numChannels; ++channel)
            std::fill (channels[channel], channels[channel] + numSamples, 0.0f);

        return;
    }

    meterInputs (channels, numChannels, numSamples);
    const auto fedNow = crossFadeFedInputs (channels, numChannels, numSamples);
    encodeFedInputs (channels, numChannels, numSamples);
    applyOutputGain (channels, numSamples);
    meterOutputs (channels, numSamples);

    for (auto channel = InputLayouts::numOutputChannels; channel < std::min (numChannels, getTotalNumOutputChannels()); ++channel)
        std::fill (channels[channel], channels[channel] + numSamples, 0.0f);

    numActiveInputs = fedNow;
}

void VevazovAzudAudioProcessor::checkLayoutForBlock()
{
    if (inputConfigID == InputLayouts::noLayout)
        selectInputConfigForHost();

    if (layoutInputChannels > getTotalNumInputChannels())
        selectInputConfigForHost();
}

void VevazovAzudAudioProcessor::meterInputs (float* const* channels, int numChannels, int numSamples) noexcept
{
    const int numSlots = std::min (static_cast<int> (numLayoutChannels), InputLayouts::maxChannels);
    const int fed = numActiveInputs;

    for (auto slot = 0; slot < numSlots; ++slot)
    {
        const auto channel = slot < fed ? slot : 0;
        const auto peak = channel < numChannels ? LevelMeter::peakOf (channels[channel], numSamples) : 0.0f;
        auto& meter = levelMeters[static_cast<size_t> (slot)];
        meter = LevelMeter::nextValue (meter, peak);
    }
}

int VevazovAzudAudioProcessor::crossFadeFedInputs (float* const* channels, int numChannels, int numSamples) noexcept
{
    const auto now = inputConfigID == InputLayouts::monoLayout ? 1 : std::min (static_cast<int> (numLayoutChannels), InputLayouts::maxChannels);
    const int previous = numActiveInputs;

    if (now == previous)
        return now;

    if (numSamples > 0)
    {
        for (auto channel = previous; channel < std::min (now, numChannels); ++channel)
            applyRamp (channels[channel], numSamples, 0.0f, 1.0f);

        for (auto channel = now; channel < std::min (previous, numChannels); ++channel)
            applyRamp (channels[channel], numSamples, 1.0f, 0.0f);

        // Encoder 1 glides between the second input and the mono signal, which the mono path feeds it.
        if (now == 1)
            addWithRamp (channels[1], channels[0], numSamples, 0.0f, 1.0f);

        if (previous == 1)
            addWithRamp (channels[1], channels[0], numSamples, 1.0f, 0.0f);
    }

    if (now > previous)
        numActiveInputs = now;

    return now;
}

void VevazovAzudAudioProcessor::encodeFedInputs (float* const* channels, int numChannels, int numSamples) noexcept
{
    const int fed = numActiveInputs;
    const auto numFed = std::min ({ fed, numChannels, InputLayouts::maxChannels });
    float* outputs[] = { channels[0], channels[1], channels[2], channels[3] };

    // The outputs overwrite inputs 0-3, so those are copied before any encoder
    // writes; the channels above them are read where they are.
    std::array<const float*, InputLayouts::maxChannels> inputs {};

    for (auto channel = 0; channel < numFed; ++channel)
    {
        if (channel < InputLayouts::numOutputChannels)
        {
            std::copy (channels[channel], channels[channel] + numSamples, inputScratch[channel]);
            inputs[static_cast<size_t> (channel)] = inputScratch[channel];
        }
        else
        {
            inputs[static_cast<size_t> (channel)] = channels[channel];
        }
    }

    std::array<SourceEncoder*, InputLayouts::maxChannels> fedEncoders {};

    for (size_t slot = 0; slot < fedEncoders.size(); ++slot)
        fedEncoders[slot] = &encoders[slot];

    // The mono path feeds encoders 0 and 1 from the same signal.
    if (fed == 1)
    {
        inputs[1] = inputs[0];
        encodeMix (fedEncoders.data(), inputs.data(), 2, outputs, numSamples);
        return;
    }

    encodeMix (fedEncoders.data(), inputs.data(), numFed, outputs, numSamples);
}

void VevazovAzudAudioProcessor::applyOutputGain (float* const* channels, int numSamples) noexcept
{
    const float target = targetOutputGain;
    float gain = smoothedOutputGain;
    const auto distance = static_cast<double> (std::abs (gain - target));
    auto j = 0;

    // A gain that became infinite (from an absurd Gain value) snaps back instead of sticking.
    if (distance > outputGainTolerance && distance <= std::numeric_limits<double>::max())
    {
        // Once started, the glide runs to the end of the block; when rounding holds
        // the gain still, the rest of the block takes it as a constant.
        for (; j < numSamples; ++j)
        {
            const auto next = static_cast<float> (outputGainKeep * static_cast<double> (gain) + outputGainTake * static_cast<double> (target));

            if (next == gain)
                break;

            gain = next;

            for (auto channel = 0; channel < InputLayouts::numOutputChannels; ++channel)
                channels[channel][j] *= gain;
        }
    }
    else
    {
        gain = target;
    }

    smoothedOutputGain = gain;

    if (j == numSamples || gain == 1.0f)
        return;

    for (auto channel = 0; channel < InputLayouts::numOutputChannels; ++channel)
        juce::FloatVectorOperations::multiply (channels[channel] + j, gain, numSamples - j);
}

void VevazovAzudAudioProcessor::meterOutputs (float* const* channels, int numSamples) noexcept
{
    for (auto channel = 0; channel < InputLayouts::numOutputChannels; ++channel)
    {
        auto& meter = levelMeters[static_cast<size_t> (firstOutputMeter + channel)];
        meter = LevelMeter::nextValue (meter, LevelMeter::peakOf (channels[channel], numSamples));
    }
}
