#include "MeterStrips.h"

#include "ArtworkDrawing.h"
#include "ArtworkStyle.h"
#include "ArtworkText.h"

#include <array>

namespace artwork
{
    namespace
    {
        constexpr int stripWidth = 27;
        constexpr int stripHeight = 332;
        const auto& wellX = editor::inputWellX;
        constexpr int captionGap = 3; // from a well's bottom to its caption's capitals
        constexpr float minimumCaptionGap = 3.0f; // between the captions of a pair

        /** One row of meters: its top edge and the captions of its left and right meter. */
        struct MeterRow
        {
            int top;
            std::array<const char*, 2> captions;
        };

        struct MeterGroup
        {
            InputLayoutGroup group;
            int meterHeight;
            int rowCount;
            std::array<MeterRow, 4> rows; // bottom to top
        };

        constexpr std::array<MeterGroup, 5> meterGroups { {
            { InputLayoutGroup::stereo, 320, 1, { { { 0, { "L", "R" } } } } },
            { InputLayoutGroup::quad, 152, 2, { { { 168, { "L", "R" } }, { 0, { "Ls", "Rs" } } } } },
            { InputLayoutGroup::fiveOne, 96, 3, { { { 224, { "L", "R" } }, { 112, { "C", "Lfe" } }, { 0, { "Ls", "Rs" } } } } },
            { InputLayoutGroup::sevenOne, 60, 4, { { { 260, { "L", "R" } }, { 176, { "C", "Lfe" } }, { 92, { "Ls", "Rs" } }, { 8, { "Sl", "Sr" } } } } },
            { InputLayoutGroup::eightZero, 60, 4, { { { 260, { "L", "R" } }, { 176, { "C", "Cs" } }, { 92, { "Ls", "Rs" } }, { 8, { "Sl", "Sr" } } } } },
        } };

        const MeterGroup& groupFor (InputLayoutGroup group)
        {
            for (const auto& candidate : meterGroups)
                if (candidate.group == group)
                    return candidate;

            return meterGroups.front();
        }

        /** Captions stand centred under their wells, unless two wide ones would
        touch: then each moves outwards from the middle between the wells.
    */
        void drawRowCaptions (juce::Graphics& g, const MeterRow& row, int baseline)
        {
            const auto font = fontWithCapHeight (type::small);
            const auto half = 0.5f * static_cast<float> (editor::meterWidth);
            const auto leftCentre = static_cast<float> (wellX[0]) + half;
            const auto rightCentre = static_cast<float> (wellX[1]) + half;
            const auto leftWidth = textWidth (row.captions[0], font);
            const auto rightWidth = textWidth (row.captions[1], font);
            const auto centredGap = (rightCentre - 0.5f * rightWidth) - (leftCentre + 0.5f * leftWidth);
            const auto middle = 0.5f * (leftCentre + rightCentre);

            g.setColour (palette::textSecondary);

            if (centredGap >= minimumCaptionGap)
            {
                drawText (g, row.captions[0], font, leftCentre, baseline, TextAnchor::centre);
                drawText (g, row.captions[1], font, rightCentre, baseline, TextAnchor::centre);
            }
            else
            {
                drawText (g, row.captions[0], font, middle - 0.5f * minimumCaptionGap, baseline, TextAnchor::right);
                drawText (g, row.captions[1], font, middle + 0.5f * minimumCaptionGap, baseline, TextAnchor::left);
            }
        }

        void drawMeterRow (juce::Graphics& g, const MeterRow& row, int meterHeight)
        {
            for (const auto x : wellX)
                drawWell (g, { x, row.top, editor::meterWidth, meterHeight });

            drawRowCaptions (g, row, row.top + meterHeight + captionGap + static_cast<int> (type::small));
        }

        /** Covers the background's full-height input wells, in the panel's colour,
        wherever no meter of this group stands: above its first row and between rows.
    */
        void bridgeGaps (juce::Graphics& g, const MeterGroup& meters)
        {
            auto gapStart = 0;
            g.setColour (palette::recess);

            // The rows are listed bottom to top: walk them from the top down.
            for (auto row = meters.rowCount - 1; row >= 0; --row)
            {
                const auto top = meters.rows[static_cast<size_t> (row)].top;
                const auto gapEnd = top - 1; // the row's own upper rim lies on this line

                for (const auto x : wellX)
                    if (gapEnd > gapStart)
                        g.fillRect (juce::Rectangle<int>::leftTopRightBottom (x - 1, gapStart, x + editor::meterWidth + 1, gapEnd));

                gapStart = top + meters.meterHeight + 1; // below the row's lit lower rim
            }
        }

        // Level as a fraction of the meter, from -60 dB at the bottom to +10 dB at the top.
        constexpr float levelAt (float decibels)
        {
            return (decibels + 60.0f) / 70.0f;
        }

        constexpr int gradientWidth = 10;
        constexpr int gradientHeight = 143;
        constexpr float letterPitch = 10.0f; // the output meters stand 10 px apart
        constexpr float firstLetterCentre = 4.5f;
    } // namespace

    juce::Image drawInputMeterStrip (InputLayoutGroup group)
    {
        auto strip = makeCanvas (stripWidth, stripHeight);
        juce::Graphics g (strip);
        const auto& meters = groupFor (group);

        bridgeGaps (g, meters);

        for (auto row = 0; row < meters.rowCount; ++row)
            drawMeterRow (g, meters.rows[static_cast<size_t> (row)], meters.meterHeight);

        return strip;
    }

    juce::Image drawLevelGradient()
    {
        auto image = makeCanvas (gradientWidth, gradientHeight);
        juce::Graphics g (image);

        // Green through the working range, yellow approaching full scale, red above 0 dB.
        juce::ColourGradient level (palette::levelGreen, 0.0f, static_cast<float> (gradientHeight), palette::levelRed, 0.0f, 0.0f, false);
        level.addColour (static_cast<double> (levelAt (-18.0f)), palette::levelGreen);
        level.addColour (static_cast<double> (levelAt (-6.0f)), palette::levelYellow);
        level.addColour (static_cast<double> (levelAt (0.0f)), palette::levelRed);
        g.setGradientFill (level);
        g.fillAll();

        // A faint sheen down the middle gives the bar some body.
        juce::ColourGradient sheen (juce::Colours::black.withAlpha (0.18f), 0.0f, 0.0f, juce::Colours::black.withAlpha (0.18f), static_cast<float> (gradientWidth), 0.0f, false);
        sheen.addColour (0.5, juce::Colours::white.withAlpha (0.12f));
        g.setGradientFill (sheen);
        g.fillAll();

        return image;
    }

    juce::Image drawChannelOrderLabel (const juce::String& letters)
    {
        const auto& area = editor::channelOrderLabel;
        auto image = makeCanvas (area.getWidth(), area.getHeight());
        juce::Graphics g (image);
        const auto font = fontWithCapHeight (static_cast<float> (area.getHeight()));
        g.setColour (palette::textSecondary);

        for (auto index = 0; index < letters.length(); ++index)
            drawText (g, juce::String::charToString (letters[index]), font, firstLetterCentre + letterPitch * static_cast<float> (index), area.getHeight(), TextAnchor::centre);

        return image;
    }
} // namespace artwork
