#include "SharedScene.h"

#include <processor/ProcessWide.h>

namespace
{
    bool isOnMessageThread()
    {
        const auto* messageManager = juce::MessageManager::getInstanceWithoutCreating();
        return messageManager == nullptr || messageManager->currentThreadHasLockedMessageManager();
    }

    /** Runs the work at once on the message thread, otherwise while holding it. */
    template <typename Work>
    void withMessageThreadHeld (Work&& work)
    {
        if (isOnMessageThread())
        {
            work();
            return;
        }

        const juce::MessageManagerLock lock;
        work();
    }

    /** Runs the work at once on the message thread, otherwise posts it there for
        as long as the scene lives.
    */
    template <typename Work>
    void onMessageThread (const juce::WeakReference<SharedScene>& scene, Work&& work)
    {
        if (isOnMessageThread())
        {
            work (*scene.get());
            return;
        }

        juce::MessageManager::callAsync ([scene, work]
                                         {
                                             if (auto* live = scene.get())
                                                 work (*live); });
    }
} // namespace

SharedScene::SharedScene() = default;

SharedScene::~SharedScene()
{
    // Instances still alive when the library goes leave their window to the
    // process if the framework that could close it is gone already.
    if (transparentWindow != nullptr && juce::MessageManager::getInstanceWithoutCreating() == nullptr)
        transparentWindow.release();

    masterReference.clear();
}

void SharedScene::registerInstance (VevazovAzudAudioProcessor& processor)
{
    withMessageThreadHeld ([&]
                           { sceneWidgets.registerInstance (processor); });
}

void SharedScene::unregisterInstance (VevazovAzudAudioProcessor& processor)
{
    withMessageThreadHeld ([&]
                           {
                               if (sceneWidgets.unregisterInstance (processor) && transparentWindow != nullptr)
                               {
                                   transparentPadGUI = nullptr;
                                   transparentWindow = nullptr;
                               } });
}

void SharedScene::ensureWindow()
{
    if (isOnMessageThread())
    {
        createWindow();
        return;
    }

    // A prepare off the message thread asks for the window; the message thread
    // makes it, if some instance still wants one when it gets there.
    if (windowCreationPosted.exchange (true))
        return;

    juce::MessageManager::callAsync ([scene = self]
                                     {
                                         if (auto* live = scene.get())
                                             live->createWindowIfStillWanted(); });
}

void SharedScene::createWindowIfStillWanted()
{
    windowCreationPosted = false;

    if (! sceneWidgets.isEmpty())
        createWindow();
}

void SharedScene::createWindow()
{
    // A host without a display (a render server, a headless export) gets no window;
    // the geometry and visibility in the settings stay as they are, and are saved.
    if (transparentWindow != nullptr || juce::Desktop::getInstance().getDisplays().getPrimaryDisplay() == nullptr)
        return;

    transparentWindow = std::make_unique<TransparentWindow>();
    transparentPadGUI = new TransparentPadGUI (sceneWidgets);
    transparentWindow->setContentOwned (transparentPadGUI, false);
    transparentWindow->applyBoundsFromSettings();
    transparentWindow->applyVisibilityFromSettings();
}

void SharedScene::applyWindowBounds()
{
    onMessageThread (self, [] (SharedScene& scene)
                     {
                         if (auto* window = scene.getWindow())
                             window->applyBoundsFromSettings(); });
}

void SharedScene::applyWindowVisibility()
{
    onMessageThread (self, [] (SharedScene& scene)
                     {
                         if (auto* window = scene.getWindow())
                             window->applyVisibilityFromSettings(); });
}

bool SharedScene::toggleWindowVisibility()
{
    if (transparentWindow == nullptr)
        return false;

    auto& visible = getSceneSettings().transparentWindowIsVisible;
    visible = ! visible;
    transparentWindow->applyVisibilityFromSettings();
    return true;
}
