#pragma once

#include "AaxHostInterfaces.h"

#include <atomic>

/** The state the ACF entry points share while the library is loaded: the host that
    started the AAX side up, and how many callers currently need the framework.

    The framework is initialised by its first user and shut down by its last, so a
    registration that runs while instances are alive leaves it running for them.
*/
class AaxLibrary
{
public:
    /** The one library state of this process. */
    static AaxLibrary& getInstance() noexcept;

    /** Keeps the host for the calls that follow. */
    void startup (AaxHost* host) noexcept;

    /** Lets go of the host. */
    void shutdown() noexcept;

    bool isStarted() const noexcept;
    AaxHost* getHost() const noexcept;

    /** True once no host holds the library and nobody uses the framework. */
    bool canUnload() const noexcept;

    bool isFrameworkInitialised() const noexcept;

    /** Keeps the framework initialised for as long as it lives. */
    class ScopedFrameworkUse
    {
    public:
        explicit ScopedFrameworkUse (AaxLibrary& library) noexcept;
        ~ScopedFrameworkUse();

        ScopedFrameworkUse (const ScopedFrameworkUse&) = delete;
        ScopedFrameworkUse& operator= (const ScopedFrameworkUse&) = delete;

    private:
        AaxLibrary& owner;
    };

private:
    std::atomic<AaxHost*> host { nullptr };
    std::atomic<int> numFrameworkUsers { 0 };
};
