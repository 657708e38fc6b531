#include "AaxLibrary.h"

AaxLibrary& AaxLibrary::getInstance() noexcept
{
    static AaxLibrary library;
    return library;
}

void AaxLibrary::startup (AaxHost* newHost) noexcept
{
    host = newHost;
}

void AaxLibrary::shutdown() noexcept
{
    host = nullptr;
}

bool AaxLibrary::isStarted() const noexcept
{
    return host != nullptr;
}

AaxHost* AaxLibrary::getHost() const noexcept
{
    return host;
}

bool AaxLibrary::canUnload() const noexcept
{
    return ! isStarted() && ! isFrameworkInitialised();
}

bool AaxLibrary::isFrameworkInitialised() const noexcept
{
    return numFrameworkUsers > 0;
}

AaxLibrary::ScopedFrameworkUse::ScopedFrameworkUse (AaxLibrary& library) noexcept
    : owner (library)
{
    ++owner.numFrameworkUsers;
}

AaxLibrary::ScopedFrameworkUse::~ScopedFrameworkUse()
{
    --owner.numFrameworkUsers;
}
