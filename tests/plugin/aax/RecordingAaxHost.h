#pragma once

#include <plugin/aax/AaxHostInterfaces.h>

#include <memory>
#include <string>
#include <vector>

/** An AAX host that records, in order, every call the registration makes on its
    collection, descriptors and property maps, with the values passed.

    Each record reads "<object>.<call> <values>", where the objects are "collection",
    "effect", "component N" and "properties N" (N counting from 0 in the order the
    host gave them out). What the host gives, refuses or throws on is set up front.
*/
class RecordingAaxHost : public AaxHost
{
public:
    struct Behaviour
    {
        bool hasCollection = true;
        bool givesDescriptor = true;
        int numComponentsGiven = 100;
        bool givesPropertyMaps = true;
        bool acceptsHandOver = true;

        /** The name of a call ("addComponent", "newPropertyMap", ...) that throws instead of recording. */
        std::string throwsOn;
    };

    RecordingAaxHost();
    explicit RecordingAaxHost (Behaviour behaviour);
    ~RecordingAaxHost() override;

    AaxEffectCollection* getEffectCollection() override;

    const std::vector<std::string>& getCalls() const noexcept;

    /** Whether the framework was initialised when the effect descriptor was asked for. */
    bool frameworkWasInitialisedDuringDescription() const noexcept;

    /** The definition this host's collection hands over. */
    AaxPluginDefinition* getDefinition() noexcept;

    /** Values as the records show them: 32-bit words as 0x%08X. */
    static std::string hex (std::uint32_t value);

private:
    struct State;
    class Collection;
    class Effect;
    class Component;
    class Properties;

    std::unique_ptr<State> state;
    std::unique_ptr<Collection> collection;
};
