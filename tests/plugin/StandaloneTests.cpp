#include <gtest/gtest.h>

#include <juce_core/juce_core.h>

namespace
{
    juce::String topLevelWindows()
    {
        juce::ChildProcess query;

        if (! query.start ("xwininfo -root -tree"))
            return {};

        return query.readAllProcessOutput();
    }
} // namespace

// The standalone application starts on a display and opens its window under the product's name.
TEST (Standalone, opensItsWindowNamedVelorin)
{
    if (juce::SystemStats::getEnvironmentVariable ("DISPLAY", {}).isEmpty())
        GTEST_SKIP() << "no display (the test command runs this under xvfb-run)";

    juce::ChildProcess application;
    ASSERT_TRUE (application.start (juce::StringArray { VELORIN_STANDALONE_BINARY }, 0));

    auto found = false;

    for (auto attempt = 0; attempt < 100 && ! found && application.isRunning(); ++attempt)
    {
        juce::Thread::sleep (100);
        found = topLevelWindows().contains ("\"Velorin\"");
    }

    EXPECT_TRUE (application.isRunning()) << "exit code " << application.getExitCode();
    EXPECT_TRUE (found) << topLevelWindows();

    application.kill();
}
