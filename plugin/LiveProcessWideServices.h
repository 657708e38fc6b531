#pragma once

#include <processor/ProcessWide.h>
#include <scene/AdmOscHub.h>
#include <scene/SharedScene.h>

/** What the instances of one loaded plug-in binary share: the default
    look-and-feel, the instance registry, the floating scene window and the
    ADM-OSC connections.
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
    void restoreSceneSettings (const SceneSettingsChange&) override;
    bool toggleSceneWindowVisibility() override;
    void admOscSettingsChanged (VevazovAzudAudioProcessor&) override;
    juce::String describeAdmOsc (VevazovAzudAudioProcessor&) override;

    SharedScene& getScene() noexcept { return scene; }

private:
    SharedScene scene;
    AdmOscHub admOsc;
};
