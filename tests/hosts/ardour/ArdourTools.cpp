#include "ArdourTools.h"

namespace
{
    // Debian's ardour package.
    const juce::File toolFolder ("/usr/bin");
    const juce::File libraryFolder ("/usr/lib/ardour7");
    constexpr const char* sessionTool = "ardour7-lua";
    constexpr const char* exportTool = "ardour7-export";
    constexpr const char* sessionMaker = "ardour7-new_session";
    constexpr const char* vst3Scanner = "ardour-vst3-scanner";
    constexpr const char* vst2Scanner = "ardour-vst-scanner";

    constexpr int attempts = 4;
    constexpr int scriptTimeLimitSeconds = 90;
    constexpr int exportTimeLimitSeconds = 60;
    constexpr int scanTimeLimitSeconds = 30;

    // Ardour reads a plug-in from its cache only while the plug-in is older than the cache.
    constexpr juce::int64 plugInAgeMilliseconds = 60 * 60 * 1000;

    void backDate (const juce::File& file)
    {
        const auto earlier = juce::Time::getCurrentTime() - juce::RelativeTime::milliseconds (plugInAgeMilliseconds);

        for (const auto& entry : juce::RangedDirectoryIterator (file, true, "*", juce::File::findFiles))
            entry.getFile().setLastModificationTime (earlier);

        file.setLastModificationTime (earlier);
    }
} // namespace

juce::String ArdourTools::whyUnavailable()
{
    for (const auto& tool : { toolFolder.getChildFile (sessionTool), toolFolder.getChildFile (exportTool), toolFolder.getChildFile (sessionMaker), libraryFolder.getChildFile (vst3Scanner), libraryFolder.getChildFile (vst2Scanner) })
        if (! tool.existsAsFile())
            return "Ardour 7 is not installed (no " + tool.getFullPathName() + "); tools/setup-ardour.sh installs it";

    return {};
}

ArdourTools::ShownValues ArdourTools::readShownValues (const juce::String& output)
{
    ShownValues shown;

    for (const auto& line : juce::StringArray::fromLines (output))
    {
        const auto words = juce::StringArray::fromTokens (line, false);

        if (words.size() == 4 && words[0] == "shown")
            shown[{ words[1].getIntValue(), words[2] }] = words[3].getFloatValue();
    }

    return shown;
}

ArdourTools::ArdourTools (const juce::File& scratch)
    : home (scratch.getChildFile ("home"))
{
    installPlugIns();
    scanPlugIns();
}

void ArdourTools::installPlugIns()
{
    const auto vst3 = home.getChildFile (".vst3/Velorin.vst3");
    const auto lv2 = home.getChildFile (".lv2/Velorin.lv2");
    const auto vst2 = home.getChildFile (".vst/Velorin.so");

    vst3.createDirectory();
    lv2.createDirectory();
    vst2.getParentDirectory().createDirectory();
    juce::File (VELORIN_VST3_BUNDLE).copyDirectoryTo (vst3);
    juce::File (VELORIN_LV2_BUNDLE).copyDirectoryTo (lv2);
    juce::File (VELORIN_VST2_BINARY).copyFileTo (vst2);

    for (const auto& plugIn : { vst3, lv2, vst2 })
        backDate (plugIn);
}

void ArdourTools::scanPlugIns()
{
    const juce::String libraries = "LD_LIBRARY_PATH=" + libraryFolder.getFullPathName();

    runOnce ({ libraryFolder.getChildFile (vst3Scanner).getFullPathName(), "-f", home.getChildFile (".vst3/Velorin.vst3").getFullPathName() }, scanTimeLimitSeconds, { libraries });
    runOnce ({ libraryFolder.getChildFile (vst2Scanner).getFullPathName(), "-f", home.getChildFile (".vst/Velorin.so").getFullPathName() }, scanTimeLimitSeconds, { libraries });
}

ArdourTools::Outcome ArdourTools::newSession (const juce::File& directory, const juce::String& name)
{
    return runWithRetries ({ sessionMaker, "-m", "4", "-s", "48000", directory.getFullPathName(), name }, scriptTimeLimitSeconds, [&] (const Outcome& outcome)
                           { return outcome.succeeded && directory.getChildFile (name + ".ardour").existsAsFile(); });
}

ArdourTools::Outcome ArdourTools::runScript (const juce::String& script, const juce::StringArray& arguments, const std::function<bool (const juce::String&)>& outputIsComplete)
{
    juce::StringArray tool { sessionTool, juce::File (VELORIN_ARDOUR_SCRIPTS).getChildFile (script).getFullPathName() };
    tool.addArray (arguments);

    return runWithRetries (tool, scriptTimeLimitSeconds, [&] (const Outcome& outcome)
                           { return outcome.succeeded && outputIsComplete (outcome.output); });
}

ArdourTools::Outcome ArdourTools::exportSession (const juce::File& directory, const juce::String& name, const juce::File& wav)
{
    return runWithRetries ({ exportTool, "-b", "float", "-o", wav.getFullPathName(), directory.getFullPathName(), name }, exportTimeLimitSeconds, [&] (const Outcome& outcome)
                           { return outcome.succeeded && wav.existsAsFile(); });
}

ArdourTools::Outcome ArdourTools::runWithRetries (const juce::StringArray& tool, int timeLimitSeconds, const std::function<bool (const Outcome&)>& succeeded)
{
    Outcome outcome;

    for (auto attempt = 1; attempt <= attempts; ++attempt)
    {
        outcome = runOnce (tool, timeLimitSeconds);

        if (succeeded (outcome))
            return outcome;

        log << "[" << tool[0] << " failed on attempt " << attempt << " of " << attempts << "]\n";
    }

    outcome.succeeded = false;
    return outcome;
}

ArdourTools::Outcome ArdourTools::runOnce (const juce::StringArray& tool, int timeLimitSeconds, const juce::StringArray& environment)
{
    // The tools read the plug-ins from the scratch home; the time limit ends a hung
    // tool, and a kill follows if it ignores the request.
    juce::StringArray command { "env", "HOME=" + home.getFullPathName(), "LXVST_PATH=" + getVst2Folder().getFullPathName() };
    command.addArray (environment);
    command.addArray ({ "timeout", "-k", "10", juce::String (timeLimitSeconds) });
    command.addArray (tool);

    juce::ChildProcess process;
    Outcome outcome;

    if (process.start (command, juce::ChildProcess::wantStdOut | juce::ChildProcess::wantStdErr))
    {
        outcome.output = process.readAllProcessOutput();
        process.waitForProcessToFinish (-1);
        outcome.succeeded = process.getExitCode() == 0;
    }

    log << "$ " << tool.joinIntoString (" ") << "\n"
        << outcome.output << "\n";
    return outcome;
}
