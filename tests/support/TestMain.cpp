#include "WindowSupport.h"

#include <gtest/gtest.h>

#include <juce_events/juce_events.h>

namespace
{
    /** Turns every framework assertion (logged because assertions are logged in
        every build) into a failure of the test that hit it.
    */
    class AssertionsFailTests : public juce::Logger
    {
    public:
        void logMessage (const juce::String& message) override
        {
            if (message.contains ("JUCE Assertion failure"))
                ADD_FAILURE() << message;
        }
    };
} // namespace

int main (int argc, char** argv)
{
    testing::InitGoogleTest (&argc, argv);
    prepareDisplayForWindows();

    juce::ScopedJuceInitialiser_GUI framework;
    AssertionsFailTests logger;
    juce::Logger::setCurrentLogger (&logger);

    const auto result = RUN_ALL_TESTS();

    juce::Logger::setCurrentLogger (nullptr);
    return result;
}
