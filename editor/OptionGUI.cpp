#include "OptionGUI.h"

#include "EmbeddedImages.h"

#include <BinaryData.h>

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    enum Child
    {
        inputLabel,
        sceneGroup,
        outputLabel,
        rolloffLabel,
        closeArea,
        distanceCombo,
        outputCombo,
        widgetLabelCaption,
        sceneToggle,
        eye,
        colourArea,
        widgetLabelEditor,
        inputCombo,
        admOscToggle,
        admOscSettings,
        numChildren
    };

    struct ChildSpec
    {
        const char* name;
        const char* text;
        int x, y, width, height;
    };

    // clang-format off
    //  name                                   text                            x    y    w    h
    constexpr std::array<ChildSpec, numChildren> childSpecs {{
        { "label_InputConfig",                  "Input",                        316, 40,  53,  24 },
        { "OrbelScene",                         "Orbel Scene",                  264, 140, 272, 254 },
        { "label_OutputConfig",                 "Output",                       401, 70,  56,  24 },
        { "label_Rolloff",                      "Distance Attenuation Factor",  278, 102, 179, 24 },
        { "closeButton",                        "",                             0,   0,   556, 410 },
        { "comboBox_idxDistAttenuationFactor",  "",                             457, 104, 75,  19 },
        { "comboBox_idxOutputConfig",           "",                             457, 72,  75,  19 },
        { "label_WidgetLabel",                  "Label",                        295, 357, 50,  24 },
        { "sceneButton",                        "Open/Close Orbel Scene ",      298, 167, 159, 24 },
        { "new button",                         "",                             483, 168, 24,  24 },
        { "colourSelector",                     "",                             286, 191, 230, 168 },
        { "textEditor_WidgetLabel",             "",                             342, 359, 163, 19 },
        { "comboBox_idxInputConfig",            "",                             365, 42,  167, 19 },
        { "admOscButton",                       "ADM-OSC",                      16,  40,  80,  22 },
        { "admOscPanel",                        "",                             16,  68,  236, 216 },
    }};
    // clang-format on

    static_assert (static_cast<std::size_t> (numChildren) == OptionGUI::numChildComponents, "one row per child");

    //==============================================================================
    /** One item of the input list: the layout it stands for, and whether a
        separator opens a new group (by channel count) before it. The two 8.0
        layouts with ids 12 and 13 stand in the list in the reverse order of their ids.
    */
    struct InputItem
    {
        int layoutId;
        bool separatorBefore;
    };

    // clang-format off
    constexpr std::array<InputItem, InputLayouts::numLayouts> inputItems {{
        { 0,  false },                                      // Mono
        { 1,  true  },                                      // Stereo
        { 2,  true  }, { 3,  false },                       // 4.0
        { 4,  true  }, { 5,  false }, { 6,  false }, { 7,  false }, // 5.1
        { 8,  true  }, { 9,  false }, { 10, false }, { 11, false }, // 7.1
        { 13, true  }, { 12, false }, { 14, false }, { 15, false }, // 8.0
    }};
    // clang-format on

    constexpr bool inputItemsFollowPanelPositions() noexcept
    {
        for (std::size_t index = 0; index < inputItems.size(); ++index)
            if (InputLayouts::layoutFor (inputItems[index].layoutId).panelPosition != static_cast<int> (index) + 1)
                return false;

        return true;
    }

    static_assert (inputItemsFollowPanelPositions(), "the input list must show the layouts at their panel positions");

    /** How many items of the input list, from the top, a host's input channel
        count can feed; any count without a row feeds none.
    */
    struct EnabledItems
    {
        int numHostInputs;
        int numItems;
    };

    // clang-format off
    constexpr std::array<EnabledItems, 5> enabledItems {{
        { 1, 1 },   // Mono
        { 2, 2 },   // up to Stereo
        { 4, 4 },   // up to the 4.0 layouts
        { 6, 8 },   // up to the 5.1 layouts
        { 8, 16 },  // everything
    }};
    // clang-format on

    constexpr int numEnabledItems (int numHostInputs) noexcept
    {
        for (const auto& row : enabledItems)
            if (row.numHostInputs == numHostInputs)
                return row.numItems;

        return 0;
    }

    /** The list position of a layout id; an id without an item (-1 while no
        layout is chosen) shows as the first item, "Mono".
    */
    constexpr int itemIndexForLayout (int layoutId) noexcept
    {
        for (std::size_t index = 0; index < inputItems.size(); ++index)
            if (inputItems[index].layoutId == layoutId)
                return static_cast<int> (index);

        return 0;
    }

    /** The layout id of a list position; no selection stands for "Mono". */
    constexpr int layoutForItemIndex (int index) noexcept
    {
        return (index >= 0 && index < InputLayouts::numLayouts) ? inputItems[static_cast<std::size_t> (index)].layoutId
                                                                : InputLayouts::monoLayout;
    }

    /** The distance laws, in the processor's choice order. */
    constexpr std::array<const char*, 6> distanceItems { "Off", "1", "2", "3", "4", "5" };

    //==============================================================================
    constexpr float captionFontHeight = 15.0f;
    constexpr juce::uint32 captionColour = 0xFFFCFCFC;
    constexpr juce::uint32 groupOutlineColour = 0xD2FCFCFC;
    constexpr juce::uint32 invisibleButtonColour = 0x00FFFFFF;
    constexpr juce::uint32 invisibleTextColour = 0x00000000;

    constexpr juce::uint32 labelEditorTextColour = 0xFFFFFFFF;
    constexpr juce::uint32 labelEditorBackgroundColour = 0x00FFFFFF;
    constexpr juce::uint32 labelEditorHighlightColour = 0xFFBDD1EE;

    /** The colour selector shows only its colour-space area, with these gaps. */
    constexpr int selectorEdgeGap = 4;
    constexpr int selectorGap = 7;

    /** The shade darkens from the left towards the right-hand controls; the 30 px
        strip along the top stays unpainted so the editor's header shows through.
    */
    constexpr int headerStripHeight = 30;
    constexpr juce::uint32 shadeDarkColour = 0xFF000000;
    constexpr juce::uint32 shadeLightColour = 0x4B000000;
    const juce::Point<float> shadeDarkPoint { 570.0f, 38.0f };
    const juce::Point<float> shadeLightPoint { 148.0f, 60.0f };

    /** The eye sends two values inside one gesture, both on the side of the 0.5
        threshold that it means, ending on the extreme.
    */
    constexpr std::array<float, 2> eyeOnValues { 0.9f, 1.0f };
    constexpr std::array<float, 2> eyeOffValues { 0.1f, 0.0f };

    //==============================================================================
    /** A fixed caption in the panel's light text; clicks go to what lies beneath it. */
    void styleCaption (juce::Label& label, const ChildSpec& spec, juce::Justification justification)
    {
        label.setText (spec.text, juce::dontSendNotification);
        label.setFont (juce::Font (captionFontHeight, juce::Font::plain));
        label.setJustificationType (justification);
        label.setEditable (false, false, false);
        label.setColour (juce::Label::textColourId, juce::Colour (captionColour));
        label.setColour (juce::Label::textWhenEditingColourId, juce::Colours::black);
        label.setColour (juce::Label::backgroundWhenEditingColourId, juce::Colour (0x00000000));
        label.setInterceptsMouseClicks (false, false);
    }

    void styleCombo (juce::ComboBox& combo, juce::ComboBox::Listener& listener)
    {
        combo.setEditableText (false);
        combo.setJustificationType (juce::Justification::centredLeft);
        combo.setTextWhenNothingSelected ({});
        combo.setTextWhenNoChoicesAvailable ("(no choices)");
        combo.addListener (&listener);
    }

    /** Selects the index-th item (separators not counted) without notification;
        an index without an item leaves the combo showing nothing.
    */
    void selectItemAt (juce::ComboBox& combo, int index)
    {
        combo.setSelectedId (combo.getItemId (index), juce::dontSendNotification);
    }
} // namespace

//==============================================================================
OptionGUI::OptionGUI (VevazovAzudAudioProcessor& processorToUse)
    : processor (processorToUse),
      label_InputConfig (std::make_unique<juce::Label>()),
      OrbelScene (std::make_unique<juce::GroupComponent>()),
      label_OutputConfig (std::make_unique<juce::Label>()),
      label_Rolloff (std::make_unique<juce::Label>()),
      closeButton (std::make_unique<juce::TextButton>()),
      comboBox_idxDistAttenuationFactor (std::make_unique<juce::ComboBox>()),
      comboBox_idxOutputConfig (std::make_unique<juce::ComboBox>()),
      label_WidgetLabel (std::make_unique<juce::Label>()),
      sceneButton (std::make_unique<juce::TextButton>()),
      eyeButton (std::make_unique<juce::ImageButton>()),
      colourSelector (std::make_unique<juce::ColourSelector> (juce::ColourSelector::showColourspace, selectorEdgeGap, selectorGap)),
      textEditor_WidgetLabel (std::make_unique<juce::TextEditor>()),
      comboBox_idxInputConfig (std::make_unique<juce::ComboBox>()),
      admOscButton (std::make_unique<juce::TextButton>()),
      admOscPanel (std::make_unique<AdmOscPanel> (processorToUse))
{
    configureChildren();
    setSize (panelWidth, panelHeight);
    closeButton->setLookAndFeel (&lnfTransparentButton);

    fillCombos();
    startTimer (timerPeriodMs);

    colourSelector->setCurrentColour (processor.getWidgetColour(), juce::dontSendNotification);

    eyeButton->setClickingTogglesState (true);
    eyeButton->setToggleState (processor.getWidgetIsVisible(), juce::dontSendNotification);

    textEditor_WidgetLabel->addListener (this);
    textEditor_WidgetLabel->setText (processor.getWidgetLabel(), false);

    needsReload = true;
}

OptionGUI::~OptionGUI()
{
    closeButton->setLookAndFeel (nullptr);
}

std::array<juce::Component*, OptionGUI::numChildComponents> OptionGUI::children() const noexcept
{
    return { label_InputConfig.get(),
             OrbelScene.get(),
             label_OutputConfig.get(),
             label_Rolloff.get(),
             closeButton.get(),
             comboBox_idxDistAttenuationFactor.get(),
             comboBox_idxOutputConfig.get(),
             label_WidgetLabel.get(),
             sceneButton.get(),
             eyeButton.get(),
             colourSelector.get(),
             textEditor_WidgetLabel.get(),
             comboBox_idxInputConfig.get(),
             admOscButton.get(),
             admOscPanel.get() };
}

void OptionGUI::configureChildren()
{
    const auto all = children();

    for (std::size_t i = 0; i < all.size(); ++i)
    {
        all[i]->setName (childSpecs[i].name);
        addAndMakeVisible (all[i]);
    }

    styleCaption (*label_InputConfig, childSpecs[inputLabel], juce::Justification::centred);
    styleCaption (*label_OutputConfig, childSpecs[outputLabel], juce::Justification::centred);
    styleCaption (*label_Rolloff, childSpecs[rolloffLabel], juce::Justification::centred);
    styleCaption (*label_WidgetLabel, childSpecs[widgetLabelCaption], juce::Justification::centredLeft);

    OrbelScene->setText (childSpecs[sceneGroup].text);
    OrbelScene->setTextLabelPosition (juce::Justification::centredLeft);
    OrbelScene->setColour (juce::GroupComponent::outlineColourId, juce::Colour (groupOutlineColour));
    OrbelScene->setColour (juce::GroupComponent::textColourId, juce::Colour (captionColour));

    closeButton->setButtonText (childSpecs[closeArea].text);
    closeButton->setConnectedEdges (juce::Button::ConnectedOnLeft | juce::Button::ConnectedOnRight
                                    | juce::Button::ConnectedOnTop | juce::Button::ConnectedOnBottom);
    closeButton->setColour (juce::TextButton::buttonColourId, juce::Colour (invisibleButtonColour));
    closeButton->setColour (juce::TextButton::buttonOnColourId, juce::Colour (invisibleButtonColour));
    closeButton->setColour (juce::TextButton::textColourOnId, juce::Colour (invisibleTextColour));
    closeButton->setColour (juce::TextButton::textColourOffId, juce::Colour (invisibleTextColour));
    closeButton->addListener (this);

    for (auto* combo : { comboBox_idxDistAttenuationFactor.get(), comboBox_idxOutputConfig.get(), comboBox_idxInputConfig.get() })
        styleCombo (*combo, *this);

    sceneButton->setButtonText (childSpecs[sceneToggle].text);
    sceneButton->addListener (this);

    admOscButton->setButtonText (childSpecs[admOscToggle].text);
    admOscButton->setClickingTogglesState (true);
    admOscButton->addListener (this);
    admOscPanel->setVisible (false);

    const auto eyeLight = EmbeddedImages::get (BinaryData::eyeLight_png, BinaryData::eyeLight_pngSize);
    const auto eyeDark = EmbeddedImages::get (BinaryData::eyeDark_png, BinaryData::eyeDark_pngSize);
    eyeButton->setImages (false, true, true, eyeLight, 1.0f, juce::Colours::transparentBlack, eyeLight, 1.0f, juce::Colours::transparentBlack, eyeDark, 1.0f, juce::Colours::transparentBlack, 0.0f);
    eyeButton->addListener (this);

    textEditor_WidgetLabel->setMultiLine (false);
    textEditor_WidgetLabel->setReturnKeyStartsNewLine (false);
    textEditor_WidgetLabel->setReadOnly (false);
    textEditor_WidgetLabel->setScrollbarsShown (true);
    textEditor_WidgetLabel->setCaretVisible (true);
    textEditor_WidgetLabel->setPopupMenuEnabled (true);
    textEditor_WidgetLabel->setColour (juce::TextEditor::textColourId, juce::Colour (labelEditorTextColour));
    textEditor_WidgetLabel->setColour (juce::TextEditor::backgroundColourId, juce::Colour (labelEditorBackgroundColour));
    textEditor_WidgetLabel->setColour (juce::TextEditor::highlightColourId, juce::Colour (labelEditorHighlightColour));
    textEditor_WidgetLabel->setColour (juce::TextEditor::outlineColourId, juce::Colour (labelEditorTextColour));
    textEditor_WidgetLabel->setColour (juce::CaretComponent::caretColourId, juce::Colour (labelEditorTextColour));
}

void OptionGUI::fillCombos()
{
    for (std::size_t index = 0; index < inputItems.size(); ++index)
    {
        const auto& item = inputItems[index];

        if (item.separatorBefore)
            comboBox_idxInputConfig->addSeparator();

        comboBox_idxInputConfig->addItem (InputLayouts::layoutFor (item.layoutId).name, static_cast<int> (index) + 1);
    }

    updateInputCombo();

    for (const auto& convention : InputLayouts::outputConventions)
        comboBox_idxOutputConfig->addItem (convention.name, convention.panelPosition);

    selectItemAt (*comboBox_idxOutputConfig, processor.getIdxOutputConfig());

    for (std::size_t index = 0; index < distanceItems.size(); ++index)
        comboBox_idxDistAttenuationFactor->addItem (distanceItems[index], static_cast<int> (index) + 1);

    selectItemAt (*comboBox_idxDistAttenuationFactor, processor.getIdxDistAttenuationFactor());
}

//==============================================================================
void OptionGUI::paint (juce::Graphics& g)
{
    g.setGradientFill (juce::ColourGradient (juce::Colour (shadeDarkColour), shadeDarkPoint, juce::Colour (shadeLightColour), shadeLightPoint, false));
    g.fillRect (0, headerStripHeight, panelWidth, panelHeight - headerStripHeight);
}

void OptionGUI::resized()
{
    const auto all = children();

    for (std::size_t i = 0; i < all.size(); ++i)
    {
        const auto& spec = childSpecs[i];
        all[i]->setBounds (spec.x, spec.y, spec.width, spec.height);
    }
}

//==============================================================================
void OptionGUI::timerCallback()
{
    if (needsReload)
    {
        colourSelector->setCurrentColour (processor.getWidgetColour(), juce::dontSendNotification);
        needsReload = false;
        textEditor_WidgetLabel->setText (processor.getWidgetLabel(), false);
    }

    updateFromProcessor();
    takeSelectorColour();

    if (admOscPanel->isVisible())
        admOscPanel->refresh();
}

void OptionGUI::updateInputCombo()
{
    const auto numEnabled = numEnabledItems (processor.getTotalNumInputChannels());

    for (auto index = 0; index < InputLayouts::numLayouts; ++index)
        comboBox_idxInputConfig->setItemEnabled (index + 1, index < numEnabled);

    selectItemAt (*comboBox_idxInputConfig, itemIndexForLayout (processor.getInputConfigID()));
}

void OptionGUI::updateFromProcessor()
{
    updateInputCombo();
    selectItemAt (*comboBox_idxOutputConfig, processor.getIdxOutputConfig());
    selectItemAt (*comboBox_idxDistAttenuationFactor, processor.getIdxDistAttenuationFactor());
    eyeButton->setToggleState (processor.getWidgetIsVisible(), juce::dontSendNotification);
}

void OptionGUI::takeSelectorColour()
{
    // Without an alpha control the selector reports the colour opaque, so a
    // translucent colour from elsewhere becomes opaque here too.
    const auto picked = colourSelector->getCurrentColour();

    if (picked != processor.getWidgetColour())
        processor.setWidgetColour (picked);
}

//==============================================================================
void OptionGUI::textEditorTextChanged (juce::TextEditor& editor)
{
    processor.setWidgetLabel (editor.getText());
}

void OptionGUI::buttonClicked (juce::Button* button)
{
    if (button == closeButton.get())
    {
        setVisible (false);
    }
    else if (button == sceneButton.get())
    {
        if (auto* services = getProcessWideServices())
            services->toggleSceneWindowVisibility();
    }
    else if (button == eyeButton.get())
    {
        sendEyeGesture (eyeButton->getToggleState());
    }
    else if (button == admOscButton.get())
    {
        admOscPanel->setVisible (admOscButton->getToggleState());

        if (admOscPanel->isVisible())
            admOscPanel->refresh();
    }
}

void OptionGUI::sendEyeGesture (bool shown)
{
    processor.beginParameterChangeGesture (Processor::showOnSceneIndex);

    for (auto value : shown ? eyeOnValues : eyeOffValues)
        processor.setParameterNotifyingHost (Processor::showOnSceneIndex, value);

    processor.endParameterChangeGesture (Processor::showOnSceneIndex);
}

void OptionGUI::comboBoxChanged (juce::ComboBox* combo)
{
    const auto index = combo->getSelectedItemIndex();

    if (combo == comboBox_idxDistAttenuationFactor.get())
        processor.setDistAttenuationFactor (index);
    else if (combo == comboBox_idxOutputConfig.get())
        processor.setOutputConfig (index);
    else if (combo == comboBox_idxInputConfig.get())
        processor.setInputConfig (layoutForItemIndex (index));
}

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
