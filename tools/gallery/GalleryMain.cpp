#include "EditorSnapshots.h"
#include "LookAndFeelSheet.h"
#include "PanelsSheet.h"
#include "SceneScreenshot.h"

#include <editor/KorvanneLookAndFeel.h>

#include <iostream>

namespace
{
    constexpr auto usage =
        "usage: velorin-gallery <docs-dir>\n"
        "  Renders the plug-in's controls, as the plug-in draws them, into PNG images for\n"
        "  review: lookandfeel-sheet.png, the options and welcome panels over the editor\n"
        "  (options-panel.png, welcome-panel.png), and with an X display (xvfb-run) a\n"
        "  screenshot of the shared scene window, scene-window.png.\n";

    bool writePng (const juce::Image& image, const juce::File& file)
    {
        file.deleteFile();
        juce::FileOutputStream out (file);
        juce::PNGImageFormat png;

        if (out.failedToOpen() || ! png.writeImageToStream (image, out))
        {
            std::cerr << "velorin-gallery: cannot write " << file.getFullPathName() << std::endl;
            return false;
        }

        std::cout << file.getFullPathName() << std::endl;
        return true;
    }
} // namespace

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << usage;
        return 2;
    }

    const juce::ScopedJuceInitialiser_GUI framework;
    const auto docs = juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]);

    // Text is set as in the plug-in: in the embedded face of the shared default.
    const VevazovAzudAudioProcessor::KorvanneLookAndFeel lookAndFeel;

    if (! docs.createDirectory() || ! writePng (drawLookAndFeelSheet(), docs.getChildFile ("lookandfeel-sheet.png"))
        || ! writePng (drawOptionsPanelOverEditor(), docs.getChildFile ("options-panel.png"))
        || ! writePng (drawWelcomePanelOverEditor(), docs.getChildFile ("welcome-panel.png")))
        return 1;

    for (const auto& [name, image] : drawEditorSnapshots())
        if (! writePng (image, docs.getChildFile (name)))
            return 1;

    const auto scene = takeSceneScreenshot();

    if (scene.isNull())
    {
        std::cerr << "velorin-gallery: no X display, so no scene window screenshot" << std::endl;
        return 0;
    }

    return writePng (scene, docs.getChildFile ("scene-window.png")) ? 0 : 1;
}
