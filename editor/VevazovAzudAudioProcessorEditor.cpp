#include "VevazovAzudAudioProcessorEditor.h"

#include <BinaryData.h>
#include <processor/ParameterUnits.h>

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    struct ChildRow
    {
        const char* name;
        juce::Rectangle<int> bounds;
    };

    // clang-format off
    // In creation order, which is also the stacking order from the bottom up.
    const std::array<ChildRow, 16> childRows {{
        { "vuMeter",           { 472,  60,   3, 320 } },  // output W
        { "vuMeter",           { 482,  60,   3, 320 } },  // output 2
        { "vuMeter",           { 492,  60,   3, 320 } },  // output 3
        { "engrenage",         { 528,   5,  18,  18 } },
        { "sliderEle",         { 115, 433,  93,  56 } },
        { "new button",        {   0,   0, 173,  28 } },  // the welcome button over the header
        { "sliderAzi",         {  12, 433,  93,  56 } },
        { "sliderGain",        { 434, 428, 114,  70 } },
        { "sliderDist",        { 217, 433,  93,  56 } },
        { "vuMeter",           { 502,  60,   3, 320 } },  // output 4
        { "PadDist",           {   4,  30, 375, 375 } },
        { "Pad",               {  29,  61, 385, 317 } },
        { "sliderWidth",       { 325, 433,  93,  56 } },
        { "sliderEleVertical", { 377,  70,  29, 293 } },
        { "imageButtonVue",    { 408,  47,  19,  19 } },
        { "inputVuMeters",     { 441,  60,  29, 338 } },
    }};

    enum class Look { yaw, dist, gain, eleVertical };

    struct SliderRow
    {
        int parameter;
        juce::Slider::SliderStyle style;
        double interval;
        juce::Slider::TextEntryBoxPosition textBox;
        bool textBoxReadOnly;
        int textBoxWidth, textBoxHeight;
        const char* suffix;
        double doubleClickValue;
        double skew;
        Look look;
    };

    // Azimuth, elevation, distance, width, gain, and the top view's vertical
    // elevation slider, each over its parameter's range in units.
    constexpr std::array<SliderRow, 6> sliderRows {{
        { Processor::azimuthIndex,   juce::Slider::RotaryVerticalDrag, 1.0, juce::Slider::TextBoxLeft, false, 35, 15, "\xc2\xb0", 0.0, 1.0, Look::yaw },
        { Processor::elevationIndex, juce::Slider::RotaryVerticalDrag, 1.0, juce::Slider::TextBoxLeft, false, 35, 15, "\xc2\xb0", 0.0, 1.0, Look::yaw },
        { Processor::distanceIndex,  juce::Slider::RotaryVerticalDrag, 0.1, juce::Slider::TextBoxLeft, false, 35, 15, " m",       1.0, 1.0, Look::dist },
        { Processor::widthIndex,     juce::Slider::RotaryVerticalDrag, 1.0, juce::Slider::TextBoxLeft, false, 35, 15, " %",       0.0, 1.0, Look::dist },
        { Processor::gainIndex,      juce::Slider::RotaryVerticalDrag, 1.0, juce::Slider::TextBoxLeft, false, 45, 15, " dB",      0.0, 6.5, Look::gain },
        { Processor::elevationIndex, juce::Slider::LinearVertical,     1.0, juce::Slider::NoTextBox,   true,  35, 15, "",         0.0, 1.0, Look::eleVertical },
    }};

    constexpr juce::uint32 textBoxColour = 0x5092928d;

    struct SliderColour
    {
        int colourId;
        juce::uint32 knob, eleVertical;
    };

    constexpr std::array<SliderColour, 9> sliderColours {{
        { juce::Slider::backgroundColourId,           0xff000000, 0x00000000 },
        { juce::Slider::thumbColourId,                0xff000000, 0xff0b72f2 },
        { juce::Slider::trackColourId,                0xff000000, 0xff000000 },
        { juce::Slider::rotarySliderFillColourId,     0x7ffdfdfd, 0x7ffdfdfd },
        { juce::Slider::rotarySliderOutlineColourId,  0xff797979, 0xff797979 },
        { juce::Slider::textBoxTextColourId,          0xffd7d7d7, 0xffd7d7d7 },
        { juce::Slider::textBoxBackgroundColourId,    textBoxColour, textBoxColour },
        { juce::Slider::textBoxHighlightColourId,     0x3affffff, 0x3affffff },
        { juce::Slider::textBoxOutlineColourId,       0x00b9b9b9, 0x00b9b9b9 },
    }};
    // clang-format on

    constexpr juce::uint32 nearTextBoxColour = 0xa0f00000; // the distance box, closer than 1 m
    constexpr juce::uint32 welcomeButtonColour = 0x00bbbbff;
    constexpr juce::uint32 welcomeButtonOnColour = 0x48e8e8e8;
    constexpr int allEdgesConnected = 15;

    constexpr float gearOpacity = 0.85f;
    constexpr float gearOverOpacity = 1.0f;
    constexpr float gearDownOpacity = 0.5f;

    const juce::Rectangle<int> channelOrderArea { 469, 385, 38, 7 };

    // The view index: 1 is the unwrapped view, anything else the top view.
    constexpr int unwrappedView = 1;
    constexpr int ambiX = 1;

    juce::Image embeddedImage (const char* data, int size)
    {
        return EmbeddedImages::get (data, size);
    }

    /** The slider's whole image at one opacity for each of its three states, proportions kept. */
    void setGearImages (juce::ImageButton& button, const juce::Image& image)
    {
        button.setImages (false, true, true, image, gearOpacity, {}, image, gearOverOpacity, {}, image, gearDownOpacity, {}, 0.0f);
    }
} // namespace

//==============================================================================
VevazovAzudAudioProcessorEditor::VevazovAzudAudioProcessorEditor (VevazovAzudAudioProcessor& processorToEdit)
    : juce::AudioProcessorEditor (processorToEdit),
      processor (processorToEdit)
{
    createChildren();

    backgroundImage = embeddedImage (BinaryData::GUI_top_jpg, BinaryData::GUI_top_jpgSize);
    channelOrderImage = embeddedImage (BinaryData::WXYZ_png, BinaryData::WXYZ_pngSize);
    setSize (editorWidth, editorHeight);
    imageButtonVue->setClickingTogglesState (true);

    currentIdxGUI = processor.getIdxGUI();
    applyViewMode();
    imageButtonVue->setToggleState (currentIdxGUI != 0, juce::dontSendNotification);
    currentIdxOutputConfig = processor.getIdxOutputConfig();
    applyOutputConfig();

    optionGUI = std::make_unique<OptionGUI> (processor);
    welcomeGUI = std::make_unique<WelcomeGUI>();
    addChildComponent (*optionGUI);
    addChildComponent (*welcomeGUI);

    const auto allSliders = sliders();

    for (size_t row = 0; row < sliderRows.size(); ++row)
        allSliders[row]->setTextValueSuffix (juce::CharPointer_UTF8 (sliderRows[row].suffix));

    // The sliders and pads take the processor's values on the first tick.
    processor.raiseRefreshFlags();
    startTimer (editorTimerPeriodMs);

    for (size_t row = 0; row < sliderRows.size(); ++row)
        allSliders[row]->setDoubleClickReturnValue (true, sliderRows[row].doubleClickValue);

    for (size_t row = 0; row < sliderRows.size(); ++row)
    {
        switch (sliderRows[row].look)
        {
            case Look::yaw: allSliders[row]->setLookAndFeel (&lnfYaw); break;
            case Look::dist: allSliders[row]->setLookAndFeel (&lnfDist); break;
            case Look::gain: allSliders[row]->setLookAndFeel (&lnfTransparentButton); break;
            case Look::eleVertical: allSliders[row]->setLookAndFeel (&lnfEleVertical); break;
        }
    }

    welcomeButton->setLookAndFeel (&lnfTransparentButton);
}

VevazovAzudAudioProcessorEditor::~VevazovAzudAudioProcessorEditor()
{
    stopTimer();
    optionGUI = nullptr;

    for (auto* slider : sliders())
        slider->setLookAndFeel (nullptr);

    welcomeButton->setLookAndFeel (nullptr);

    vuMeter1 = nullptr;
    vuMeter2 = nullptr;
    vuMeter3 = nullptr;
    engrenage = nullptr;
    sliderEle = nullptr;
    welcomeButton = nullptr;
    sliderAzi = nullptr;
    sliderGain = nullptr;
    sliderDist = nullptr;
    vuMeter4 = nullptr;
    padDist = nullptr;
    pad = nullptr;
    sliderWidth = nullptr;
    sliderEleVertical = nullptr;
    imageButtonVue = nullptr;
    inputVuMeters = nullptr;
}

//==============================================================================
std::array<juce::Component*, 16> VevazovAzudAudioProcessorEditor::children() const noexcept
{
    return { vuMeter1.get(), vuMeter2.get(), vuMeter3.get(), engrenage.get(), sliderEle.get(), welcomeButton.get(), sliderAzi.get(), sliderGain.get(), sliderDist.get(), vuMeter4.get(), padDist.get(), pad.get(), sliderWidth.get(), sliderEleVertical.get(), imageButtonVue.get(), inputVuMeters.get() };
}

std::array<juce::Slider*, 6> VevazovAzudAudioProcessorEditor::sliders() const noexcept
{
    return { sliderAzi.get(), sliderEle.get(), sliderDist.get(), sliderWidth.get(), sliderGain.get(), sliderEleVertical.get() };
}

void VevazovAzudAudioProcessorEditor::createChildren()
{
    auto* const editedProcessor = &processor;
    vuMeter1 = std::make_unique<VuMeter> (editedProcessor, Processor::firstOutputMeter);
    vuMeter2 = std::make_unique<VuMeter> (editedProcessor, Processor::firstOutputMeter + 1);
    vuMeter3 = std::make_unique<VuMeter> (editedProcessor, Processor::firstOutputMeter + 2);
    engrenage = std::make_unique<juce::ImageButton>();
    sliderEle = std::make_unique<juce::Slider>();
    welcomeButton = std::make_unique<juce::TextButton>();
    sliderAzi = std::make_unique<juce::Slider>();
    sliderGain = std::make_unique<juce::Slider>();
    sliderDist = std::make_unique<juce::Slider>();
    vuMeter4 = std::make_unique<VuMeter> (editedProcessor, Processor::firstOutputMeter + 3);
    padDist = std::make_unique<PadDist> (editedProcessor);
    pad = std::make_unique<Pad> (editedProcessor);
    sliderWidth = std::make_unique<juce::Slider>();
    sliderEleVertical = std::make_unique<juce::Slider>();
    imageButtonVue = std::make_unique<juce::ImageButton>();
    inputVuMeters = std::make_unique<InputVuMeters> (editedProcessor);

    const auto allChildren = children();

    for (size_t i = 0; i < allChildren.size(); ++i)
    {
        addAndMakeVisible (*allChildren[i]);
        allChildren[i]->setName (childRows[i].name);
    }

    const auto allSliders = sliders();

    for (size_t row = 0; row < sliderRows.size(); ++row)
        configureSlider (*allSliders[row], row);

    configureButtons();
}

void VevazovAzudAudioProcessorEditor::configureSlider (juce::Slider& slider, size_t row)
{
    const auto& settings = sliderRows[row];
    const auto isVertical = settings.style == juce::Slider::LinearVertical;

    const auto& range = ParameterUnits::rangeOf (settings.parameter);
    slider.setRange (range.minimum, range.maximum, settings.interval);
    slider.setSliderStyle (settings.style);
    slider.setTextBoxStyle (settings.textBox, settings.textBoxReadOnly, settings.textBoxWidth, settings.textBoxHeight);

    for (const auto& colour : sliderColours)
        slider.setColour (colour.colourId, juce::Colour (isVertical ? colour.eleVertical : colour.knob));

    if (settings.skew != 1.0)
        slider.setSkewFactor (settings.skew);

    slider.addListener (this);
}

void VevazovAzudAudioProcessorEditor::configureButtons()
{
    setGearImages (*engrenage, embeddedImage (BinaryData::engrenage_png, BinaryData::engrenage_pngSize));
    engrenage->addListener (this);

    welcomeButton->setConnectedEdges (allEdgesConnected);
    welcomeButton->setColour (juce::TextButton::buttonColourId, juce::Colour (welcomeButtonColour));
    welcomeButton->setColour (juce::TextButton::buttonOnColourId, juce::Colour (welcomeButtonOnColour));
    welcomeButton->addListener (this);

    const auto cross = embeddedImage (BinaryData::vueCross_png, BinaryData::vueCross_pngSize);
    const auto dot = embeddedImage (BinaryData::vueDot_png, BinaryData::vueDot_pngSize);
    imageButtonVue->setImages (false, true, true, cross, 1.0f, {}, cross, 1.0f, {}, dot, 1.0f, {}, 0.0f);
    imageButtonVue->addListener (this);
}

//==============================================================================
void VevazovAzudAudioProcessorEditor::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::black);
    g.setColour (juce::Colours::black);
    g.drawImage (backgroundImage, 0, 0, editorWidth, editorHeight, 0, 0, backgroundImage.getWidth(), backgroundImage.getHeight());
    g.drawImage (channelOrderImage, channelOrderArea.getX(), channelOrderArea.getY(), channelOrderArea.getWidth(), channelOrderArea.getHeight(), 0, 0, channelOrderImage.getWidth(), channelOrderImage.getHeight());
}

void VevazovAzudAudioProcessorEditor::resized()
{
    const auto allChildren = children();

    for (size_t i = 0; i < allChildren.size(); ++i)
        if (allChildren[i] != nullptr)
            allChildren[i]->setBounds (childRows[i].bounds);
}

//==============================================================================
void VevazovAzudAudioProcessorEditor::timerCallback()
{
    inputVuMeters->setLayout (processor.getInputConfigID());

    // The meters move on every tick, and each repaints only its own bounds.
    for (auto* meter : std::initializer_list<juce::Component*> { inputVuMeters.get(), vuMeter1.get(), vuMeter2.get(), vuMeter3.get(), vuMeter4.get() })
        meter->repaint();

    if (processor.takeGuiUpdate())
        refreshFromProcessor();
}

void VevazovAzudAudioProcessorEditor::refreshFromProcessor()
{
    std::array<float, 5> p {};

    for (size_t i = 0; i < p.size(); ++i)
        p[i] = processor.getParameter (static_cast<int> (i));

    // The gain first, then the direction, then distance and width; no notification,
    // so that a refresh never writes a parameter back.
    const auto allSliders = sliders();

    for (const auto row : { 4, 0, 1, 5, 2, 3 })
    {
        const auto& settings = sliderRows[static_cast<size_t> (row)];
        allSliders[static_cast<size_t> (row)]->setValue (ParameterUnits::toUnits (settings.parameter, p[static_cast<size_t> (settings.parameter)]), juce::dontSendNotification);
    }

    const auto closerThanOneMetre = ParameterUnits::toUnits (Processor::distanceIndex, p[Processor::distanceIndex]) < 1.0;
    sliderDist->setColour (juce::Slider::textBoxBackgroundColourId, juce::Colour (closerThanOneMetre ? nearTextBoxColour : textBoxColour));

    const auto colour = processor.getWidgetColour();
    pad->setSourceValues (p[0], p[1], p[2], p[3], colour);
    padDist->setSourceValues (p[0], p[1], p[2], p[3], colour);

    if (processor.getIdxGUI() != currentIdxGUI)
    {
        currentIdxGUI = processor.getIdxGUI();
        applyViewMode();
        imageButtonVue->setToggleState (currentIdxGUI != 0, juce::dontSendNotification);
        repaint();
    }

    if (processor.getIdxOutputConfig() != currentIdxOutputConfig)
    {
        currentIdxOutputConfig = processor.getIdxOutputConfig();
        applyOutputConfig();
        repaint();
    }
}

void VevazovAzudAudioProcessorEditor::applyViewMode()
{
    const auto unwrapped = currentIdxGUI == unwrappedView;
    backgroundImage = unwrapped ? embeddedImage (BinaryData::GUI_cote_jpg, BinaryData::GUI_cote_jpgSize)
                                : embeddedImage (BinaryData::GUI_top_jpg, BinaryData::GUI_top_jpgSize);
    pad->setVisible (unwrapped);
    padDist->setVisible (! unwrapped);
    sliderEleVertical->setVisible (! unwrapped);
}

void VevazovAzudAudioProcessorEditor::applyOutputConfig()
{
    channelOrderImage = currentIdxOutputConfig == ambiX ? embeddedImage (BinaryData::WYZX_png, BinaryData::WYZX_pngSize)
                                                        : embeddedImage (BinaryData::WXYZ_png, BinaryData::WXYZ_pngSize);
}

//==============================================================================
void VevazovAzudAudioProcessorEditor::buttonClicked (juce::Button* button)
{
    if (button == engrenage.get())
    {
        optionGUI->setVisible (! optionGUI->isVisible());
    }
    else if (button == welcomeButton.get())
    {
        welcomeGUI->setVisible (! welcomeGUI->isVisible());
    }
    else if (button == imageButtonVue.get())
    {
        currentIdxGUI = imageButtonVue->getToggleState() ? unwrappedView : 0;
        processor.setIdxGUI (currentIdxGUI);
        applyViewMode();
        imageButtonVue->setToggleState (currentIdxGUI != 0, juce::dontSendNotification);
        repaint();
    }
}

int VevazovAzudAudioProcessorEditor::parameterIndexOf (const juce::Slider* slider) const noexcept
{
    const auto allSliders = sliders();

    for (size_t row = 0; row < allSliders.size(); ++row)
        if (allSliders[row] == slider)
            return sliderRows[row].parameter;

    return -1;
}

void VevazovAzudAudioProcessorEditor::sliderValueChanged (juce::Slider* slider)
{
    const auto allSliders = sliders();

    for (size_t row = 0; row < allSliders.size(); ++row)
        if (allSliders[row] == slider)
            processor.setParameterNotifyingHost (sliderRows[row].parameter, ParameterUnits::toNormalised (sliderRows[row].parameter, slider->getValue()));
}

void VevazovAzudAudioProcessorEditor::sliderDragStarted (juce::Slider* slider)
{
    if (const auto index = parameterIndexOf (slider); index >= 0)
        processor.beginParameterChangeGesture (index);
}

void VevazovAzudAudioProcessorEditor::sliderDragEnded (juce::Slider* slider)
{
    if (const auto index = parameterIndexOf (slider); index >= 0)
        processor.endParameterChangeGesture (index);
}

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
