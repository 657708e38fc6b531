#pragma once

#include <juce_core/juce_core.h>

#include <atomic>
#include <memory>
#include <optional>

class VevazovAzudAudioProcessor;

/** The settings of the one floating scene window of the process. They outlive the
    window, are saved with every instance's state, and restoring any instance's
    state overwrites them. Hosts save and restore on threads of their own while the
    message thread follows the window, so each value is read and written whole.
*/
struct SceneSettings
{
    std::atomic<int> transparentWindowX { 100 };
    std::atomic<int> transparentWindowY { 100 };
    std::atomic<int> transparentWindowWidth { 535 };
    std::atomic<int> transparentWindowHeight { 320 };
    std::atomic<bool> transparentWindowIsVisible { false };
    std::atomic<bool> transparentWindowShowAllWidgetLabels { true };

    SceneSettings() = default;
    SceneSettings (const SceneSettings& other) noexcept { *this = other; }
    SceneSettings& operator= (const SceneSettings& other) noexcept;
};

/** What one restored state says of the scene settings: the keys it held, with the
    last value of each. A height moves an existing window to the four geometry
    settings; a visibility shows or hides it.
*/
struct SceneSettingsChange
{
    std::optional<int> x, y, width, height;
    std::optional<bool> isVisible, showAllWidgetLabels;

    bool isEmpty() const noexcept;
    bool movesWindow() const noexcept { return height.has_value(); }
    bool showsOrHidesWindow() const noexcept { return isVisible.has_value(); }

    /** Stores the values held into the settings. */
    void applyTo (SceneSettings&) const noexcept;
};

/** The one copy of the scene settings that every instance in the process shares. */
SceneSettings& getSceneSettings() noexcept;

/** What every instance shares with the others in its process: the instance
    registry, the floating scene window and the shared look-and-feel.

    The processor calls these at fixed points of its lifecycle and of its state
    restore; the subsystems that own those things provide the implementation.
    Without one installed, an instance lives on its own.
*/
class ProcessWideServices
{
public:
    /** A counted reference to something all instances share: destroying it gives the reference back. */
    struct SharedReference
    {
        virtual ~SharedReference() = default;
    };

    virtual ~ProcessWideServices() = default;

    /** Construction: a counted reference to the shared look-and-feel, which the
        instance keeps until the last step of its destruction.
    */
    virtual std::unique_ptr<SharedReference> acquireLookAndFeel() = 0;

    /** End of construction: lists the instance in the registry. */
    virtual void registerInstance (VevazovAzudAudioProcessor&) = 0;

    /** Start of destruction: removes the instance, and the window with the last one. */
    virtual void unregisterInstance (VevazovAzudAudioProcessor&) = 0;

    /** Every prepare: creates the scene window from the settings if there is none. */
    virtual void ensureSceneWindow() = 0;

    /** A restored state changed the scene settings, on whichever thread the host
        restores: stores the change and brings an existing window to it.
    */
    virtual void restoreSceneSettings (const SceneSettingsChange& change) { change.applyTo (getSceneSettings()); }

    /** The options panel's scene button: flips the window's visibility when there
        is a window, and returns whether there was one.
    */
    virtual bool toggleSceneWindowVisibility() = 0;

    /** The instance's ADM-OSC settings changed (set by its options or by a restored
        state): it starts, moves or stops sending and receiving. Without networking
        services nothing happens.
    */
    virtual void admOscSettingsChanged (VevazovAzudAudioProcessor&) {}

    /** What the instance's ADM-OSC connection is doing, one line per direction, for
        its options ("sending to 127.0.0.1:4001", "port 4001 in use").
    */
    virtual juce::String describeAdmOsc (VevazovAzudAudioProcessor&) { return {}; }
};

/** The services in use, or nullptr when none are installed. */
ProcessWideServices* getProcessWideServices() noexcept;

/** Installs the services every instance created from now on talks to (nullptr removes them). */
void setProcessWideServices (ProcessWideServices* services) noexcept;

/** Installs services for as long as it lives, then puts back the ones it replaced. */
class ScopedProcessWideServices
{
public:
    explicit ScopedProcessWideServices (ProcessWideServices& services) noexcept;
    ~ScopedProcessWideServices();

    ScopedProcessWideServices (const ScopedProcessWideServices&) = delete;
    ScopedProcessWideServices& operator= (const ScopedProcessWideServices&) = delete;

private:
    ProcessWideServices* const previous;
};
