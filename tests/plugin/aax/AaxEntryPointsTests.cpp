#include "RecordingAaxHost.h"

#include <plugin/aax/AaxEntryPoints.h>
#include <plugin/aax/AaxLibrary.h>

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{
    constexpr std::uint32_t unexpectedFailure = 0x8000FFFF;

    std::uint32_t asWord (AaxResult result)
    {
        return static_cast<std::uint32_t> (result);
    }
} // namespace

TEST (AaxEntryPoints, registerComponentOffersNoComponent)
{
    RecordingAaxHost host;
    auto* component = reinterpret_cast<AaxComponent*> (&host);

    EXPECT_EQ (AaxEntryPoints::registerComponent (&host, 0, &component), 0);
    EXPECT_EQ (component, nullptr);

    EXPECT_EQ (AaxEntryPoints::registerComponent (&host, 3, nullptr), 0);
    EXPECT_TRUE (host.getCalls().empty());
}

TEST (AaxEntryPoints, classFactoryIsRefusedWithANullFactory)
{
    RecordingAaxHost host;
    const AaxUid classId { { 1, 2, 3 } };
    const AaxUid interfaceId { { 4, 5, 6 } };
    void* factory = &host;

    EXPECT_EQ (AaxEntryPoints::getClassFactory (&host, classId, interfaceId, &factory), -20009);
    EXPECT_EQ (factory, nullptr);

    EXPECT_EQ (AaxEntryPoints::getClassFactory (&host, classId, interfaceId, nullptr), -20009);
}

TEST (AaxEntryPoints, reportsTheSdkVersionWord)
{
    std::uint64_t version = 0;

    EXPECT_EQ (AaxEntryPoints::getSdkVersion (&version), 0);
    EXPECT_EQ (version, 0x00000201007756BFu);

    EXPECT_NE (AaxEntryPoints::getSdkVersion (nullptr), 0);
}

TEST (AaxEntryPoints, startupHoldsTheLibraryUntilShutdown)
{
    auto& library = AaxLibrary::getInstance();
    RecordingAaxHost host;

    EXPECT_EQ (AaxEntryPoints::canUnloadNow (&host), 0);

    EXPECT_EQ (AaxEntryPoints::startup (&host), 0);
    EXPECT_TRUE (library.isStarted());
    EXPECT_EQ (library.getHost(), &host);
    EXPECT_EQ (AaxEntryPoints::canUnloadNow (&host), 1);

    EXPECT_EQ (AaxEntryPoints::shutdown (&host), 0);
    EXPECT_FALSE (library.isStarted());
    EXPECT_EQ (library.getHost(), nullptr);
    EXPECT_EQ (AaxEntryPoints::canUnloadNow (&host), 0);
}

TEST (AaxEntryPoints, cannotUnloadWhileTheFrameworkIsInUse)
{
    auto& library = AaxLibrary::getInstance();

    {
        AaxLibrary::ScopedFrameworkUse first (library);
        AaxLibrary::ScopedFrameworkUse second (library);
        EXPECT_EQ (AaxEntryPoints::canUnloadNow (nullptr), 1);
    }

    EXPECT_EQ (AaxEntryPoints::canUnloadNow (nullptr), 0);
}

TEST (AaxEntryPoints, anExceptionFromABodyBecomesUnexpectedFailure)
{
    EXPECT_EQ (asWord (AaxEntryPoints::guarded ([]() -> AaxResult
                                                { throw std::runtime_error ("failed"); })),
               unexpectedFailure);
    EXPECT_EQ (asWord (AaxEntryPoints::guarded ([]() -> AaxResult
                                                { throw 42; })),
               unexpectedFailure);
    EXPECT_EQ (AaxEntryPoints::guarded ([]
                                        { return AaxResult { -20009 }; }),
               -20009);
}
