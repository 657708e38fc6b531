#include "../support/TestProcessors.h"
#include "ComponentProbes.h"

#include <BinaryData.h>
#include <editor/InputVuMeters.h>

#include <gtest/gtest.h>

namespace
{
    struct Cell
    {
        int x, y;
    };

    struct Arrangement
    {
        int layoutId;
        int meterHeight;
        std::vector<Cell> cells; // meter k's top-left corner
    };

    // clang-format off
    const Arrangement arrangements[] = {
        {  0, 320, { { 6,   0 }, { 16,   0 } } },
        {  1, 320, { { 6,   0 }, { 16,   0 } } },
        {  2, 152, { { 6, 168 }, { 16, 168 }, {  6,   0 }, { 16,   0 } } },
        {  3, 152, { { 6, 168 }, { 16, 168 }, { 16,   0 }, {  6,   0 } } },
        {  4,  96, { { 6, 224 }, { 16, 224 }, {  6, 112 }, { 16, 112 }, {  6,   0 }, { 16,   0 } } },
        {  5,  96, { { 6, 224 }, {  6, 112 }, { 16, 224 }, {  6,   0 }, { 16,   0 }, { 16, 112 } } },
        {  6,  96, { { 6, 112 }, {  6, 224 }, { 16, 224 }, {  6,   0 }, { 16,   0 }, { 16, 112 } } },
        {  7,  96, { { 6, 224 }, { 16, 224 }, {  6,   0 }, { 16,   0 }, {  6, 112 }, { 16, 112 } } },
        {  8,  60, { { 6, 260 }, { 16, 260 }, {  6, 176 }, { 16, 176 }, {  6,  92 }, { 16,  92 }, {  6,   8 }, { 16,   8 } } },
        {  9,  60, { { 6, 260 }, {  6, 176 }, { 16, 260 }, {  6,   8 }, { 16,   8 }, {  6,  92 }, { 16,  92 }, { 16, 176 } } },
        { 10,  60, { { 6, 176 }, {  6, 260 }, { 16, 260 }, {  6,   8 }, { 16,   8 }, {  6,  92 }, { 16,  92 }, { 16, 176 } } },
        { 11,  60, { { 6, 260 }, { 16, 260 }, {  6,  92 }, { 16,  92 }, {  6, 176 }, { 16, 176 }, {  6,   8 }, { 16,   8 } } },
        { 12,  60, { { 6, 260 }, {  6, 176 }, { 16, 260 }, { 16,   8 }, { 16,  92 }, { 16, 176 }, {  6,  92 }, {  6,   8 } } },
        { 13,  60, { { 6, 260 }, { 16, 260 }, {  6, 176 }, {  6,  92 }, { 16,  92 }, { 16, 176 }, {  6,   8 }, { 16,   8 } } },
        { 14,  60, { { 6, 260 }, { 16, 260 }, {  6,  92 }, { 16,  92 }, {  6, 176 }, { 16, 176 }, {  6,   8 }, { 16,   8 } } },
        { 15,  60, { { 6, 260 }, { 16, 260 }, {  6, 176 }, { 16, 176 }, {  6,  92 }, { 16,  92 }, {  6,   8 }, { 16,   8 } } },
        { -1, 320, { { 6,   0 }, { 16,   0 } } },
        { 16, 320, { { 6,   0 }, { 16,   0 } } },
    };
    // clang-format on

    /** Whether the rendered group shows exactly the strip, unscaled at its top left. */
    bool showsStrip (const juce::Image& image, const char* strip, int stripSize)
    {
        const auto expected = juce::ImageCache::getFromMemory (strip, stripSize);

        for (auto y = 0; y < image.getHeight(); ++y)
            for (auto x = 0; x < image.getWidth(); ++x)
                if (image.getPixelAt (x, y) != (expected.getBounds().contains (x, y) ? expected.getPixelAt (x, y) : juce::Colour()))
                    return false;

        return true;
    }

    struct InputVuMetersTest : testing::Test
    {
        juce::Component& meter (int k) { return *meters.getChildComponent (k); }

        HostedProcessor processor;
        InputVuMeters meters { &processor };
    };
} // namespace

TEST_F (InputVuMetersTest, placesEveryChannelOverItsWellAndHidesTheRest)
{
    EXPECT_EQ (meters.getBounds(), juce::Rectangle<int> (0, 0, 29, 338));

    // The first row, layout 0, checks the arrangement the group starts with.
    for (const auto& arrangement : arrangements)
    {
        meters.setLayout (arrangement.layoutId);

        for (auto k = 0; k < InputVuMeters::numMeters; ++k)
        {
            const auto shown = k < static_cast<int> (arrangement.cells.size());
            EXPECT_EQ (meter (k).isVisible(), shown) << "layout " << arrangement.layoutId << ", meter " << k;

            if (shown)
            {
                const auto cell = arrangement.cells[static_cast<size_t> (k)];
                EXPECT_EQ (meter (k).getBounds(), juce::Rectangle<int> (cell.x, cell.y, 3, arrangement.meterHeight))
                    << "layout " << arrangement.layoutId << ", meter " << k;
            }
        }
    }
}

TEST_F (InputVuMetersTest, drawsTheStripOfTheLayoutsGroup)
{
    using namespace BinaryData;

    struct Case
    {
        std::vector<int> layoutIds;
        const char* strip;
        int stripSize;
    };

    // Starting with layout 0 checks the strip the group starts with; the meters show no level.
    const Case cases[] = {
        { { 0, 1, -1, 16 }, inputVuMeters_stereo_png, inputVuMeters_stereo_pngSize },
        { { 2, 3 }, inputVuMeters_quad_png, inputVuMeters_quad_pngSize },
        { { 4, 5, 6, 7 }, inputVuMeters_5_1_png, inputVuMeters_5_1_pngSize },
        { { 8, 9, 10, 11 }, inputVuMeters_7_1_png, inputVuMeters_7_1_pngSize },
        { { 12, 13, 14, 15 }, inputVuMeters_8_0_png, inputVuMeters_8_0_pngSize },
    };

    for (const auto& c : cases)
        for (auto id : c.layoutIds)
        {
            meters.setLayout (id);
            EXPECT_TRUE (showsStrip (render (meters), c.strip, c.stripSize)) << "layout " << id;
        }
}

TEST_F (InputVuMetersTest, switchingHidesTheMetersNoLongerNeededAndTheSameLayoutAgainChangesNothing)
{
    meters.setLayout (8);
    meters.setLayout (2);

    for (auto k = 0; k < InputVuMeters::numMeters; ++k)
        EXPECT_EQ (meter (k).isVisible(), k < 4) << k;

    meter (0).setVisible (false);
    meters.setLayout (2);
    EXPECT_FALSE (meter (0).isVisible());
}
