#pragma once

#include <juce_graphics/juce_graphics.h>

#include <vector>

/** The set of images the plug-in embeds: each file's name, pixel size and
    encoding, and the drawing that makes it.
*/
namespace artwork
{
    enum class Encoding
    {
        png, // 8-bit RGBA, non-interlaced
        jpeg // baseline, three components, no alpha
    };

    struct Resource
    {
        const char* fileName;
        int width;
        int height;
        Encoding encoding;
        juce::Image (*draw)();
    };

    /** Every image of the set, in the order the contact sheet shows them. */
    const std::vector<Resource>& catalogue();

    /** The committed bytes of an image: a PNG that keeps the alpha channel, or a
    baseline JPEG at one fixed quality. Neither carries a time stamp, so the
    same image always gives the same bytes.
*/
    juce::MemoryBlock encode (const juce::Image& image, Encoding encoding);

    /** One image of the set as the plug-in will see it: its committed bytes, and
    the image decoded back from them.
*/
    struct RenderedImage
    {
        const Resource* resource;
        juce::MemoryBlock bytes;
        juce::Image decoded;
    };

    using RenderedSet = std::vector<RenderedImage>;

    /** Draws, encodes and decodes every image of the catalogue. */
    RenderedSet renderCatalogue();

    /** The decoded image with the given file name; a null image if there is none. */
    juce::Image findImage (const RenderedSet& set, juce::StringRef fileName);
} // namespace artwork
