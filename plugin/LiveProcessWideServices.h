#pragma once

#include <processor/ProcessWide.h>
#include <scene/SharedScene.h>

/** What the instances of one loaded plug-in binary share: the default
    look-and-feel, the instance registry and the floating scene window.
*/
class LiveProcessWideServices : public ProcessWideServices
{
public:
    LiveProcessWideServices();
    ~LiveProcessWideServices() override;

    std::unique_ptr<SharedReference> acquireLookAndFeel() override;
    void registerInstance (VevazovAzudAudioProcessor&) override;
    void unregisterInstance (VevazovAzudAudioProcessor&) override;
    void ensureSceneWindow() override;
    void applySceneWindowBounds() override;
    void applySceneWindowVisibility() override;
    bool toggleSceneWindowVisibility() override;

    SharedScene& getScene() noexcept { return scene; }

private:
    SharedScene scene;
};
