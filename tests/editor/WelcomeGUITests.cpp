#include "../support/MessageLoop.h"
#include "ComponentProbes.h"

#include <editor/WelcomeGUI.h>

#include <BinaryData.h>
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace
{
    const juce::Rectangle<int> logoBounds { 111, 76, 220, 280 };

    struct WelcomeGUITest : testing::Test
    {
        template <typename ComponentType>
        ComponentType& child (const juce::String& name)
        {
            for (auto* component : welcome.getChildren())
                if (auto* typed = dynamic_cast<ComponentType*> (component); typed != nullptr && component->getName() == name)
                    return *typed;

            throw std::runtime_error ("no child " + name.toStdString());
        }

        WelcomeGUI welcome;
        juce::TextButton& closeButton = child<juce::TextButton> ("closeButton");
        juce::HyperlinkButton& link = child<juce::HyperlinkButton> ("www.korvanne.example");
    };
} // namespace

TEST_F (WelcomeGUITest, coversTheEditorWithTheCloseButtonEverywhereButTheLink)
{
    EXPECT_EQ (welcome.getBounds(), juce::Rectangle<int> (0, 0, 556, 503));
    welcome.setVisible (true);

    for (auto y = 0; y < welcome.getHeight(); y += 7)
        for (auto x = 0; x < welcome.getWidth(); x += 7)
        {
            const auto* expected = link.getBounds().contains (x, y) ? static_cast<juce::Component*> (&link) : &closeButton;
            ASSERT_EQ (welcome.getComponentAt (x, y), expected) << x << ", " << y;
        }

    EXPECT_EQ (welcome.getComponentAt (220, 156), &closeButton) << "the title";
    closeButton.triggerClick();
    EXPECT_TRUE (pumpMessagesUntil ([&]
                                    { return ! welcome.isVisible(); },
                                    2000));
}

TEST_F (WelcomeGUITest, linksToTheMakersSite)
{
    EXPECT_EQ (link.getURL().toString (false), "https://www.korvanne.example");
    EXPECT_EQ (link.getButtonText(), "www.korvanne.example");
    EXPECT_EQ (link.getTooltip(), "https://www.korvanne.example");
    EXPECT_EQ (link.findColour (juce::HyperlinkButton::textColourId), juce::Colour (0xFFE10035));
    EXPECT_EQ (link.getBounds(), juce::Rectangle<int> (138, 314, 168, 22));
}

TEST_F (WelcomeGUITest, drawsTheLogoSeenThroughAtThreeQuartersAndLeavesTheRestClear)
{
    const auto image = render (welcome);
    const auto logo = juce::ImageCache::getFromMemory (BinaryData::welcomeLogo_png, BinaryData::welcomeLogo_pngSize);
    const auto title = child<juce::Label> ("labelTitle").getBounds();
    int logoPixelsChecked = 0;

    for (auto y = 0; y < image.getHeight(); ++y)
        for (auto x = 0; x < image.getWidth(); ++x)
        {
            const auto alpha = image.getPixelAt (x, y).getAlpha();

            if (title.contains (x, y) || link.getBounds().contains (x, y))
                continue;

            if (! logoBounds.contains (x, y))
            {
                ASSERT_EQ (alpha, 0) << x << ", " << y;
                continue;
            }

            const auto expected = logo.getPixelAt (x - logoBounds.getX(), y - logoBounds.getY()).getAlpha() * 0.75f;
            ASSERT_LE (std::abs (static_cast<float> (alpha) - expected), 2.0f) << x << ", " << y;
            logoPixelsChecked += expected > 100.0f ? 1 : 0;
        }

    EXPECT_GT (logoPixelsChecked, 40000) << "most of the card is drawn";
}
