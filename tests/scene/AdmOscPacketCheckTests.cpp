#include <scene/AdmOscPacketCheck.h>

#include <juce_core/juce_core.h>

#include <gtest/gtest.h>

namespace
{
    constexpr int deepest = 8;

    juce::MemoryBlock seed (const char* name)
    {
        juce::MemoryBlock packet;
        juce::File (VELORIN_SOURCE_DIR "/tests/fuzz/admosc-corpus").getChildFile (name).loadFileAsData (packet);
        return packet;
    }

    bool isSafe (const juce::MemoryBlock& packet)
    {
        return AdmOscPacketCheck::isSafeToDecode (packet.getData(), packet.getSize(), deepest);
    }

    /** A bundle around the packet, as many times over as asked. */
    juce::MemoryBlock nested (juce::MemoryBlock packet, int levels)
    {
        for (auto level = 0; level < levels; ++level)
        {
            juce::MemoryOutputStream out;
            out.write ("#bundle\0\0\0\0\0\0\0\0\x01", 16);
            out.writeIntBigEndian (static_cast<int> (packet.getSize()));
            out << packet;
            packet = out.getMemoryBlock();
        }

        return packet;
    }
} // namespace

TEST (AdmOscPacketCheck, passesWellFormedPacketsWhateverTheirNumbersBytesAre)
{
    for (const auto* name : { "aed.osc", "azim-int.osc", "xyz.osc", "name.osc", "query-aed.osc", "wildcard-dist.osc", "bundle.osc" })
        EXPECT_TRUE (isSafe (seed (name))) << name;

    EXPECT_TRUE (isSafe (nested (seed ("aed.osc"), deepest)));
}

TEST (AdmOscPacketCheck, refusesStringsThatAreNotUtf8AndBundlesNestedTooDeep)
{
    auto address = seed ("aed.osc");
    static_cast<char*> (address.getData())[3] = '\xff'; // "/ad\xff/obj/1/aed"
    EXPECT_FALSE (isSafe (address));

    auto name = seed ("name.osc");
    static_cast<char*> (name.getData())[name.getSize() - 5] = '\xc3'; // "str\xc3ngs": a lead byte without its continuation
    EXPECT_FALSE (isSafe (name));

    EXPECT_FALSE (isSafe (nested (address, 2))) << "inside a bundle too";
    EXPECT_FALSE (isSafe (nested (seed ("aed.osc"), deepest + 2)));
}

TEST (AdmOscPacketCheck, leavesOtherMalformedPacketsToTheReader)
{
    auto truncated = seed ("aed.osc");
    truncated.setSize (truncated.getSize() - 3);
    EXPECT_TRUE (isSafe (truncated));
    EXPECT_TRUE (isSafe (juce::MemoryBlock ("garbage!", 8)));
    EXPECT_TRUE (AdmOscPacketCheck::isSafeToDecode (nullptr, 0, deepest));
}
