#pragma once

#include "AltLookAndFeel_transparentButton.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

/** The about panel over the whole editor: the product's title and version, the
    maker's logo card and a link to the maker's site. Everything it leaves
    uncovered shows the editor beneath; a click anywhere on it but the link hides it.
*/
class WelcomeGUI : public juce::Component,
                   public juce::Button::Listener
{
public:
    static constexpr int panelWidth = 556;
    static constexpr int panelHeight = 503;

    WelcomeGUI();
    ~WelcomeGUI() override;

    //==============================================================================
    void paint (juce::Graphics&) override;
    void resized() override;
    void buttonClicked (juce::Button*) override;

private:
    AltLookAndFeel_transparentButton lnfTransparentButton;

    std::unique_ptr<juce::Label> labelTitle;
    std::unique_ptr<juce::TextButton> closeButton;
    std::unique_ptr<juce::HyperlinkButton> makerLink;

    juce::Image logo;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (WelcomeGUI)
};
