#include <BinaryData.h>

#include <gtest/gtest.h>
#include <juce_graphics/juce_graphics.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

namespace
{
    enum class Format
    {
        png,
        jpeg
    };

    struct Entry
    {
        const char* name;
        const char* data;
        int size;
        int width;
        int height;
        Format format;
    };

    const std::array<Entry, 19> catalogue { {
        { "GUI_top_jpg", BinaryData::GUI_top_jpg, BinaryData::GUI_top_jpgSize, 556, 503, Format::jpeg },
        { "GUI_cote_jpg", BinaryData::GUI_cote_jpg, BinaryData::GUI_cote_jpgSize, 556, 503, Format::jpeg },
        { "WXYZ_png", BinaryData::WXYZ_png, BinaryData::WXYZ_pngSize, 38, 7, Format::png },
        { "WYZX_png", BinaryData::WYZX_png, BinaryData::WYZX_pngSize, 38, 7, Format::png },
        { "engrenage_png", BinaryData::engrenage_png, BinaryData::engrenage_pngSize, 22, 22, Format::png },
        { "vueCross_png", BinaryData::vueCross_png, BinaryData::vueCross_pngSize, 19, 19, Format::png },
        { "vueDot_png", BinaryData::vueDot_png, BinaryData::vueDot_pngSize, 19, 19, Format::png },
        { "eyeLight_png", BinaryData::eyeLight_png, BinaryData::eyeLight_pngSize, 24, 24, Format::png },
        { "eyeDark_png", BinaryData::eyeDark_png, BinaryData::eyeDark_pngSize, 24, 24, Format::png },
        { "welcomeLogo_png", BinaryData::welcomeLogo_png, BinaryData::welcomeLogo_pngSize, 220, 280, Format::png },
        { "inputVuMeters_stereo_png", BinaryData::inputVuMeters_stereo_png, BinaryData::inputVuMeters_stereo_pngSize, 27, 332, Format::png },
        { "inputVuMeters_quad_png", BinaryData::inputVuMeters_quad_png, BinaryData::inputVuMeters_quad_pngSize, 27, 332, Format::png },
        { "inputVuMeters_5_1_png", BinaryData::inputVuMeters_5_1_png, BinaryData::inputVuMeters_5_1_pngSize, 27, 332, Format::png },
        { "inputVuMeters_7_1_png", BinaryData::inputVuMeters_7_1_png, BinaryData::inputVuMeters_7_1_pngSize, 27, 332, Format::png },
        { "inputVuMeters_8_0_png", BinaryData::inputVuMeters_8_0_png, BinaryData::inputVuMeters_8_0_pngSize, 27, 332, Format::png },
        { "vuMeterVertical_png", BinaryData::vuMeterVertical_png, BinaryData::vuMeterVertical_pngSize, 10, 143, Format::png },
        { "bouton_G_70x70_png", BinaryData::bouton_G_70x70_png, BinaryData::bouton_G_70x70_pngSize, 70, 8890, Format::png },
        { "bouton_AW_70x70_png", BinaryData::bouton_AW_70x70_png, BinaryData::bouton_AW_70x70_pngSize, 70, 8890, Format::png },
        { "bouton_AW_Centre0_70x70_V3_png", BinaryData::bouton_AW_Centre0_70x70_V3_png, BinaryData::bouton_AW_Centre0_70x70_V3_pngSize, 70, 8890, Format::png },
    } };

    juce::Image fetch (const char* data, int size)
    {
        return juce::ImageCache::getFromMemory (data, size);
    }

    juce::Image fetch (const Entry& entry)
    {
        return fetch (entry.data, entry.size);
    }

    const juce::uint8* bytesOf (const Entry& entry)
    {
        return reinterpret_cast<const juce::uint8*> (entry.data);
    }

    int bigEndian16 (const juce::uint8* bytes)
    {
        return (bytes[0] << 8) | bytes[1];
    }

    /** The fields of a PNG's header chunk that say how its pixels are stored. */
    struct PngHeader
    {
        int bitDepth;
        int colourType;
        int interlace;
    };

    std::optional<PngHeader> readPngHeader (const Entry& entry)
    {
        constexpr std::array<juce::uint8, 8> signature { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n' };
        const auto* bytes = bytesOf (entry);

        if (entry.size < 33 || ! std::equal (signature.begin(), signature.end(), bytes) || std::memcmp (bytes + 12, "IHDR", 4) != 0)
            return std::nullopt;

        return PngHeader { bytes[24], bytes[25], bytes[28] };
    }

    /** The marker of the JPEG frame header (0xc0 baseline, 0xc2 progressive, ...) and its component count. */
    struct JpegFrame
    {
        int marker;
        int precision;
        int components;
    };

    std::optional<JpegFrame> readJpegFrame (const Entry& entry)
    {
        const auto* bytes = bytesOf (entry);

        if (entry.size < 4 || bytes[0] != 0xff || bytes[1] != 0xd8)
            return std::nullopt;

        for (auto position = 2; position + 9 < entry.size;)
        {
            if (bytes[position] != 0xff)
                return std::nullopt;

            const auto marker = bytes[position + 1];
            const auto isFrameHeader = marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc;

            if (isFrameHeader)
                return JpegFrame { marker, bytes[position + 4], bytes[position + 9] };

            position += 2 + bigEndian16 (bytes + position + 2);
        }

        return std::nullopt;
    }

    float luminance (juce::Colour colour)
    {
        return 0.2126f * colour.getFloatRed() + 0.7152f * colour.getFloatGreen() + 0.0722f * colour.getFloatBlue();
    }

    float meanLuminance (const juce::Image& image, juce::Rectangle<int> area)
    {
        auto sum = 0.0f;

        for (auto y = area.getY(); y < area.getBottom(); ++y)
            for (auto x = area.getX(); x < area.getRight(); ++x)
                sum += luminance (image.getPixelAt (x, y));

        return sum / static_cast<float> (area.getWidth() * area.getHeight());
    }
} // namespace

//==============================================================================
TEST (EmbeddedImages, everyImageDecodesToItsCatalogueSize)
{
    for (const auto& entry : catalogue)
    {
        const auto image = fetch (entry);
        ASSERT_TRUE (image.isValid()) << entry.name;
        EXPECT_EQ (image.getWidth(), entry.width) << entry.name;
        EXPECT_EQ (image.getHeight(), entry.height) << entry.name;
    }
}

TEST (EmbeddedImages, bitmapsAreEightBitRgbaNonInterlacedPngs)
{
    constexpr auto rgba = 6;

    for (const auto& entry : catalogue)
    {
        if (entry.format != Format::png)
            continue;

        const auto header = readPngHeader (entry);
        ASSERT_TRUE (header.has_value()) << entry.name;
        EXPECT_EQ (header->bitDepth, 8) << entry.name;
        EXPECT_EQ (header->colourType, rgba) << entry.name;
        EXPECT_EQ (header->interlace, 0) << entry.name;
        EXPECT_TRUE (fetch (entry).hasAlphaChannel()) << entry.name;
    }
}

TEST (EmbeddedImages, backgroundsAreBaselineJpegsWithThreeComponentsAndNoAlpha)
{
    constexpr auto baseline = 0xc0;

    for (const auto& entry : catalogue)
    {
        if (entry.format != Format::jpeg)
            continue;

        const auto frame = readJpegFrame (entry);
        ASSERT_TRUE (frame.has_value()) << entry.name;
        EXPECT_EQ (frame->marker, baseline) << entry.name;
        EXPECT_EQ (frame->precision, 8) << entry.name;
        EXPECT_EQ (frame->components, 3) << entry.name;
        EXPECT_FALSE (fetch (entry).hasAlphaChannel()) << entry.name;
    }
}

TEST (EmbeddedImages, aSecondFetchReturnsTheSameDecodedImage)
{
    for (const auto& entry : catalogue)
    {
        const auto first = fetch (entry);
        const auto second = fetch (entry);
        EXPECT_TRUE (first == second) << entry.name;
        EXPECT_EQ (first.getPixelData(), second.getPixelData()) << entry.name;
    }
}

TEST (EmbeddedImages, theFontIsRobotoRegularWithOutlines)
{
    const auto typeface = juce::Typeface::createSystemTypefaceFor (BinaryData::RobotoRegular_ttf,
                                                                   static_cast<size_t> (BinaryData::RobotoRegular_ttfSize));
    ASSERT_NE (typeface, nullptr);
    EXPECT_EQ (typeface->getName(), "Roboto");
    EXPECT_EQ (typeface->getStyle(), "Regular");

    juce::Array<int> glyphs;
    juce::Array<float> offsets;
    typeface->getGlyphPositions ("A", glyphs, offsets);
    ASSERT_EQ (glyphs.size(), 1);

    juce::Path outline;
    typeface->getOutlineForGlyph (glyphs[0], outline);
    EXPECT_FALSE (outline.isEmpty());
}

//==============================================================================
namespace
{
    constexpr int frameSize = 70;
    constexpr int frameCount = 127;
    constexpr int centreFrame = 63;
    constexpr int arcKnobMargin = 5;

    juce::Image gainStrip() { return fetch (BinaryData::bouton_G_70x70_png, BinaryData::bouton_G_70x70_pngSize); }
    juce::Image unipolarStrip() { return fetch (BinaryData::bouton_AW_70x70_png, BinaryData::bouton_AW_70x70_pngSize); }
    juce::Image bipolarStrip() { return fetch (BinaryData::bouton_AW_Centre0_70x70_V3_png, BinaryData::bouton_AW_Centre0_70x70_V3_pngSize); }

    /** A pixel of frame k, in the frame's own coordinates. */
    juce::Colour framePixel (const juce::Image& strip, int frame, int x, int y)
    {
        return strip.getPixelAt (x, frame * frameSize + y);
    }

    float distanceFromFrameCentre (int x, int y)
    {
        const auto half = 0.5f * static_cast<float> (frameSize);
        return std::hypot (static_cast<float> (x) + 0.5f - half, static_cast<float> (y) + 0.5f - half);
    }

    bool isBlue (juce::Colour colour)
    {
        return colour.getAlpha() > 200 && colour.getBlue() > 200 && colour.getRed() < 120 && colour.getBlue() > colour.getGreen() + 60;
    }

    bool isYellow (juce::Colour colour)
    {
        return colour.getAlpha() > 200 && colour.getRed() > 200 && colour.getGreen() > 150 && colour.getBlue() < 100;
    }

    /** Counts and locates the pixels of one kind within a ring of a frame. */
    struct PixelCount
    {
        int count = 0;
        float sumX = 0.0f;
        float sumY = 0.0f;

        float meanX() const { return sumX / static_cast<float> (count); }
        float meanY() const { return sumY / static_cast<float> (count); }
    };

    template <typename Predicate>
    PixelCount countPixels (const juce::Image& strip, int frame, float innerRadius, float outerRadius, Predicate predicate)
    {
        PixelCount result;

        for (auto y = 0; y < frameSize; ++y)
        {
            for (auto x = 0; x < frameSize; ++x)
            {
                const auto distance = distanceFromFrameCentre (x, y);

                if (distance >= innerRadius && distance <= outerRadius && predicate (framePixel (strip, frame, x, y)))
                {
                    ++result.count;
                    result.sumX += static_cast<float> (x) + 0.5f;
                    result.sumY += static_cast<float> (y) + 0.5f;
                }
            }
        }

        return result;
    }

    /** The pointer's direction: the angle of its blue pixels inside the knob body,
    in degrees clockwise from straight up.
*/
    float pointerDegrees (const juce::Image& strip, int frame)
    {
        constexpr float bodyRadius = 19.0f;
        const auto pointer = countPixels (strip, frame, 0.0f, bodyRadius, isBlue);
        const auto half = 0.5f * static_cast<float> (frameSize);
        return juce::radiansToDegrees (std::atan2 (pointer.meanX() - half, half - pointer.meanY()));
    }

    float expectedKnobDegrees (int frame)
    {
        return -135.0f + 270.0f * static_cast<float> (frame) / static_cast<float> (frameCount - 1);
    }

    // Where the arc knobs draw their value arcs.
    constexpr float arcInner = 22.0f;
    constexpr float arcOuter = 29.0f;
} // namespace

TEST (KnobFilmstrips, everyFrameHoldsOneKnobCentredInItsOwnSeventyRows)
{
    for (const auto& strip : { gainStrip(), unipolarStrip(), bipolarStrip() })
    {
        ASSERT_EQ (strip.getHeight(), frameCount * frameSize);

        for (auto frame = 0; frame < frameCount; ++frame)
        {
            // The knob body is the longest opaque run down the middle column.
            auto longestStart = 0;
            auto longestLength = 0;

            for (auto y = 0, runStart = 0, runLength = 0; y < frameSize; ++y)
            {
                const auto opaque = framePixel (strip, frame, frameSize / 2, y).getAlpha() >= 250;
                runStart = opaque && runLength == 0 ? y : runStart;
                runLength = opaque ? runLength + 1 : 0;

                if (runLength > longestLength)
                {
                    longestLength = runLength;
                    longestStart = runStart;
                }
            }

            EXPECT_GE (longestLength, 36) << "frame " << frame;
            EXPECT_NEAR (static_cast<float> (longestStart) + 0.5f * static_cast<float> (longestLength), 35.0f, 1.0f) << "frame " << frame;
        }
    }
}

TEST (KnobFilmstrips, arcKnobsDrawNothingInTheMarginTheEditorDrops)
{
    for (const auto& strip : { unipolarStrip(), bipolarStrip() })
    {
        for (auto frame = 0; frame < frameCount; ++frame)
        {
            for (auto y = 0; y < frameSize; ++y)
            {
                for (auto x = 0; x < frameSize; ++x)
                {
                    const auto inInner = x >= arcKnobMargin && x < frameSize - arcKnobMargin
                                         && y >= arcKnobMargin && y < frameSize - arcKnobMargin;

                    if (! inInner)
                    {
                        ASSERT_EQ (framePixel (strip, frame, x, y).getAlpha(), 0) << "frame " << frame << " at " << x << ", " << y;
                    }
                }
            }
        }
    }
}

TEST (KnobFilmstrips, pointerTurnsClockwiseFromLowerLeftAtFrameZeroToLowerRightAtTheLast)
{
    for (const auto& strip : { gainStrip(), unipolarStrip(), bipolarStrip() })
        for (const auto frame : { 0, 20, 45, centreFrame, 80, 105, frameCount - 1 })
            EXPECT_NEAR (pointerDegrees (strip, frame), expectedKnobDegrees (frame), 6.0f) << "frame " << frame;
}

TEST (KnobFilmstrips, unipolarArcGrowsClockwiseFromTheLowerLeft)
{
    const auto strip = unipolarStrip();
    EXPECT_EQ (countPixels (strip, 0, arcInner, arcOuter, isBlue).count, 0);

    auto previous = 0;

    for (auto frame = 1; frame < frameCount; ++frame)
    {
        const auto arc = countPixels (strip, frame, arcInner, arcOuter, isBlue).count;
        EXPECT_GE (arc, previous - 2) << "frame " << frame;
        previous = juce::jmax (previous, arc);
    }

    const auto quarter = countPixels (strip, 31, arcInner, arcOuter, isBlue);
    EXPECT_LT (quarter.meanX(), 35.0f); // still on the left
    EXPECT_GT (countPixels (strip, frameCount - 1, arcInner, arcOuter, isBlue).count, 3 * quarter.count);
}

TEST (KnobFilmstrips, bipolarArcRunsFromTheTopTowardsEitherSide)
{
    const auto strip = bipolarStrip();
    EXPECT_EQ (countPixels (strip, centreFrame, arcInner, arcOuter, isBlue).count, 0);

    for (auto step = 3; step <= centreFrame; step += 10)
    {
        const auto left = countPixels (strip, centreFrame - step, arcInner, arcOuter, isBlue);
        const auto right = countPixels (strip, centreFrame + step, arcInner, arcOuter, isBlue);
        EXPECT_LT (left.meanX(), 35.0f) << "step " << step;
        EXPECT_GT (right.meanX(), 35.0f) << "step " << step;
        EXPECT_NEAR (static_cast<float> (left.count), static_cast<float> (right.count), 0.1f * static_cast<float> (right.count)) << "step " << step;
    }
}

TEST (KnobFilmstrips, onlyTheReferenceFrameCarriesTheYellowMark)
{
    struct Expectation
    {
        juce::Image strip;
        int markedFrame;
    };

    for (const auto& expectation : { Expectation { gainStrip(), centreFrame },
                                     Expectation { bipolarStrip(), centreFrame },
                                     Expectation { unipolarStrip(), 0 } })
    {
        for (auto frame = 0; frame < frameCount; ++frame)
        {
            const auto yellow = countPixels (expectation.strip, frame, 0.0f, 40.0f, isYellow).count;

            if (frame == expectation.markedFrame)
                EXPECT_GT (yellow, 4) << "frame " << frame;
            else
                EXPECT_EQ (yellow, 0) << "frame " << frame;
        }
    }
}

TEST (KnobFilmstrips, centreFrameDiffersFromItsNeighboursAtTheTopMark)
{
    for (const auto& strip : { gainStrip(), bipolarStrip() })
    {
        const auto mark = countPixels (strip, centreFrame, 24.0f, 34.0f, isYellow);
        ASSERT_GT (mark.count, 0);
        EXPECT_NEAR (mark.meanX(), 35.0f, 1.0f);
        EXPECT_LT (mark.meanY(), 10.0f);

        for (const auto neighbour : { centreFrame - 1, centreFrame + 1 })
        {
            const auto atMark = framePixel (strip, centreFrame, static_cast<int> (mark.meanX()), static_cast<int> (mark.meanY()));
            const auto there = framePixel (strip, neighbour, static_cast<int> (mark.meanX()), static_cast<int> (mark.meanY()));
            EXPECT_NE (atMark.getARGB(), there.getARGB()) << "frame " << neighbour;
        }
    }
}

//==============================================================================
namespace
{
    struct MeterGroup
    {
        const char* name;
        const char* data;
        int size;
        int meterHeight;
        std::vector<int> rowTops;
    };

    const std::array<MeterGroup, 5> meterGroups { {
        { "stereo", BinaryData::inputVuMeters_stereo_png, BinaryData::inputVuMeters_stereo_pngSize, 320, { 0 } },
        { "quad", BinaryData::inputVuMeters_quad_png, BinaryData::inputVuMeters_quad_pngSize, 152, { 168, 0 } },
        { "5.1", BinaryData::inputVuMeters_5_1_png, BinaryData::inputVuMeters_5_1_pngSize, 96, { 224, 112, 0 } },
        { "7.1", BinaryData::inputVuMeters_7_1_png, BinaryData::inputVuMeters_7_1_pngSize, 60, { 260, 176, 92, 8 } },
        { "8.0", BinaryData::inputVuMeters_8_0_png, BinaryData::inputVuMeters_8_0_pngSize, 60, { 260, 176, 92, 8 } },
    } };

    constexpr std::array<int, 2> wellX { 6, 16 };
    constexpr int meterWidth = 3;
} // namespace

TEST (InputMeterStrips, wellsLieAtXSixAndSixteenUnderEveryMeter)
{
    for (const auto& group : meterGroups)
    {
        const auto strip = fetch (group.data, group.size);

        for (const auto top : group.rowTops)
        {
            for (auto y = top; y < top + group.meterHeight; ++y)
            {
                for (const auto left : wellX)
                {
                    for (auto x = left; x < left + meterWidth; ++x)
                    {
                        const auto pixel = strip.getPixelAt (x, y);
                        ASSERT_EQ (pixel.getAlpha(), 255) << group.name << " at " << x << ", " << y;
                        ASSERT_LT (luminance (pixel), 0.08f) << group.name << " at " << x << ", " << y;
                    }

                    // A one-pixel wall each side, nothing further out.
                    EXPECT_EQ (strip.getPixelAt (left - 1, y).getAlpha(), 255) << group.name << " row " << y;
                    EXPECT_EQ (strip.getPixelAt (left + meterWidth, y).getAlpha(), 255) << group.name << " row " << y;
                    EXPECT_EQ (strip.getPixelAt (left - 2, y).getAlpha(), 0) << group.name << " row " << y;
                    EXPECT_EQ (strip.getPixelAt (left + meterWidth + 1, y).getAlpha(), 0) << group.name << " row " << y;
                }
            }
        }
    }
}

TEST (InputMeterStrips, coverTheBackgroundWellsWhereNoMeterStands)
{
    // The background's input wells run the full height; each strip hides them
    // above its first row and between its rows.
    for (const auto& group : meterGroups)
    {
        const auto strip = fetch (group.data, group.size);
        auto tops = group.rowTops;
        std::sort (tops.begin(), tops.end());
        auto gapStart = 0;

        for (const auto top : tops)
        {
            for (auto y = gapStart; y < top - 1; ++y)
                for (const auto left : wellX)
                    for (auto x = left - 1; x <= left + meterWidth; ++x)
                        EXPECT_EQ (strip.getPixelAt (x, y).getAlpha(), 255) << group.name << " at " << x << ", " << y;

            gapStart = top + group.meterHeight + 1;
        }
    }
}

TEST (InputMeterStrips, everyPairIsCaptionedRightUnderItsWells)
{
    constexpr int captionRows = 12;

    for (const auto& group : meterGroups)
    {
        const auto strip = fetch (group.data, group.size);

        for (const auto top : group.rowTops)
        {
            const auto below = juce::Rectangle<int> (0, top + group.meterHeight + 1, strip.getWidth(), captionRows);
            const auto halves = std::array<juce::Rectangle<int>, 2> { below.withWidth (13), below.withTrimmedLeft (13) };

            for (const auto& half : halves)
            {
                auto ink = 0;

                for (auto y = half.getY(); y < half.getBottom(); ++y)
                    for (auto x = half.getX(); x < half.getRight(); ++x)
                        ink += strip.getPixelAt (x, y).getAlpha() > 128 && luminance (strip.getPixelAt (x, y)) > 0.4f ? 1 : 0;

                EXPECT_GT (ink, 5) << group.name << " row at " << top << " in " << half.toString();
            }
        }
    }
}

TEST (LevelGradient, runsFromGreenAtTheBottomThroughYellowToRedAtTheTop)
{
    const auto gradient = fetch (BinaryData::vuMeterVertical_png, BinaryData::vuMeterVertical_pngSize);
    const auto middle = gradient.getWidth() / 2;
    const auto bottom = gradient.getPixelAt (middle, gradient.getHeight() - 1);
    const auto top = gradient.getPixelAt (middle, 0);

    EXPECT_GT (bottom.getGreen(), bottom.getRed() + 60);
    EXPECT_GT (top.getRed(), top.getGreen() + 60);

    auto sawYellow = false;

    for (auto y = 0; y < gradient.getHeight(); ++y)
    {
        const auto pixel = gradient.getPixelAt (middle, y);
        EXPECT_EQ (pixel.getAlpha(), 255) << "row " << y;
        sawYellow = sawYellow || (pixel.getRed() > 200 && pixel.getGreen() > 180 && pixel.getBlue() < 120);
    }

    EXPECT_TRUE (sawYellow);
}

TEST (ChannelOrderLabels, eachLetterStandsUnderItsOwnMeter)
{
    constexpr float firstCentre = 4.5f; // meters 10 px apart, 3 px wide, the first at x 3
    constexpr int pitch = 10;
    const auto fuma = fetch (BinaryData::WXYZ_png, BinaryData::WXYZ_pngSize);
    const auto ambix = fetch (BinaryData::WYZX_png, BinaryData::WYZX_pngSize);

    for (const auto& label : { fuma, ambix })
    {
        for (auto letter = 0; letter < 4; ++letter)
        {
            auto weight = 0.0f;
            auto sumX = 0.0f;

            for (auto y = 0; y < label.getHeight(); ++y)
            {
                for (auto x = letter * pitch - 1; x < letter * pitch + pitch - 1; ++x)
                {
                    const auto alpha = label.getPixelAt (juce::jlimit (0, label.getWidth() - 1, x), y).getFloatAlpha();
                    weight += alpha;
                    sumX += alpha * (static_cast<float> (x) + 0.5f);
                }
            }

            ASSERT_GT (weight, 3.0f) << "letter " << letter;
            EXPECT_NEAR (sumX / weight, firstCentre + static_cast<float> (letter * pitch), 1.0f) << "letter " << letter;
        }
    }

    // W leads both orders; then FuMa reads X Y Z and ambiX Y Z X.
    const auto alphaDifference = [&fuma, &ambix] (int letter)
    {
        auto sum = 0;

        for (auto y = 0; y < fuma.getHeight(); ++y)
            for (auto x = letter * pitch; x < letter * pitch + pitch - 1; ++x)
                sum += std::abs (fuma.getPixelAt (x, y).getAlpha() - ambix.getPixelAt (x, y).getAlpha());

        return sum;
    };

    EXPECT_EQ (alphaDifference (0), 0);

    for (auto letter = 1; letter < 4; ++letter)
        EXPECT_GT (alphaDifference (letter), 255) << "letter " << letter;
}

//==============================================================================
namespace
{
    juce::Image topBackground() { return fetch (BinaryData::GUI_top_jpg, BinaryData::GUI_top_jpgSize); }
    juce::Image unwrappedBackground() { return fetch (BinaryData::GUI_cote_jpg, BinaryData::GUI_cote_jpgSize); }

    float meanDifference (const juce::Image& a, const juce::Image& b, juce::Rectangle<int> area)
    {
        auto sum = 0.0f;

        for (auto y = area.getY(); y < area.getBottom(); ++y)
            for (auto x = area.getX(); x < area.getRight(); ++x)
                sum += std::abs (luminance (a.getPixelAt (x, y)) - luminance (b.getPixelAt (x, y)));

        return sum / static_cast<float> (area.getWidth() * area.getHeight());
    }
} // namespace

TEST (EditorBackgrounds, shareTheFrameAndDifferInThePadArea)
{
    const auto top = topBackground();
    const auto unwrapped = unwrappedBackground();

    EXPECT_LT (meanDifference (top, unwrapped, { 0, 0, 556, 28 }), 0.01f); // header band
    EXPECT_LT (meanDifference (top, unwrapped, { 436, 37, 101, 363 }), 0.01f); // meters
    EXPECT_LT (meanDifference (top, unwrapped, { 0, 411, 556, 92 }), 0.01f); // bottom band
    EXPECT_GT (meanDifference (top, unwrapped, { 29, 61, 385, 317 }), 0.02f); // pads
}

TEST (EditorBackgrounds, wellsLieUnderTheInputAndOutputMeters)
{
    for (const auto& background : { topBackground(), unwrappedBackground() })
    {
        for (const auto x : { 447, 457, 472, 482, 492, 502 })
        {
            const auto well = meanLuminance (background, { x, 70, 3, 300 });
            const auto between = meanLuminance (background, { x + 5, 70, 1, 300 });
            EXPECT_LT (well, 0.05f) << "meter at " << x;
            EXPECT_GT (between, well + 0.01f) << "meter at " << x;
        }
    }
}

TEST (EditorBackgrounds, aGoldPlateLiesUnderTheGainKnob)
{
    for (const auto& background : { topBackground(), unwrappedBackground() })
    {
        const auto plate = background.getPixelAt (514, 450);
        EXPECT_GT (plate.getRed(), 150);
        EXPECT_GT (plate.getRed(), plate.getGreen());
        EXPECT_GT (plate.getGreen(), plate.getBlue() + 40);
    }
}
