#include "ProcessWide.h"

namespace
{
    ProcessWideServices* installedServices = nullptr;
}

SceneSettings& getSceneSettings() noexcept
{
    static SceneSettings settings;
    return settings;
}

ProcessWideServices* getProcessWideServices() noexcept
{
    return installedServices;
}

void setProcessWideServices (ProcessWideServices* services) noexcept
{
    installedServices = services;
}

ScopedProcessWideServices::ScopedProcessWideServices (ProcessWideServices& services) noexcept
    : previous (getProcessWideServices())
{
    setProcessWideServices (&services);
}

ScopedProcessWideServices::~ScopedProcessWideServices()
{
    setProcessWideServices (previous);
}
