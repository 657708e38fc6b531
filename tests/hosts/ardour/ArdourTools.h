#pragma once

#include <juce_core/juce_core.h>

#include <functional>
#include <map>

/** Ardour 7's command-line tools, run headless on the dummy audio backend with a
    scratch home into which the built plug-ins are installed and scanned, as a
    user's would be.

    Ardour's tools now and then abort or hang on their own, with no plug-in in the
    session at all: every call runs under a time limit and is repeated when the
    tool fails, a few times at most.
*/
class ArdourTools
{
public:
    /** Why the tools cannot run here, or nothing when they can. */
    static juce::String whyUnavailable();

    /** Installs the VST2, VST3 and LV2 plug-ins in a new home under the scratch
        folder and fills Ardour's plug-in scan cache there.
    */
    explicit ArdourTools (const juce::File& scratch);

    struct Outcome
    {
        bool succeeded = false;
        juce::String output;
    };

    /** Creates an empty 48 kHz session whose master bus has four channels. */
    Outcome newSession (const juce::File& directory, const juce::String& name);

    /** Runs one of the test's Lua scripts in Ardour's session tool. A run
        succeeded when the tool exited cleanly and its output passes the check.
    */
    Outcome runScript (const juce::String& script, const juce::StringArray& arguments, const std::function<bool (const juce::String&)>& outputIsComplete);

    /** Exports the session's range from the master bus as a 32-bit float WAV file. */
    Outcome exportSession (const juce::File& directory, const juce::String& name, const juce::File& wav);

    /** The values the host shows, by track (from 1) and parameter name. */
    using ShownValues = std::map<std::pair<int, juce::String>, float>;

    /** The values in a script's "shown TRACK NAME VALUE" lines. */
    static ShownValues readShownValues (const juce::String& output);

    /** The scratch home the tools run in, with the plug-ins installed. */
    const juce::File& getHome() const noexcept { return home; }

    /** The folder the VST2 plug-in is installed in, where Ardour is told to look. */
    juce::File getVst2Folder() const { return home.getChildFile (".vst"); }

    /** Everything the tools printed, for a reader of a failed test. */
    const juce::String& getLog() const noexcept { return log; }

private:
    Outcome runWithRetries (const juce::StringArray& tool, int timeLimitSeconds, const std::function<bool (const Outcome&)>& succeeded);
    Outcome runOnce (const juce::StringArray& tool, int timeLimitSeconds, const juce::StringArray& environment = {});
    void installPlugIns();
    void scanPlugIns();

    const juce::File home;
    juce::String log;
};
