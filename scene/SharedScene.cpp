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

    transparentWindow = std::make_unique<TransparentWindow> ([this] (juce::Rectangle<int> bounds)
                                                             { storeWindowBounds (bounds); });
    transparentPadGUI = new TransparentPadGUI (sceneWidgets);
    transparentWindow->setContentOwned (transparentPadGUI, false);
    transparentWindow->applyBoundsFromSettings();
    transparentWindow->paintBeforeFirstShow();
    transparentWindow->applyVisibilityFromSettings();
}

void SharedScene::restoreSettings (const SceneSettingsChange& change)
{
    const auto onTheMessageThread = isOnMessageThread();

    {
        const std::scoped_lock lock (geometryLock);
        change.applyTo (getSceneSettings());

        if (change.movesWindow() && ! onTheMessageThread)
            ++geometryRestoresOnTheirWay;
    }

    if (onTheMessageThread)
    {
        bringWindowTo (change);
        return;
    }

    // The window takes the settings as they are when the message thread gets
    // there, so several restores in a row leave it as the last one said.
    juce::MessageManager::callAsync ([scene = self, change]
                                     {
                                         if (auto* live = scene.get())
                                         {
                                             live->bringWindowTo (change);

                                             if (change.movesWindow())
                                             {
                                                 const std::scoped_lock lock (live->geometryLock);
                                                 --live->geometryRestoresOnTheirWay;
                                             }
                                         } });
}

void SharedScene::bringWindowTo (const SceneSettingsChange& change)
{
    if (transparentWindow == nullptr)
        return;

    if (change.movesWindow())
        transparentWindow->applyBoundsFromSettings();

    if (change.showsOrHidesWindow())
        transparentWindow->applyVisibilityFromSettings();
}

void SharedScene::storeWindowBounds (juce::Rectangle<int> bounds)
{
    const std::scoped_lock lock (geometryLock);

    if (geometryRestoresOnTheirWay > 0)
        return;

    auto& settings = getSceneSettings();
    settings.transparentWindowX = bounds.getX();
    settings.transparentWindowY = bounds.getY();
    settings.transparentWindowWidth = bounds.getWidth();
    settings.transparentWindowHeight = bounds.getHeight();
}

bool SharedScene::toggleWindowVisibility()
{
    if (transparentWindow == nullptr)
        return false;

    // What is shown decides, so that the button always does what the user sees it should.
    getSceneSettings().transparentWindowIsVisible = ! transparentWindow->isVisible();
    transparentWindow->applyVisibilityFromSettings();
    return true;
}
