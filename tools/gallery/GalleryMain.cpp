#include "EditorSnapshots.h"
#include "LookAndFeelSheet.h"
#include "PanelsSheet.h"
#include "SceneScreenshot.h"
#include "StandaloneScreenshots.h"

#include <editor/KorvanneLookAndFeel.h>

#include <iostream>

namespace
{
    constexpr auto usage =
        "usage: velorin-gallery <docs-dir> [--standalone <application>]\n"
        "  Renders the plug-in's controls, as the plug-in draws them, into PNG images for\n"
        "  review: the look-and-feel sheet, the panels over the editor and the editor in\n"
        "  both views. With an X display (xvfb-run) it also takes a screenshot of the\n"
        "  shared scene window, and with --standalone it runs the built application and\n"
        "  takes screenshots of its window and of the scene window beside it.\n";

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
    const auto withApplication = argc == 4 && juce::String (argv[2]) == "--standalone";

    if (argc != 2 && ! withApplication)
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
        || ! writePng (drawAdmOscPanelOverEditor(), docs.getChildFile ("adm-osc-panel.png"))
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

    if (! writePng (scene, docs.getChildFile ("scene-window.png")))
        return 1;

    if (withApplication && ! takeStandaloneScreenshots (juce::File::getCurrentWorkingDirectory().getChildFile (argv[3]), docs))
        return 1;

    return 0;
}
