#include "InputVuMeters.h"

#include "EmbeddedImages.h"

#include <BinaryData.h>

namespace
{
    constexpr int groupWidth = 29;
    constexpr int groupHeight = 338;
    constexpr int meterWidth = 3;

    /** The strip is drawn at its own size, 27 x 332, at the group's top left. */
    constexpr int stripWidth = 27;
    constexpr int stripHeight = 332;

    /** The layouts that share a strip, a number of meters and a meter height. */
    enum Group
    {
        twoChannels,
        fourChannels,
        sixChannels,
        sevenOne,
        eightZero,
        numGroups
    };

    struct GroupStyle
    {
        int numMeters;
        int meterHeight;
        const char* const* strip;
        int stripSize;
    };

    // clang-format off
    //  meters  height  strip
    constexpr std::array<GroupStyle, numGroups> groupStyles {{
        { 2,      320,    &BinaryData::inputVuMeters_stereo_png, BinaryData::inputVuMeters_stereo_pngSize },
        { 4,      152,    &BinaryData::inputVuMeters_quad_png,   BinaryData::inputVuMeters_quad_pngSize },
        { 6,      96,     &BinaryData::inputVuMeters_5_1_png,    BinaryData::inputVuMeters_5_1_pngSize },
        { 8,      60,     &BinaryData::inputVuMeters_7_1_png,    BinaryData::inputVuMeters_7_1_pngSize },
        { 8,      60,     &BinaryData::inputVuMeters_8_0_png,    BinaryData::inputVuMeters_8_0_pngSize },
    }};
    // clang-format on

    /** A meter's top-left corner in the group: over the left well at x 6 or the
        right well at x 16, at the height of its pair of wells.
    */
    struct Cell
    {
        int x;
        int y;
    };

    struct Placement
    {
        Group group;
        std::array<Cell, InputVuMeters::numMeters> cells;
    };

    // clang-format off
    //  meter k shows channel k of the layout, over the well of that channel's place
    constexpr std::array<Placement, InputLayouts::numLayouts> placements {{
        //                k0         k1          k2          k3          k4          k5          k6          k7
        { twoChannels,  {{ { 6,   0 }, { 16,   0 } }} },                                                               // Mono
        { twoChannels,  {{ { 6,   0 }, { 16,   0 } }} },                                                               // L R
        { fourChannels, {{ { 6, 168 }, { 16, 168 }, {  6,   0 }, { 16,   0 } }} },                                     // L R Ls Rs
        { fourChannels, {{ { 6, 168 }, { 16, 168 }, { 16,   0 }, {  6,   0 } }} },                                     // L R Rs Ls
        { sixChannels,  {{ { 6, 224 }, { 16, 224 }, {  6, 112 }, { 16, 112 }, {  6,   0 }, { 16,   0 } }} },           // L R C Lfe Ls Rs
        { sixChannels,  {{ { 6, 224 }, {  6, 112 }, { 16, 224 }, {  6,   0 }, { 16,   0 }, { 16, 112 } }} },           // L C R Ls Rs Lfe
        { sixChannels,  {{ { 6, 112 }, {  6, 224 }, { 16, 224 }, {  6,   0 }, { 16,   0 }, { 16, 112 } }} },           // C L R Ls Rs Lfe
        { sixChannels,  {{ { 6, 224 }, { 16, 224 }, {  6,   0 }, { 16,   0 }, {  6, 112 }, { 16, 112 } }} },           // L R Ls Rs C Lfe
        { sevenOne,     {{ { 6, 260 }, { 16, 260 }, {  6, 176 }, { 16, 176 }, {  6,  92 }, { 16,  92 }, { 6, 8 }, { 16, 8 } }} }, // L R C Lfe Ls Rs Sl Sr
        { sevenOne,     {{ { 6, 260 }, {  6, 176 }, { 16, 260 }, {  6,   8 }, { 16,   8 }, {  6,  92 }, { 16, 92 }, { 16, 176 } }} }, // L C R Sl Sr Ls Rs Lfe
        { sevenOne,     {{ { 6, 176 }, {  6, 260 }, { 16, 260 }, {  6,   8 }, { 16,   8 }, {  6,  92 }, { 16, 92 }, { 16, 176 } }} }, // C L R Sl Sr Ls Rs Lfe
        { sevenOne,     {{ { 6, 260 }, { 16, 260 }, {  6,  92 }, { 16,  92 }, {  6, 176 }, { 16, 176 }, { 6, 8 }, { 16, 8 } }} }, // L R Ls Rs C Lfe Sl Sr
        { eightZero,    {{ { 6, 260 }, {  6, 176 }, { 16, 260 }, { 16,   8 }, { 16,  92 }, { 16, 176 }, { 6, 92 }, { 6, 8 } }} },  // L C R Sr Rs Cs Ls Sl
        { eightZero,    {{ { 6, 260 }, { 16, 260 }, {  6, 176 }, {  6,  92 }, { 16,  92 }, { 16, 176 }, { 6, 8 }, { 16, 8 } }} }, // L R C Ls Rs Cs Sl Sr
        { eightZero,    {{ { 6, 260 }, { 16, 260 }, {  6,  92 }, { 16,  92 }, {  6, 176 }, { 16, 176 }, { 6, 8 }, { 16, 8 } }} }, // L R Ls Rs C Cs Sl Sr
        { eightZero,    {{ { 6, 260 }, { 16, 260 }, {  6, 176 }, { 16, 176 }, {  6,  92 }, { 16,  92 }, { 6, 8 }, { 16, 8 } }} }, // L R C Cs Ls Rs Sl Sr
    }};

    /** Where the meters sit before any layout is applied, 60 pixels high. */
    constexpr int initialMeterHeight = 60;
    constexpr std::array<Cell, InputVuMeters::numMeters> initialCells {{
        { 6, 0 }, { 16, 0 }, { 6, 85 }, { 16, 85 }, { 6, 174 }, { 16, 174 }, { 6, 260 }, { 16, 260 },
    }};
    // clang-format on

    /** The placement of a layout id; any id outside 0-15 places as "Mono". */
    const Placement& placementFor (int layoutId) noexcept
    {
        return juce::isPositiveAndBelow (layoutId, InputLayouts::numLayouts) ? placements[static_cast<size_t> (layoutId)]
                                                                             : placements[InputLayouts::monoLayout];
    }

    juce::Image stripFor (const GroupStyle& style)
    {
        return EmbeddedImages::get (*style.strip, style.stripSize);
    }
} // namespace

InputVuMeters::InputVuMeters (VevazovAzudAudioProcessor* processor)
{
    for (auto k = 0; k < numMeters; ++k)
    {
        auto& meter = meters[static_cast<size_t> (k)];
        meter = std::make_unique<VuMeter> (processor, k);
        addAndMakeVisible (*meter);
    }

    stripImage = stripFor (groupStyles[twoChannels]);
    setSize (groupWidth, groupHeight);
    setLayout (InputLayouts::monoLayout);
}

void InputVuMeters::setLayout (int layoutId)
{
    if (layoutId == currentLayout)
        return;

    currentLayout = layoutId;

    for (auto& meter : meters)
        meter->setVisible (false);

    const auto& placement = placementFor (layoutId);
    const auto& style = groupStyles[placement.group];

    for (size_t k = 0; k < static_cast<size_t> (style.numMeters); ++k)
    {
        const auto cell = placement.cells[k];
        meters[k]->setBounds (cell.x, cell.y, meterWidth, style.meterHeight);
        meters[k]->setVisible (true);
    }

    stripImage = stripFor (style);
}

void InputVuMeters::paint (juce::Graphics& g)
{
    g.setColour (juce::Colours::black);
    g.drawImage (stripImage, 0, 0, stripWidth, stripHeight, 0, 0, stripImage.getWidth(), stripImage.getHeight());
}

void InputVuMeters::resized()
{
    for (size_t k = 0; k < meters.size(); ++k)
        meters[k]->setBounds (initialCells[k].x, initialCells[k].y, meterWidth, initialMeterHeight);
}
