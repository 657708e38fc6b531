#include "StateRoundTrip.h"

#include <gtest/gtest.h>

// The fuzzer's seeds and every input it once found failing, replayed in the
// ordinary suite so that each fault it showed stays mended.
TEST (SavedStateCorpus, everySeedAndReproducerRestoresAndRoundTrips)
{
    const auto fuzzDirectory = juce::File (VELORIN_SOURCE_DIR).getChildFile ("tests/fuzz");
    auto numChecked = 0;

    for (const auto* folder : { "corpus", "regressions" })
    {
        for (const auto& entry : juce::RangedDirectoryIterator (fuzzDirectory.getChildFile (folder), false, "*", juce::File::findFiles))
        {
            juce::MemoryBlock bytes;
            ASSERT_TRUE (entry.getFile().loadFileAsData (bytes));
            EXPECT_EQ (checkStateRoundTrip (bytes.getData(), bytes.getSize()), "") << entry.getFile().getFileName();
            ++numChecked;
        }
    }

    EXPECT_GE (numChecked, 7);
}
