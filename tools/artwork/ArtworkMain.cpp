#include "AppIcon.h"
#include "Catalogue.h"
#include "ContactSheet.h"
#include "EditorPreview.h"

#include <juce_events/juce_events.h>

#include <iostream>
#include <optional>

namespace
{
    constexpr auto usage =
        "usage: velorin-artwork <resources-dir> [--contact-sheet <file.png>] [--previews <dir>] [--app-icons <dir>]\n"
        "  Draws every embedded image into <resources-dir>. The same program always writes\n"
        "  the same bytes, so the committed files can be checked by regenerating them.\n"
        "  --contact-sheet  also writes one PNG showing the whole set for review\n"
        "  --previews       also writes editor-top-preview.png, editor-cote-preview.png and\n"
        "                   editor-welcome-preview.png: the backgrounds with the other images\n"
        "                   composited where the editor draws them\n"
        "  --app-icons      also writes the Standalone's icon in every size of a desktop icon\n"
        "                   theme, as <dir>/<size>x<size>/apps/velorin.png\n";

    struct Arguments
    {
        juce::File resources;
        juce::File contactSheet;
        juce::File previews;
        juce::File appIcons;
    };

    std::optional<Arguments> parseArguments (const juce::StringArray& arguments)
    {
        Arguments parsed;

        for (auto index = 0; index < arguments.size(); ++index)
        {
            const auto& argument = arguments[index];
            const auto hasValue = index + 1 < arguments.size();

            if (argument == "--contact-sheet" && hasValue)
                parsed.contactSheet = juce::File::getCurrentWorkingDirectory().getChildFile (arguments[++index]);
            else if (argument == "--previews" && hasValue)
                parsed.previews = juce::File::getCurrentWorkingDirectory().getChildFile (arguments[++index]);
            else if (argument == "--app-icons" && hasValue)
                parsed.appIcons = juce::File::getCurrentWorkingDirectory().getChildFile (arguments[++index]);
            else if (! argument.startsWith ("-") && parsed.resources == juce::File())
                parsed.resources = juce::File::getCurrentWorkingDirectory().getChildFile (argument);
            else
                return std::nullopt;
        }

        if (parsed.resources == juce::File())
            return std::nullopt;

        return parsed;
    }

    bool writeFile (const juce::File& file, const void* data, size_t size)
    {
        if (! file.getParentDirectory().createDirectory() || ! file.replaceWithData (data, size))
        {
            std::cerr << "velorin-artwork: cannot write " << file.getFullPathName() << std::endl;
            return false;
        }

        std::cout << file.getFullPathName() << "  " << size << " bytes" << std::endl;
        return true;
    }

    bool writePng (const juce::File& file, const juce::Image& image)
    {
        const auto bytes = artwork::encode (image, artwork::Encoding::png);
        return writeFile (file, bytes.getData(), bytes.getSize());
    }
} // namespace

int main (int argc, char* argv[])
{
    juce::ScopedJuceInitialiser_GUI framework;

    juce::StringArray arguments;

    for (auto i = 1; i < argc; ++i)
        arguments.add (juce::String::fromUTF8 (argv[i]));

    const auto parsed = parseArguments (arguments);

    if (! parsed.has_value())
    {
        std::cerr << usage;
        return 2;
    }

    const auto set = artwork::renderCatalogue();
    auto written = true;

    for (const auto& rendered : set)
    {
        if (rendered.decoded.getBounds() != juce::Rectangle<int> (rendered.resource->width, rendered.resource->height))
        {
            std::cerr << "velorin-artwork: " << rendered.resource->fileName << " is drawn at the wrong size" << std::endl;
            return 1;
        }
    }

    for (const auto& rendered : set)
        written = writeFile (parsed->resources.getChildFile (rendered.resource->fileName), rendered.bytes.getData(), rendered.bytes.getSize()) && written;

    if (parsed->contactSheet != juce::File())
        written = writePng (parsed->contactSheet, artwork::drawContactSheet (set)) && written;

    if (parsed->previews != juce::File())
    {
        written = writePng (parsed->previews.getChildFile ("editor-top-preview.png"), artwork::drawEditorPreview (set, artwork::EditorView::top)) && written;
        written = writePng (parsed->previews.getChildFile ("editor-cote-preview.png"), artwork::drawEditorPreview (set, artwork::EditorView::unwrapped)) && written;
        written = writePng (parsed->previews.getChildFile ("editor-welcome-preview.png"), artwork::drawWelcomePreview (set)) && written;
    }

    if (parsed->appIcons != juce::File())
        for (const auto size : artwork::appIconSizes)
            written = writePng (parsed->appIcons.getChildFile (juce::String (size) + "x" + juce::String (size)).getChildFile ("apps/velorin.png"), artwork::drawAppIcon (size)) && written;

    return written ? 0 : 1;
}
