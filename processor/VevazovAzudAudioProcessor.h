#pragma once

#include "AdmOscSettings.h"
#include "InputLayouts.h"
#include "ProcessWide.h"

#include <encoding/Relaxed.h>
#include <encoding/SourceEncoder.h>

#include <juce_audio_processors/juce_audio_processors.h>

/** One instance of the plug-in: six host parameters, an input layout and an output
    convention, eight source encoders, the meters, and the instance's appearance in
    the shared scene.

    The parameter setter may run on any thread; the block method runs on the audio
    thread; everything else runs on the message thread. There is no lock: every
    value that crosses threads is one word, read and written whole, and every gain
    that reaches the audio glides toward its target sample by sample.
*/
class VevazovAzudAudioProcessor : public juce::AudioProcessor
{
public:
    enum ParameterIndex
    {
        azimuthIndex = 0,
        elevationIndex,
        distanceIndex,
        widthIndex,
        gainIndex,
        showOnSceneIndex,
        numParameters
    };

    static constexpr int maxBlockSize = 8192;

    /** The most host channels a block is read from; more than any configuration offers. */
    static constexpr size_t maxHostChannels = 32;
    static constexpr int numMeters = 12;
    static constexpr int firstOutputMeter = 8;
    static constexpr juce::uint32 defaultWidgetColour = 0xFF0B72F2;

    /** The look-and-feel that every instance in the process shares while any exists. */
    class KorvanneLookAndFeel;

    /** A processor for the host the framework identifies. */
    VevazovAzudAudioProcessor();

    /** A processor that behaves as if loaded by the given host. */
    explicit VevazovAzudAudioProcessor (juce::PluginHostType::HostType host);

    ~VevazovAzudAudioProcessor() override;

    //==============================================================================
    const juce::String getName() const override;
    void prepareToPlay (double sampleRate, int maximumExpectedSamplesPerBlock) override;
    void releaseResources() override;
    void processBlock (juce::AudioBuffer<float>&, juce::MidiBuffer&) override;
    void processBlockBypassed (juce::AudioBuffer<float>&, juce::MidiBuffer&) override;
    using juce::AudioProcessor::processBlock;
    using juce::AudioProcessor::processBlockBypassed;

    bool isBusesLayoutSupported (const BusesLayout&) const override;
    void processorLayoutsChanged() override;

    const juce::String getInputChannelName (int channelIndex) const override;
    const juce::String getOutputChannelName (int channelIndex) const override;
    bool isInputChannelStereoPair (int index) const override;
    bool isOutputChannelStereoPair (int index) const override;
    bool silenceInProducesSilenceOut() const override;
    double getTailLengthSeconds() const override;
    bool acceptsMidi() const override;
    bool producesMidi() const override;

    juce::AudioProcessorEditor* createEditor() override;
    bool hasEditor() const override;

    //==============================================================================
    int getNumParameters() override;
    const juce::String getParameterName (int index) override;
    juce::String getParameterID (int index) override;
    float getParameter (int index) override;

    /** The same value as getParameter, without a virtual call: the scene reads
        instances that a host may be building or destroying on another thread.
    */
    float getParameterValue (int index) const noexcept;
    const juce::String getParameterText (int index) override;
    float getParameterDefaultValue (int index) override;
    void setParameter (int index, float newValue) override;
    using juce::AudioProcessor::getParameterName;
    using juce::AudioProcessor::getParameterText;

    int getNumPrograms() override;
    int getCurrentProgram() override;
    void setCurrentProgram (int index) override;
    const juce::String getProgramName (int index) override;
    void changeProgramName (int index, const juce::String& newName) override;

    void getStateInformation (juce::MemoryBlock& destData) override;
    void setStateInformation (const void* data, int sizeInBytes) override;

    //==============================================================================
    /** Chooses input layout 0-15; any other id acts as "Mono" but is kept as given. */
    void setInputConfig (int layoutId);

    /** 0 "FuMa", 1 "ambiX"; any other value is kept and acts as FuMa. */
    void setOutputConfig (int conventionIndex);

    /** Distance attenuation choice 0-5 ("Off", "1" ... "5"). */
    void setDistAttenuationFactor (int choice);

    /** Chooses a layout as a restored state does: the layout starts without a cross-fade. */
    void restoreInputConfig (int layoutId);

    /** Chooses the layout from the host's input channel count and the host family,
        or, in a VST3 host that names the speakers of one layout and while no saved
        state has been restored, that layout; the layout starts without a cross-fade.
    */
    void selectInputConfigForHost();

    //==============================================================================
    juce::Colour getWidgetColour() const;
    void setWidgetColour (juce::Colour newColour);
    juce::String getWidgetLabel() const;
    void setWidgetLabel (const juce::String& newLabel);
    bool getWidgetIsVisible() const noexcept { return widgetIsVisible.get() != 0; }

    //==============================================================================
    /** The instance's ADM-OSC settings; message thread only. */
    const AdmOscSettings& getAdmOscSettings() const noexcept { return admOscSettings; }

    /** Takes new ADM-OSC settings, moved into their ranges, and tells the
        process-wide services when they differ from the current ones.
    */
    void setAdmOscSettings (const AdmOscSettings& newSettings);

    //==============================================================================
    int getInputConfigID() const noexcept { return inputConfigID; }
    int getLayoutInputChannels() const noexcept { return layoutInputChannels; }
    int getNumLayoutChannels() const noexcept { return numLayoutChannels; }
    int getNumActiveInputs() const noexcept { return numActiveInputs; }
    float getChannelAzimuthOffset (int slot) const noexcept;
    float getMinimumElevation() const noexcept { return minimumElevation; }
    float getTargetOutputGain() const noexcept { return targetOutputGain; }
    float getSmoothedOutputGain() const noexcept { return smoothedOutputGain; }
    float getLevelMeter (int index) const noexcept;
    int getHostType() const noexcept { return hostType; }
    int getIdxGUI() const noexcept { return idxGUI; }
    void setIdxGUI (int viewIndex) noexcept { idxGUI = viewIndex; }
    int getIdxOutputConfig() const noexcept { return idxOutputConfig; }
    int getIdxDistAttenuationFactor() const noexcept { return idxDistAttenuationFactor; }
    const SourceEncoder& getEncoder (int slot) const noexcept;

    /** The refresh flags: any thread raises them; the editor's and the scene's
        timers take them, which clears them.
    */
    bool isGuiUpdatePending() const noexcept { return guiNeedsUpdate.load(); }
    bool isSceneUpdatePending() const noexcept { return sceneNeedsUpdate.load(); }
    bool takeGuiUpdate() noexcept { return guiNeedsUpdate.exchange (false); }
    bool takeSceneUpdate() noexcept { return sceneNeedsUpdate.exchange (false); }

    /** Raises both flags, so that the editor and the scene re-read this instance. */
    void raiseRefreshFlags() noexcept;

private:
    friend class ProcessorState;

    //==============================================================================
    void applyAzimuth (float azimuth);
    void applyElevation (float elevation);
    void applyDistance (float distance);
    void applyGain (float gain);
    void applyShowOnScene (float value);
    void startLayoutWithoutCrossFade() noexcept;
    bool defersLayoutChoiceToFirstBlock() const;
    int layoutChosenForHost() const noexcept;
    void readHostSpeakers();
    int hostChannelAt (int slot, int numChannels) const noexcept;
    void reportParameterValues();

    void processChunk (float* const* channels, int numChannels, int numSamples) noexcept;
    void checkLayoutForBlock();
    void meterInputs (float* const* channels, int numChannels, int numSamples) noexcept;
    int crossFadeFedInputs (float* const* channels, int numChannels, int numSamples) noexcept;
    void encodeFedInputs (float* const* channels, int numChannels, int numSamples) noexcept;
    void applyOutputGain (float* const* channels, int numSamples) noexcept;
    void meterOutputs (float* const* channels, int numSamples) noexcept;

    //==============================================================================
    Relaxed<int> inputConfigID { InputLayouts::noLayout };
    Relaxed<int> layoutInputChannels { 0 };
    Relaxed<int> numLayoutChannels { 2 };
    Relaxed<int> numActiveInputs { 2 };
    std::array<SourceEncoder, InputLayouts::maxChannels> encoders;
    std::array<Relaxed<float>, InputLayouts::maxChannels> channelAzimuthOffsets {};
    Relaxed<float> minimumElevation { 0.0f };
    Relaxed<float> targetOutputGain { 1.0f };
    Relaxed<float> smoothedOutputGain { 1.0f };
    std::array<Relaxed<float>, numMeters> levelMeters {};
    const int hostType;
    const InputLayouts::HostFamily hostFamily;
    std::array<Relaxed<float>, numParameters> parameterValues {};
    std::atomic<bool> guiNeedsUpdate { true };
    std::atomic<bool> sceneNeedsUpdate { true };
    Relaxed<int> idxGUI { 0 };
    Relaxed<int> idxOutputConfig { 1 };
    Relaxed<int> idxDistAttenuationFactor { 0 };
    float inputScratch[InputLayouts::maxChannels][maxBlockSize];
    Relaxed<juce::uint32> widgetColour { defaultWidgetColour };
    Relaxed<int> widgetIsVisible { 1 };
    juce::String widgetLabel;
    AdmOscSettings admOscSettings;
    std::unique_ptr<ProcessWideServices::SharedReference> sharedLookAndFeel;

    // What a VST3 host's input bus says: the layout its speakers name, and for each
    // channel slot the buffer channel that carries the host's channel of that number.
    Relaxed<int> hostNamedLayout { InputLayouts::noLayout };
    std::array<Relaxed<int>, InputLayouts::maxChannels> hostChannelOrder {};
    Relaxed<bool> stateRestored { false };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VevazovAzudAudioProcessor)
};
