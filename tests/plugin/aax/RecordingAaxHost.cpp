#include "RecordingAaxHost.h"

#include <plugin/aax/AaxLibrary.h>

#include <cstdio>
#include <stdexcept>

namespace
{
    std::string nameOf (AaxContextField field)
    {
        switch (field)
        {
            case AaxContextField::audioInputs: return "audioInputs";
            case AaxContextField::audioOutputs: return "audioOutputs";
            case AaxContextField::bufferLength: return "bufferLength";
            case AaxContextField::bypass: return "bypass";
            case AaxContextField::midiInput: return "midiInput";
            case AaxContextField::instance: return "instance";
        }

        return "unknown field";
    }

    std::string nameOf (AaxProcedure procedure)
    {
        switch (procedure)
        {
            case AaxProcedure::createGui: return "createGui";
            case AaxProcedure::createParameters: return "createParameters";
            case AaxProcedure::processAudio: return "processAudio";
        }

        return "unknown procedure";
    }

    std::string nameOf (AaxProperty property)
    {
        switch (property)
        {
            case AaxProperty::manufacturerId: return "manufacturerId";
            case AaxProperty::productId: return "productId";
            case AaxProperty::canBypass: return "canBypass";
            case AaxProperty::inputStemFormat: return "inputStemFormat";
            case AaxProperty::outputStemFormat: return "outputStemFormat";
            case AaxProperty::nativePluginId: return "nativePluginId";
            case AaxProperty::audioSuitePluginId: return "audioSuitePluginId";
            case AaxProperty::supportsMultiMono: return "supportsMultiMono";
        }

        return "unknown property";
    }
} // namespace

//==============================================================================
struct RecordingAaxHost::State
{
    explicit State (Behaviour b) : behaviour (std::move (b)) {}

    void record (const std::string& object, const std::string& call, const std::string& values = {})
    {
        if (call == behaviour.throwsOn)
            throw std::runtime_error ("host failed in " + call);

        calls.push_back (object + "." + call + (values.empty() ? "" : " " + values));
    }

    Behaviour behaviour;
    std::vector<std::string> calls;
    bool frameworkWasInitialised = false;
    char definitionToken = 0;
};

//==============================================================================
class RecordingAaxHost::Properties : public AaxPropertyMap
{
public:
    Properties (State& s, std::string objectName) : state (s), name (std::move (objectName)) {}

    void addProperty (AaxProperty property, std::uint32_t value) override
    {
        state.record (name, "addProperty", nameOf (property) + " " + hex (value));
    }

    State& state;
    const std::string name;
};

//==============================================================================
class RecordingAaxHost::Component : public AaxComponentDescriptor
{
public:
    Component (State& s, std::string objectName, int componentIndex)
        : state (s), name (std::move (objectName)), index (componentIndex)
    {
    }

    void addAudioInput (AaxContextField field) override { state.record (name, "addAudioInput", nameOf (field)); }
    void addAudioOutput (AaxContextField field) override { state.record (name, "addAudioOutput", nameOf (field)); }
    void addAudioBufferLength (AaxContextField field) override { state.record (name, "addAudioBufferLength", nameOf (field)); }

    void addDataInputPort (AaxContextField field, std::uint32_t numBytes) override
    {
        state.record (name, "addDataInputPort", nameOf (field) + " " + std::to_string (numBytes));
    }

    void addMidiInputNode (AaxContextField field, const char* nodeName, std::uint32_t channelMask) override
    {
        state.record (name, "addMidiInputNode", nameOf (field) + " " + nodeName + " " + hex (channelMask));
    }

    void addPrivateData (AaxContextField field, std::uint32_t numBytes) override
    {
        state.record (name, "addPrivateData", nameOf (field) + " " + std::to_string (numBytes));
    }

    AaxPropertyMap* newPropertyMap() override
    {
        if (! state.behaviour.givesPropertyMaps)
        {
            state.record (name, "newPropertyMap", "-> none");
            return nullptr;
        }

        properties = std::make_unique<Properties> (state, "properties " + std::to_string (index));
        state.record (name, "newPropertyMap", "-> " + properties->name);
        return properties.get();
    }

    void addProcessProcedure (AaxProcedure procedure, AaxPropertyMap& map) override
    {
        state.record (name, "addProcessProcedure", nameOf (procedure) + " " + nameOfMap (map));
    }

    State& state;
    const std::string name;
    const int index;
    std::unique_ptr<Properties> properties;

private:
    std::string nameOfMap (const AaxPropertyMap& map) const
    {
        return &map == properties.get() ? properties->name : "a foreign property map";
    }
};

//==============================================================================
class RecordingAaxHost::Effect : public AaxEffectDescriptor
{
public:
    explicit Effect (State& s) : state (s) {}

    void addName (const char* effectName) override { state.record (name, "addName", effectName); }
    void addCategory (std::uint32_t category) override { state.record (name, "addCategory", hex (category)); }
    void addProcedure (AaxProcedure procedure) override { state.record (name, "addProcedure", nameOf (procedure)); }

    AaxComponentDescriptor* newComponentDescriptor() override
    {
        const auto index = static_cast<int> (components.size());

        if (index >= state.behaviour.numComponentsGiven)
        {
            state.record (name, "newComponentDescriptor", "-> none");
            return nullptr;
        }

        components.push_back (std::make_unique<Component> (state, "component " + std::to_string (index), index));
        state.record (name, "newComponentDescriptor", "-> " + components.back()->name);
        return components.back().get();
    }

    void addComponent (AaxComponentDescriptor& component) override
    {
        for (const auto& given : components)
            if (given.get() == &component)
                return state.record (name, "addComponent", given->name);

        state.record (name, "addComponent", "a foreign component");
    }

    State& state;
    const std::string name { "effect" };
    std::vector<std::unique_ptr<Component>> components;
};

//==============================================================================
class RecordingAaxHost::Collection : public AaxEffectCollection
{
public:
    explicit Collection (State& s) : state (s) {}

    AaxEffectDescriptor* newDescriptor() override
    {
        state.frameworkWasInitialised = AaxLibrary::getInstance().isFrameworkInitialised();

        if (! state.behaviour.givesDescriptor)
        {
            state.record (name, "newDescriptor", "-> none");
            return nullptr;
        }

        effect = std::make_unique<Effect> (state);
        state.record (name, "newDescriptor", "-> " + effect->name);
        return effect.get();
    }

    void addEffect (const char* effectId, AaxEffectDescriptor& descriptor) override
    {
        state.record (name, "addEffect", std::string (effectId) + " " + (&descriptor == effect.get() ? effect->name : "a foreign effect"));
    }

    void setManufacturerName (const char* maker) override { state.record (name, "setManufacturerName", maker); }
    void addPackageName (const char* packageName) override { state.record (name, "addPackageName", packageName); }
    void setPackageVersion (std::uint32_t version) override { state.record (name, "setPackageVersion", hex (version)); }

    bool handOverDefinition (AaxPluginDefinition** definition) override
    {
        const auto accepted = state.behaviour.acceptsHandOver && definition != nullptr;
        state.record (name, "handOverDefinition", accepted ? "accepted" : "refused");

        if (accepted)
            *definition = reinterpret_cast<AaxPluginDefinition*> (&state.definitionToken);

        return accepted;
    }

    State& state;
    const std::string name { "collection" };
    std::unique_ptr<Effect> effect;
};

//==============================================================================
RecordingAaxHost::RecordingAaxHost (Behaviour behaviour)
    : state (std::make_unique<State> (std::move (behaviour))),
      collection (std::make_unique<Collection> (*state))
{
}

RecordingAaxHost::RecordingAaxHost()
    : RecordingAaxHost (Behaviour {})
{
}

RecordingAaxHost::~RecordingAaxHost() = default;

AaxEffectCollection* RecordingAaxHost::getEffectCollection()
{
    return state->behaviour.hasCollection ? collection.get() : nullptr;
}

const std::vector<std::string>& RecordingAaxHost::getCalls() const noexcept
{
    return state->calls;
}

bool RecordingAaxHost::frameworkWasInitialisedDuringDescription() const noexcept
{
    return state->frameworkWasInitialised;
}

AaxPluginDefinition* RecordingAaxHost::getDefinition() noexcept
{
    return reinterpret_cast<AaxPluginDefinition*> (&state->definitionToken);
}

std::string RecordingAaxHost::hex (std::uint32_t value)
{
    char text[16];
    std::snprintf (text, sizeof (text), "0x%08X", value);
    return text;
}
