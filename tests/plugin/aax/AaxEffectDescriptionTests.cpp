#include "RecordingAaxHost.h"

#include <plugin/aax/AaxEntryPoints.h>
#include <plugin/aax/AaxLibrary.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace
{
    using Calls = std::vector<std::string>;

    Calls concatenated (std::initializer_list<Calls> parts)
    {
        Calls result;

        for (const auto& part : parts)
            result.insert (result.end(), part.begin(), part.end());

        return result;
    }

    struct ExpectedComponent
    {
        std::uint32_t inputStemFormat;
        std::uint32_t nativePluginId;
        std::uint32_t audioSuitePluginId;
    };

    // One component per channel configuration, always into quad (0x00040004)
    constexpr ExpectedComponent expectedComponents[] = {
        { 0x00000001, 0x6A636161, 0x6A796161 }, // 1 in, mono:       'jcaa' 'jyaa'
        { 0x00010002, 0x6A636162, 0x6A796162 }, // 2 in, stereo:     'jcab' 'jyab'
        { 0x00040004, 0x6A636163, 0x6A796163 }, // 4 in, quad:       'jcac' 'jyac'
        { 0x00060006, 0x6A636164, 0x6A796164 }, // 6 in, 5.1:        'jcad' 'jyad'
        { 0x000C0008, 0x6A636165, 0x6A796165 }, // 8 in, 7.1 DTS:    'jcae' 'jyae'
    };

    Calls expectedEffectStart()
    {
        return { "collection.newDescriptor -> effect",
                 "effect.addName Velorin",
                 "effect.addName Velorin",
                 "effect.addCategory 0x00000200",
                 "effect.addProcedure createGui",
                 "effect.addProcedure createParameters" };
    }

    Calls expectedComponent (int index, const ExpectedComponent& expected)
    {
        const auto component = "component " + std::to_string (index);
        const auto properties = "properties " + std::to_string (index);
        const auto instancePointerBytes = std::to_string (sizeof (void*));

        return { "effect.newComponentDescriptor -> " + component,
                 component + ".addAudioInput audioInputs",
                 component + ".addAudioOutput audioOutputs",
                 component + ".addAudioBufferLength bufferLength",
                 component + ".addDataInputPort bypass 4",
                 component + ".addMidiInputNode midiInput Velorin 0x0000FFFF",
                 component + ".addPrivateData instance " + instancePointerBytes,
                 component + ".newPropertyMap -> " + properties,
                 properties + ".addProperty manufacturerId 0x4B6F5276",
                 properties + ".addProperty productId 0x4B6F5645",
                 properties + ".addProperty canBypass 0x00000001",
                 properties + ".addProperty inputStemFormat " + RecordingAaxHost::hex (expected.inputStemFormat),
                 properties + ".addProperty outputStemFormat 0x00040004",
                 properties + ".addProperty nativePluginId " + RecordingAaxHost::hex (expected.nativePluginId),
                 properties + ".addProperty audioSuitePluginId " + RecordingAaxHost::hex (expected.audioSuitePluginId),
                 properties + ".addProperty supportsMultiMono 0x00000001",
                 component + ".addProcessProcedure processAudio " + properties,
                 "effect.addComponent " + component };
    }

    Calls expectedPackage()
    {
        return { "collection.addEffect com.Korvanne.Velorin effect",
                 "collection.setManufacturerName Korvanne",
                 "collection.addPackageName Velorin",
                 "collection.addPackageName Velorin",
                 "collection.setPackageVersion 0x00010200" };
    }

    Calls expectedDescription()
    {
        auto calls = expectedEffectStart();
        auto index = 0;

        for (const auto& component : expectedComponents)
            calls = concatenated ({ calls, expectedComponent (index++, component) });

        return concatenated ({ calls, expectedPackage() });
    }

    bool recorded (const RecordingAaxHost& host, const std::string& call)
    {
        const auto& calls = host.getCalls();
        return std::find (calls.begin(), calls.end(), call) != calls.end();
    }

    const auto notYetSet = reinterpret_cast<AaxPluginDefinition*> (std::uintptr_t { 0x1234 });
} // namespace

TEST (AaxRegistration, describesEffectComponentsAndPackageInOrderThenHandsOver)
{
    RecordingAaxHost host;
    auto* definition = notYetSet;

    EXPECT_EQ (AaxEntryPoints::registerPlugin (&host, &definition), 0);

    EXPECT_THAT (host.getCalls(), testing::ElementsAreArray (concatenated ({ expectedDescription(), { "collection.handOverDefinition accepted" } })));
    EXPECT_EQ (definition, host.getDefinition());
}

TEST (AaxRegistration, keepsTheFrameworkInitialisedOnlyWhileItRuns)
{
    auto& library = AaxLibrary::getInstance();
    ASSERT_FALSE (library.isFrameworkInitialised());

    RecordingAaxHost host;
    AaxPluginDefinition* definition = nullptr;
    EXPECT_EQ (AaxEntryPoints::registerPlugin (&host, &definition), 0);

    EXPECT_TRUE (host.frameworkWasInitialisedDuringDescription());
    EXPECT_FALSE (library.isFrameworkInitialised());
}

TEST (AaxRegistration, leavesTheFrameworkRunningForItsOtherUsers)
{
    auto& library = AaxLibrary::getInstance();

    {
        AaxLibrary::ScopedFrameworkUse liveInstance (library);

        RecordingAaxHost host;
        AaxPluginDefinition* definition = nullptr;
        EXPECT_EQ (AaxEntryPoints::registerPlugin (&host, &definition), 0);

        EXPECT_TRUE (host.frameworkWasInitialisedDuringDescription());
        EXPECT_TRUE (library.isFrameworkInitialised());
    }

    EXPECT_FALSE (library.isFrameworkInitialised());
}

TEST (AaxRegistration, failsWithNoEffectDescriptorAndRegistersNothing)
{
    RecordingAaxHost::Behaviour noDescriptor;
    noDescriptor.givesDescriptor = false;
    RecordingAaxHost host (noDescriptor);
    auto* definition = notYetSet;

    EXPECT_EQ (AaxEntryPoints::registerPlugin (&host, &definition), -20004);

    EXPECT_THAT (host.getCalls(), testing::ElementsAre ("collection.newDescriptor -> none"));
    EXPECT_EQ (definition, nullptr);
}

TEST (AaxRegistration, failsWithNoCollectionOrNoHost)
{
    RecordingAaxHost::Behaviour noCollection;
    noCollection.hasCollection = false;
    RecordingAaxHost host (noCollection);
    AaxPluginDefinition* definition = nullptr;

    EXPECT_EQ (AaxEntryPoints::registerPlugin (&host, &definition), -20004);
    EXPECT_TRUE (host.getCalls().empty());

    EXPECT_EQ (AaxEntryPoints::registerPlugin (nullptr, &definition), -20004);
    EXPECT_EQ (definition, nullptr);
}

TEST (AaxRegistration, failsWithoutRegisteringWhenAComponentOrPropertyMapIsMissing)
{
    RecordingAaxHost::Behaviour noThirdComponent;
    noThirdComponent.numComponentsGiven = 2;
    RecordingAaxHost shortOfComponents (noThirdComponent);
    AaxPluginDefinition* definition = nullptr;

    EXPECT_EQ (AaxEntryPoints::registerPlugin (&shortOfComponents, &definition), -20004);
    EXPECT_THAT (shortOfComponents.getCalls(),
                 testing::ElementsAreArray (concatenated ({ expectedEffectStart(),
                                                            expectedComponent (0, expectedComponents[0]),
                                                            expectedComponent (1, expectedComponents[1]),
                                                            { "effect.newComponentDescriptor -> none" } })));

    RecordingAaxHost::Behaviour noPropertyMaps;
    noPropertyMaps.givesPropertyMaps = false;
    RecordingAaxHost shortOfMaps (noPropertyMaps);

    EXPECT_EQ (AaxEntryPoints::registerPlugin (&shortOfMaps, &definition), -20004);
    EXPECT_EQ (shortOfMaps.getCalls().back(), "component 0.newPropertyMap -> none");
    EXPECT_FALSE (recorded (shortOfMaps, "effect.addComponent component 0"));
    EXPECT_EQ (definition, nullptr);
}

TEST (AaxRegistration, failsWhenTheHostRefusesTheFinishedDefinition)
{
    RecordingAaxHost::Behaviour refusing;
    refusing.acceptsHandOver = false;
    RecordingAaxHost host (refusing);
    auto* definition = notYetSet;

    EXPECT_EQ (AaxEntryPoints::registerPlugin (&host, &definition), -20004);

    EXPECT_THAT (host.getCalls(), testing::ElementsAreArray (concatenated ({ expectedDescription(), { "collection.handOverDefinition refused" } })));
    EXPECT_EQ (definition, nullptr);
}

TEST (AaxRegistration, failsWhenThereIsNowhereToHandTheDefinitionOver)
{
    RecordingAaxHost host;

    EXPECT_EQ (AaxEntryPoints::registerPlugin (&host, nullptr), -20004);
    EXPECT_EQ (host.getCalls().back(), "collection.handOverDefinition refused");
}

TEST (AaxRegistration, turnsAHostThatThrowsIntoUnexpectedFailure)
{
    for (const auto* throwingCall : { "newDescriptor", "addComponent", "addProperty", "setPackageVersion", "handOverDefinition" })
    {
        SCOPED_TRACE (throwingCall);

        RecordingAaxHost::Behaviour throwing;
        throwing.throwsOn = throwingCall;
        RecordingAaxHost host (throwing);
        auto* definition = notYetSet;

        EXPECT_EQ (static_cast<std::uint32_t> (AaxEntryPoints::registerPlugin (&host, &definition)), 0x8000FFFFu);
        EXPECT_EQ (definition, nullptr);
        EXPECT_FALSE (AaxLibrary::getInstance().isFrameworkInitialised());
    }
}
