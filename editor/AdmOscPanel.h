#pragma once

#include <processor/VevazovAzudAudioProcessor.h>

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <memory>

/** The instance's ADM-OSC settings, opened from the options panel: its object
    number, whether it sends its position (to a host and port, polar, Cartesian or
    both) and whether it follows positions received on a port, with a line per
    direction that says what the connection is doing ("sending to 127.0.0.1:4001",
    "opening port 4001", "port 4001 in use").

    Every change goes to the processor at once (a number or address when its field
    is left or Return is pressed); a field that holds something unusable goes back
    to the setting. The options panel's timer refreshes it while it is shown.
*/
class AdmOscPanel : public juce::Component,
                    private juce::Button::Listener,
                    private juce::ComboBox::Listener,
                    private juce::TextEditor::Listener
{
public:
    static constexpr int panelWidth = 236;
    static constexpr int panelHeight = 216;
    static constexpr std::size_t numChildComponents = 13;

    explicit AdmOscPanel (VevazovAzudAudioProcessor&);
    ~AdmOscPanel() override;

    /** Shows the processor's settings (except in a field being edited) and the connection's state. */
    void refresh();

    void paint (juce::Graphics&) override;
    void resized() override;

private:
    void buttonClicked (juce::Button*) override;
    void comboBoxChanged (juce::ComboBox*) override;
    void textEditorReturnKeyPressed (juce::TextEditor&) override;
    void textEditorFocusLost (juce::TextEditor&) override;
    void textEditorEscapeKeyPressed (juce::TextEditor&) override;

    void takeField (juce::TextEditor&);
    juce::String settingShownIn (const juce::TextEditor&) const;
    std::array<juce::Component*, numChildComponents> children() const noexcept;

    VevazovAzudAudioProcessor& processor;

    std::unique_ptr<juce::Label> title;
    std::unique_ptr<juce::Label> objectCaption;
    std::unique_ptr<juce::TextEditor> objectNumber;
    std::unique_ptr<juce::ToggleButton> sendToggle;
    std::unique_ptr<juce::TextEditor> sendHost;
    std::unique_ptr<juce::Label> sendPortCaption;
    std::unique_ptr<juce::TextEditor> sendPort;
    std::unique_ptr<juce::Label> sendAsCaption;
    std::unique_ptr<juce::ComboBox> sendAs;
    std::unique_ptr<juce::ToggleButton> receiveToggle;
    std::unique_ptr<juce::Label> receivePortCaption;
    std::unique_ptr<juce::TextEditor> receivePort;
    std::unique_ptr<juce::Label> status;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AdmOscPanel)
};
