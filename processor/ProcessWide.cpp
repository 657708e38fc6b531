#include "ProcessWide.h"

namespace
{
    ProcessWideServices* installedServices = nullptr;
}

SceneSettings& SceneSettings::operator= (const SceneSettings& other) noexcept
{
    transparentWindowX = other.transparentWindowX.load();
    transparentWindowY = other.transparentWindowY.load();
    transparentWindowWidth = other.transparentWindowWidth.load();
    transparentWindowHeight = other.transparentWindowHeight.load();
    transparentWindowIsVisible = other.transparentWindowIsVisible.load();
    transparentWindowShowAllWidgetLabels = other.transparentWindowShowAllWidgetLabels.load();
    return *this;
}

bool SceneSettingsChange::isEmpty() const noexcept
{
    return ! (x || y || width || height || isVisible || showAllWidgetLabels);
}

void SceneSettingsChange::applyTo (SceneSettings& settings) const noexcept
{
    const auto store = [] (auto& setting, const auto& value)
    {
        if (value.has_value())
            setting = *value;
    };

    store (settings.transparentWindowX, x);
    store (settings.transparentWindowY, y);
    store (settings.transparentWindowWidth, width);
    store (settings.transparentWindowHeight, height);
    store (settings.transparentWindowIsVisible, isVisible);
    store (settings.transparentWindowShowAllWidgetLabels, showAllWidgetLabels);
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
