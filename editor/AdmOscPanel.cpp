#include "AdmOscPanel.h"

namespace
{
    enum Child
    {
        titleLabel,
        objectLabel,
        objectField,
        sendButton,
        hostField,
        sendPortLabel,
        sendPortField,
        sendAsLabel,
        sendAsChoice,
        receiveButton,
        receivePortLabel,
        receivePortField,
        statusLabel,
        numChildren
    };

    struct ChildSpec
    {
        const char* name;
        const char* text;
        int x, y, width, height;
    };

    // clang-format off
    //  name                  text             x    y    w    h
    constexpr std::array<ChildSpec, numChildren> childSpecs {{
        { "admOscTitle",        "ADM-OSC",       10,  6,   120, 20 },
        { "admOscObjectLabel",  "Object",        10,  32,  60,  22 },
        { "admOscObject",       "",              92,  33,  50,  20 },
        { "admOscSend",         "Send to",       10,  62,  80,  22 },
        { "admOscSendHost",     "",              92,  63,  86,  20 },
        { "admOscSendPortLabel", ":",            178, 62,  8,   22 },
        { "admOscSendPort",     "",              186, 63,  40,  20 },
        { "admOscSendAsLabel",  "Send as",       26,  92,  66,  22 },
        { "admOscSendAs",       "",              92,  93,  134, 20 },
        { "admOscReceive",      "Receive on",    10,  122, 100, 22 },
        { "admOscReceivePortLabel", "port",      120, 122, 60,  22 },
        { "admOscReceivePort",  "",              186, 123, 40,  20 },
        { "admOscStatus",       "",              10,  152, 216, 56 },
    }};
    // clang-format on

    static_assert (static_cast<std::size_t> (numChildren) == AdmOscPanel::numChildComponents, "one row per child");

    constexpr float captionFontHeight = 15.0f;
    constexpr float statusFontHeight = 13.0f;
    constexpr float cornerSize = 4.0f;
    constexpr juce::uint32 textColour = 0xFFFCFCFC;
    constexpr juce::uint32 statusColour = 0xFFBDD1EE;
    constexpr juce::uint32 backgroundColour = 0xF0141A22;
    constexpr juce::uint32 outlineColour = 0xD2FCFCFC;
    constexpr juce::uint32 fieldBackgroundColour = 0x00FFFFFF;
    constexpr juce::uint32 fieldHighlightColour = 0xFFBDD1EE;

    constexpr int objectDigits = 4;
    constexpr int portDigits = 5;
    constexpr int hostCharacters = 15;

    void styleCaption (juce::Label& label, const ChildSpec& spec, float fontHeight = captionFontHeight)
    {
        label.setText (spec.text, juce::dontSendNotification);
        label.setFont (juce::Font (fontHeight, juce::Font::plain));
        label.setJustificationType (juce::Justification::centredLeft);
        label.setColour (juce::Label::textColourId, juce::Colour (textColour));
        label.setInterceptsMouseClicks (false, false);
    }

    void styleField (juce::TextEditor& field, int maximumLength, const juce::String& allowed)
    {
        field.setMultiLine (false);
        field.setInputRestrictions (maximumLength, allowed);
        field.setJustification (juce::Justification::centredLeft);
        field.setColour (juce::TextEditor::textColourId, juce::Colour (textColour));
        field.setColour (juce::TextEditor::backgroundColourId, juce::Colour (fieldBackgroundColour));
        field.setColour (juce::TextEditor::highlightColourId, juce::Colour (fieldHighlightColour));
        field.setColour (juce::TextEditor::outlineColourId, juce::Colour (outlineColour));
        field.setColour (juce::TextEditor::focusedOutlineColourId, juce::Colour (textColour));
        field.setColour (juce::CaretComponent::caretColourId, juce::Colour (textColour));
    }

    void styleToggle (juce::ToggleButton& toggle, const ChildSpec& spec)
    {
        toggle.setButtonText (spec.text);
        toggle.setColour (juce::ToggleButton::textColourId, juce::Colour (textColour));
        toggle.setColour (juce::ToggleButton::tickColourId, juce::Colour (textColour));
        toggle.setColour (juce::ToggleButton::tickDisabledColourId, juce::Colour (outlineColour));
    }

    /** The choices of the form positions are sent in, in the order of the setting's values. */
    constexpr std::array<const char*, AdmOscSettings::numSendAs> sendAsChoices { "aed (polar)", "xyz (Cartesian)", "aed and xyz" };

    /** A whole number within the range, or nothing for anything else. */
    std::optional<int> wholeNumberIn (const juce::String& text, int lowest, int highest)
    {
        const auto trimmed = text.trim();

        if (trimmed.isEmpty() || ! trimmed.containsOnly ("0123456789") || trimmed.length() > portDigits)
            return {};

        const auto value = trimmed.getIntValue();
        return value >= lowest && value <= highest ? std::optional<int> (value) : std::nullopt;
    }
} // namespace

AdmOscPanel::AdmOscPanel (VevazovAzudAudioProcessor& processorToUse)
    : processor (processorToUse),
      title (std::make_unique<juce::Label>()),
      objectCaption (std::make_unique<juce::Label>()),
      objectNumber (std::make_unique<juce::TextEditor>()),
      sendToggle (std::make_unique<juce::ToggleButton>()),
      sendHost (std::make_unique<juce::TextEditor>()),
      sendPortCaption (std::make_unique<juce::Label>()),
      sendPort (std::make_unique<juce::TextEditor>()),
      sendAsCaption (std::make_unique<juce::Label>()),
      sendAs (std::make_unique<juce::ComboBox>()),
      receiveToggle (std::make_unique<juce::ToggleButton>()),
      receivePortCaption (std::make_unique<juce::Label>()),
      receivePort (std::make_unique<juce::TextEditor>()),
      status (std::make_unique<juce::Label>())
{
    const auto all = children();

    for (std::size_t i = 0; i < all.size(); ++i)
    {
        all[i]->setName (childSpecs[i].name);
        addAndMakeVisible (all[i]);
    }

    styleCaption (*title, childSpecs[titleLabel]);
    styleCaption (*objectCaption, childSpecs[objectLabel]);
    styleCaption (*sendPortCaption, childSpecs[sendPortLabel]);
    styleCaption (*sendAsCaption, childSpecs[sendAsLabel]);
    styleCaption (*receivePortCaption, childSpecs[receivePortLabel]);
    receivePortCaption->setJustificationType (juce::Justification::centredRight);
    styleCaption (*status, childSpecs[statusLabel], statusFontHeight);
    status->setColour (juce::Label::textColourId, juce::Colour (statusColour));
    status->setJustificationType (juce::Justification::topLeft);

    styleToggle (*sendToggle, childSpecs[sendButton]);
    styleToggle (*receiveToggle, childSpecs[receiveButton]);
    sendToggle->addListener (this);
    receiveToggle->addListener (this);

    for (size_t i = 0; i < sendAsChoices.size(); ++i)
        sendAs->addItem (sendAsChoices[i], static_cast<int> (i) + 1);

    sendAs->setJustificationType (juce::Justification::centredLeft);
    sendAs->addListener (this);

    styleField (*objectNumber, objectDigits, "0123456789");
    styleField (*sendHost, hostCharacters, "0123456789.abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-");
    styleField (*sendPort, portDigits, "0123456789");
    styleField (*receivePort, portDigits, "0123456789");

    for (auto* field : { objectNumber.get(), sendHost.get(), sendPort.get(), receivePort.get() })
        field->addListener (this);

    setSize (panelWidth, panelHeight);
    refresh();
}

AdmOscPanel::~AdmOscPanel() = default;

std::array<juce::Component*, AdmOscPanel::numChildComponents> AdmOscPanel::children() const noexcept
{
    return { title.get(), objectCaption.get(), objectNumber.get(), sendToggle.get(), sendHost.get(), sendPortCaption.get(), sendPort.get(), sendAsCaption.get(), sendAs.get(), receiveToggle.get(), receivePortCaption.get(), receivePort.get(), status.get() };
}

//==============================================================================
void AdmOscPanel::refresh()
{
    const auto& settings = processor.getAdmOscSettings();

    sendToggle->setToggleState (settings.sendEnabled, juce::dontSendNotification);
    receiveToggle->setToggleState (settings.receiveEnabled, juce::dontSendNotification);
    sendAs->setSelectedId (static_cast<int> (settings.sendAs) + 1, juce::dontSendNotification);
    for (auto* field : { objectNumber.get(), sendHost.get(), sendPort.get(), receivePort.get() })
        if (! field->hasKeyboardFocus (true) && field->getText() != settingShownIn (*field))
            field->setText (settingShownIn (*field), false);

    auto* services = getProcessWideServices();
    const auto text = services != nullptr ? services->describeAdmOsc (processor) : juce::String();

    if (status->getText() != text)
        status->setText (text, juce::dontSendNotification);
}

void AdmOscPanel::paint (juce::Graphics& g)
{
    const auto bounds = getLocalBounds().toFloat().reduced (0.5f);
    g.setColour (juce::Colour (backgroundColour));
    g.fillRoundedRectangle (bounds, cornerSize);
    g.setColour (juce::Colour (outlineColour));
    g.drawRoundedRectangle (bounds, cornerSize, 1.0f);
}

void AdmOscPanel::resized()
{
    const auto all = children();

    for (std::size_t i = 0; i < all.size(); ++i)
    {
        const auto& spec = childSpecs[i];
        all[i]->setBounds (spec.x, spec.y, spec.width, spec.height);
    }
}

//==============================================================================
void AdmOscPanel::buttonClicked (juce::Button* button)
{
    auto settings = processor.getAdmOscSettings();

    if (button == sendToggle.get())
        settings.sendEnabled = sendToggle->getToggleState();
    else if (button == receiveToggle.get())
        settings.receiveEnabled = receiveToggle->getToggleState();

    processor.setAdmOscSettings (settings);
    refresh();
}

void AdmOscPanel::comboBoxChanged (juce::ComboBox*)
{
    auto settings = processor.getAdmOscSettings();
    settings.sendAs = static_cast<AdmOscSettings::SendAs> (sendAs->getSelectedId() - 1);
    processor.setAdmOscSettings (settings);
    refresh();
}

void AdmOscPanel::textEditorReturnKeyPressed (juce::TextEditor& field)
{
    takeField (field);
}

void AdmOscPanel::textEditorFocusLost (juce::TextEditor& field)
{
    takeField (field);
}

void AdmOscPanel::textEditorEscapeKeyPressed (juce::TextEditor& field)
{
    field.setText (settingShownIn (field), false);
    field.giveAwayKeyboardFocus();
}

void AdmOscPanel::takeField (juce::TextEditor& field)
{
    auto settings = processor.getAdmOscSettings();
    const auto text = field.getText().trim();

    if (&field == objectNumber.get())
        settings.objectNumber = wholeNumberIn (text, AdmOscSettings::firstObject, AdmOscSettings::lastObject).value_or (settings.objectNumber);
    else if (&field == sendHost.get() && text.isNotEmpty())
        settings.sendHost = text;
    else if (&field == sendPort.get())
        settings.sendPort = wholeNumberIn (text, AdmOscSettings::firstPort, AdmOscSettings::lastPort).value_or (settings.sendPort);
    else if (&field == receivePort.get())
        settings.receivePort = wholeNumberIn (text, AdmOscSettings::firstPort, AdmOscSettings::lastPort).value_or (settings.receivePort);

    processor.setAdmOscSettings (settings);

    // What the setting became, or what it was when the text was unusable.
    field.setText (settingShownIn (field), false);
    refresh();
}

juce::String AdmOscPanel::settingShownIn (const juce::TextEditor& field) const
{
    const auto& settings = processor.getAdmOscSettings();

    if (&field == sendHost.get())
        return settings.sendHost;

    if (&field == objectNumber.get())
        return juce::String (settings.objectNumber);

    return juce::String (&field == sendPort.get() ? settings.sendPort : settings.receivePort);
}
