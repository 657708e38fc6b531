#include "AcfHostAdapter.h"

#include <vector>

namespace
{
    template <typename Enum>
    constexpr std::int32_t numberOf (Enum value) noexcept
    {
        return static_cast<std::int32_t> (value);
    }

    static_assert (numberOf (AaxContextField::audioInputs) == velorinAcfFieldAudioInputs);
    static_assert (numberOf (AaxContextField::instance) == velorinAcfFieldInstance);
    static_assert (numberOf (AaxProcedure::createGui) == velorinAcfProcedureCreateGui);
    static_assert (numberOf (AaxProcedure::processAudio) == velorinAcfProcedureProcessAudio);
    static_assert (numberOf (AaxProperty::manufacturerId) == velorinAcfPropertyManufacturerId);
    static_assert (numberOf (AaxProperty::supportsMultiMono) == velorinAcfPropertySupportsMultiMono);

    /** Keeps the adapters of what a host object gave out, and finds the host object
        behind an adapter it is handed back.
    */
    template <typename Adapter>
    class Adapters
    {
    public:
        template <typename Raw>
        Adapter* adapt (Raw* raw)
        {
            if (raw == nullptr)
                return nullptr;

            adapters.push_back (std::make_unique<Adapter> (*raw));
            return adapters.back().get();
        }

        template <typename Interface>
        auto* rawObjectOf (Interface& given) const noexcept
        {
            for (const auto& adapter : adapters)
                if (adapter.get() == &given)
                    return &adapter->raw;

            return static_cast<decltype (&adapters.front()->raw)> (nullptr);
        }

    private:
        std::vector<std::unique_ptr<Adapter>> adapters;
    };
} // namespace

//==============================================================================
class AcfHostAdapter::PropertyMap : public AaxPropertyMap
{
public:
    explicit PropertyMap (VelorinAcfPropertyMap& object) : raw (object) {}

    void addProperty (AaxProperty property, std::uint32_t value) override
    {
        raw.functions->addProperty (&raw, numberOf (property), value);
    }

    VelorinAcfPropertyMap& raw;
};

//==============================================================================
class AcfHostAdapter::Component : public AaxComponentDescriptor
{
public:
    explicit Component (VelorinAcfComponentDescriptor& object) : raw (object) {}

    void addAudioInput (AaxContextField field) override { raw.functions->addAudioInput (&raw, numberOf (field)); }
    void addAudioOutput (AaxContextField field) override { raw.functions->addAudioOutput (&raw, numberOf (field)); }
    void addAudioBufferLength (AaxContextField field) override { raw.functions->addAudioBufferLength (&raw, numberOf (field)); }

    void addDataInputPort (AaxContextField field, std::uint32_t numBytes) override
    {
        raw.functions->addDataInputPort (&raw, numberOf (field), numBytes);
    }

    void addMidiInputNode (AaxContextField field, const char* name, std::uint32_t channelMask) override
    {
        raw.functions->addMidiInputNode (&raw, numberOf (field), name, channelMask);
    }

    void addPrivateData (AaxContextField field, std::uint32_t numBytes) override
    {
        raw.functions->addPrivateData (&raw, numberOf (field), numBytes);
    }

    AaxPropertyMap* newPropertyMap() override
    {
        return propertyMaps.adapt (raw.functions->newPropertyMap (&raw));
    }

    void addProcessProcedure (AaxProcedure procedure, AaxPropertyMap& properties) override
    {
        raw.functions->addProcessProcedure (&raw, numberOf (procedure), propertyMaps.rawObjectOf (properties));
    }

    VelorinAcfComponentDescriptor& raw;

private:
    Adapters<PropertyMap> propertyMaps;
};

//==============================================================================
class AcfHostAdapter::Effect : public AaxEffectDescriptor
{
public:
    explicit Effect (VelorinAcfEffectDescriptor& object) : raw (object) {}

    void addName (const char* name) override { raw.functions->addName (&raw, name); }
    void addCategory (std::uint32_t category) override { raw.functions->addCategory (&raw, category); }
    void addProcedure (AaxProcedure procedure) override { raw.functions->addProcedure (&raw, numberOf (procedure)); }

    AaxComponentDescriptor* newComponentDescriptor() override
    {
        return components.adapt (raw.functions->newComponentDescriptor (&raw));
    }

    void addComponent (AaxComponentDescriptor& component) override
    {
        raw.functions->addComponent (&raw, components.rawObjectOf (component));
    }

    VelorinAcfEffectDescriptor& raw;

private:
    Adapters<Component> components;
};

//==============================================================================
class AcfHostAdapter::Collection : public AaxEffectCollection
{
public:
    explicit Collection (VelorinAcfEffectCollection& object) : raw (object) {}

    AaxEffectDescriptor* newDescriptor() override
    {
        return effects.adapt (raw.functions->newDescriptor (&raw));
    }

    void addEffect (const char* effectId, AaxEffectDescriptor& effect) override
    {
        raw.functions->addEffect (&raw, effectId, effects.rawObjectOf (effect));
    }

    void setManufacturerName (const char* name) override { raw.functions->setManufacturerName (&raw, name); }
    void addPackageName (const char* name) override { raw.functions->addPackageName (&raw, name); }
    void setPackageVersion (std::uint32_t version) override { raw.functions->setPackageVersion (&raw, version); }

    bool handOverDefinition (AaxPluginDefinition** definition) override
    {
        return raw.functions->handOverDefinition (&raw, reinterpret_cast<VelorinAcfPluginDefinition**> (definition)) != 0;
    }

    VelorinAcfEffectCollection& raw;

private:
    Adapters<Effect> effects;
};

//==============================================================================
AcfHostAdapter::AcfHostAdapter (VelorinAcfHost* hostToUse)
    : host (hostToUse)
{
}

AcfHostAdapter::~AcfHostAdapter() = default;

AaxEffectCollection* AcfHostAdapter::getEffectCollection()
{
    if (collection == nullptr && host != nullptr)
        if (auto* raw = host->functions->getEffectCollection (host))
            collection = std::make_unique<Collection> (*raw);

    return collection.get();
}
