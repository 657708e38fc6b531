#include "WelcomeGUI.h"

#include "EmbeddedImages.h"

#include <BinaryData.h>

namespace
{
    constexpr auto title = "Velorin v1.2";
    constexpr auto makerAddress = "https://www.korvanne.example";
    constexpr auto makerAddressShown = "www.korvanne.example";

    const juce::Rectangle<int> titleBounds { 133, 130, 175, 52 };
    const juce::Rectangle<int> linkBounds { 138, 314, 168, 22 };

    /** The logo card is drawn at its own size, seen through at 0.75. */
    const juce::Rectangle<int> logoBounds { 111, 76, 220, 280 };
    constexpr float logoOpacity = 0.75f;

    constexpr float titleFontHeight = 18.0f;
    constexpr float linkFontHeight = 14.0f;
    constexpr juce::uint32 titleColour = 0xFFFCFCFC;
    constexpr juce::uint32 linkColour = 0xFFE10035;
    constexpr juce::uint32 invisibleButtonColour = 0x00FFFFFF;
} // namespace

WelcomeGUI::WelcomeGUI()
    : labelTitle (std::make_unique<juce::Label> ("labelTitle", title)),
      closeButton (std::make_unique<juce::TextButton>()),
      // Given its target at construction: assigning a URL to the button's empty
      // one later copies from a null buffer in this framework version.
      makerLink (std::make_unique<juce::HyperlinkButton> (makerAddressShown, juce::URL (makerAddress)))
{
    labelTitle->setFont (juce::Font (titleFontHeight, juce::Font::plain));
    labelTitle->setJustificationType (juce::Justification::centred);
    labelTitle->setEditable (false, false, false);
    labelTitle->setColour (juce::Label::textColourId, juce::Colour (titleColour));
    labelTitle->setColour (juce::Label::textWhenEditingColourId, juce::Colours::black);
    labelTitle->setColour (juce::Label::backgroundWhenEditingColourId, juce::Colour (0x00000000));
    addAndMakeVisible (labelTitle.get());

    closeButton->setName ("closeButton");
    closeButton->setConnectedEdges (juce::Button::ConnectedOnLeft | juce::Button::ConnectedOnRight
                                    | juce::Button::ConnectedOnTop | juce::Button::ConnectedOnBottom);
    closeButton->setColour (juce::TextButton::buttonColourId, juce::Colour (invisibleButtonColour));
    closeButton->setColour (juce::TextButton::buttonOnColourId, juce::Colour (invisibleButtonColour));
    closeButton->addListener (this);
    addAndMakeVisible (closeButton.get());

    // The link acts by itself: a click opens the maker's site in the default browser.
    makerLink->setTooltip (makerAddress);
    makerLink->setColour (juce::HyperlinkButton::textColourId, juce::Colour (linkColour));
    addAndMakeVisible (makerLink.get());

    logo = EmbeddedImages::get (BinaryData::welcomeLogo_png, BinaryData::welcomeLogo_pngSize);

    setSize (panelWidth, panelHeight);
    closeButton->setLookAndFeel (&lnfTransparentButton);
    makerLink->setFont (juce::Font (linkFontHeight, juce::Font::plain), true, juce::Justification::horizontallyCentred);
}

WelcomeGUI::~WelcomeGUI()
{
    closeButton->setLookAndFeel (nullptr);
}

//==============================================================================
void WelcomeGUI::paint (juce::Graphics& g)
{
    g.setColour (juce::Colours::black.withAlpha (logoOpacity));
    g.drawImage (logo, logoBounds.getX(), logoBounds.getY(), logoBounds.getWidth(), logoBounds.getHeight(), 0, 0, logoBounds.getWidth(), logoBounds.getHeight());
}

void WelcomeGUI::resized()
{
    labelTitle->setBounds (titleBounds);
    closeButton->setBounds (0, 0, panelWidth, panelHeight);
    makerLink->setBounds (linkBounds);
}

void WelcomeGUI::buttonClicked (juce::Button* button)
{
    if (button == closeButton.get())
        setVisible (false);
}
