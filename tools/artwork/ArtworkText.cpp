#include "ArtworkText.h"

#include <BinaryData.h>

namespace artwork
{
    namespace
    {
        constexpr float measuringHeight = 1000.0f;

        /** Capital height over font height, measured on the letter H of the embedded face. */
        float capHeightRatio()
        {
            static const auto ratio = []
            {
                juce::GlyphArrangement glyphs;
                glyphs.addLineOfText (juce::Font (roboto()).withHeight (measuringHeight), "H", 0.0f, 0.0f);
                juce::Path outline;
                glyphs.createPath (outline);
                return outline.getBounds().getHeight() / measuringHeight;
            }();

            return ratio;
        }

        float leftEdgeFor (const juce::String& text, const juce::Font& font, float x, TextAnchor anchor)
        {
            switch (anchor)
            {
                case TextAnchor::left: return x;
                case TextAnchor::centre: return x - textWidth (text, font) * 0.5f;
                case TextAnchor::right: return x - textWidth (text, font);
            }

            return x;
        }
    } // namespace

    juce::Typeface::Ptr roboto()
    {
        static const auto typeface = juce::Typeface::createSystemTypefaceFor (BinaryData::RobotoRegular_ttf,
                                                                              static_cast<size_t> (BinaryData::RobotoRegular_ttfSize));
        return typeface;
    }

    juce::Font fontWithCapHeight (float capHeight, float tracking)
    {
        return juce::Font (roboto()).withHeight (capHeight / capHeightRatio()).withExtraKerningFactor (tracking);
    }

    float capHeightOf (const juce::Font& font)
    {
        return font.getHeight() * capHeightRatio();
    }

    float textWidth (const juce::String& text, const juce::Font& font)
    {
        // Tracking is added after every letter; the last one's does not count.
        const auto trailingTracking = text.isEmpty() ? 0.0f : font.getExtraKerningFactor() * font.getHeight();
        return font.getStringWidthFloat (text) - trailingTracking;
    }

    juce::String utf8 (const char* text)
    {
        return juce::String::fromUTF8 (text);
    }

    void drawText (juce::Graphics& g, const juce::String& text, const juce::Font& font, float x, int baseline, TextAnchor anchor)
    {
        juce::GlyphArrangement glyphs;
        glyphs.addLineOfText (font, text, leftEdgeFor (text, font, x, anchor), static_cast<float> (baseline));
        glyphs.draw (g);
    }

    void drawHeavierText (juce::Graphics& g, const juce::String& text, const juce::Font& font, float x, int baseline, TextAnchor anchor, float extraWeight)
    {
        juce::GlyphArrangement glyphs;
        glyphs.addLineOfText (font, text, leftEdgeFor (text, font, x, anchor), static_cast<float> (baseline));
        juce::Path outline;
        glyphs.createPath (outline);
        g.fillPath (outline);
        g.strokePath (outline, juce::PathStrokeType (extraWeight));
    }

    void drawTextOnRow (juce::Graphics& g, const juce::String& text, const juce::Font& font, float x, int centreRow, TextAnchor anchor)
    {
        const auto capitals = juce::roundToInt (capHeightOf (font));
        drawText (g, text, font, x, centreRow + (capitals + 1) / 2, anchor);
    }
} // namespace artwork
