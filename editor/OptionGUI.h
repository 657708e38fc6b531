#pragma once

#include "AdmOscPanel.h"
#include "AltLookAndFeel_transparentButton.h"

#include <processor/VevazovAzudAudioProcessor.h>

#include <juce_gui_extra/juce_gui_extra.h>

#include <array>
#include <memory>

/** The instance's options, laid over the editor below its header strip: the input
    layout, the output convention and the distance law, and how the instance
    shows in the shared scene (its colour, its label, whether it is shown), with a
    button that opens and closes the scene window.

    Its 50 ms timer keeps it in step with the processor whether it is shown or
    not, so that choices made by the host or by a restored state show up here;
    only the colour selector and the label editor keep their own values, and the
    selector's colour is the one the processor takes. A click anywhere on the panel
    away from its controls, its labels and frame included, hides it.

    Above all that, in the free area on the left, a small button opens and closes
    the instance's ADM-OSC settings.
*/
class OptionGUI : public juce::Component,
                  public juce::Timer,
                  public juce::TextEditor::Listener,
                  public juce::Button::Listener,
                  public juce::ComboBox::Listener
{
public:
    static constexpr int panelWidth = 556;
    static constexpr int panelHeight = 410;
    static constexpr int timerPeriodMs = 50;
    static constexpr std::size_t numChildComponents = 15;

    /** Takes its values from the processor, which outlives the panel. */
    explicit OptionGUI (VevazovAzudAudioProcessor& processorToUse);
    ~OptionGUI() override;

    //==============================================================================
    void paint (juce::Graphics&) override;
    void resized() override;
    void timerCallback() override;
    void textEditorTextChanged (juce::TextEditor&) override;
    void buttonClicked (juce::Button*) override;
    void comboBoxChanged (juce::ComboBox*) override;

private:
    void configureChildren();
    void fillCombos();
    void updateInputCombo();
    void updateFromProcessor();
    void takeSelectorColour();
    void sendEyeGesture (bool shown);

    /** The children in creation order, which is also their stacking order. */
    std::array<juce::Component*, numChildComponents> children() const noexcept;

    VevazovAzudAudioProcessor& processor;
    AltLookAndFeel_transparentButton lnfTransparentButton;
    bool needsReload = false;

    std::unique_ptr<juce::Label> label_InputConfig;
    std::unique_ptr<juce::GroupComponent> OrbelScene;
    std::unique_ptr<juce::Label> label_OutputConfig;
    std::unique_ptr<juce::Label> label_Rolloff;
    std::unique_ptr<juce::TextButton> closeButton;
    std::unique_ptr<juce::ComboBox> comboBox_idxDistAttenuationFactor;
    std::unique_ptr<juce::ComboBox> comboBox_idxOutputConfig;
    std::unique_ptr<juce::Label> label_WidgetLabel;
    std::unique_ptr<juce::TextButton> sceneButton;
    std::unique_ptr<juce::ImageButton> eyeButton;
    std::unique_ptr<juce::ColourSelector> colourSelector;
    std::unique_ptr<juce::TextEditor> textEditor_WidgetLabel;
    std::unique_ptr<juce::ComboBox> comboBox_idxInputConfig;
    std::unique_ptr<juce::TextButton> admOscButton;
    std::unique_ptr<AdmOscPanel> admOscPanel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (OptionGUI)
};
