#include "RecordingAaxHost.h"

#include <plugin/aax/AaxEntryPoints.h>
#include <plugin/aax/AcfHostAdapter.h>

#include <gtest/gtest.h>

#include <deque>

namespace
{
    /** A recording host's objects presented in the C layout, as a host written in C
        would pass them to the library's exports: each call goes on to the
        recording object behind it.
    */
    class CLayoutHost
    {
    public:
        explicit CLayoutHost (AaxHost& hostToPresent)
        {
            host.base.functions = &hostFunctions;
            host.target = &hostToPresent;
            host.owner = this;
        }

        VelorinAcfHost* get() noexcept { return &host.base; }

    private:
        struct Properties
        {
            VelorinAcfPropertyMap base;
            AaxPropertyMap* target;
            CLayoutHost* owner;
        };

        struct Component
        {
            VelorinAcfComponentDescriptor base;
            AaxComponentDescriptor* target;
            CLayoutHost* owner;
        };

        struct Effect
        {
            VelorinAcfEffectDescriptor base;
            AaxEffectDescriptor* target;
            CLayoutHost* owner;
        };

        struct Collection
        {
            VelorinAcfEffectCollection base;
            AaxEffectCollection* target;
            CLayoutHost* owner;
        };

        struct Host
        {
            VelorinAcfHost base;
            AaxHost* target;
            CLayoutHost* owner;
        };

        template <typename Object, typename Base>
        static Object& of (Base* self) noexcept
        {
            return *reinterpret_cast<Object*> (self);
        }

        /** The C-layout object for one the recording host gave out, or null where it gave none. */
        template <typename Presented, typename Given, typename Functions>
        static auto* present (std::deque<Presented>& presented, Given* given, const Functions& functions, CLayoutHost* owner)
        {
            if (given == nullptr)
                return static_cast<decltype (&presented.front().base)> (nullptr);

            presented.push_back ({ { &functions }, given, owner });
            return &presented.back().base;
        }

        static AaxContextField field (std::int32_t number) { return static_cast<AaxContextField> (number); }
        static AaxProcedure procedure (std::int32_t number) { return static_cast<AaxProcedure> (number); }

        //==============================================================================
        static void VELORIN_ACF_CALL addProperty (VelorinAcfPropertyMap* self, std::int32_t property, std::uint32_t value)
        {
            of<Properties> (self).target->addProperty (static_cast<AaxProperty> (property), value);
        }

        static constexpr VelorinAcfPropertyMapFunctions propertiesFunctions { addProperty };

        //==============================================================================
        static AaxComponentDescriptor& component (VelorinAcfComponentDescriptor* self) { return *of<Component> (self).target; }

        static void VELORIN_ACF_CALL addAudioInput (VelorinAcfComponentDescriptor* self, std::int32_t f) { component (self).addAudioInput (field (f)); }
        static void VELORIN_ACF_CALL addAudioOutput (VelorinAcfComponentDescriptor* self, std::int32_t f) { component (self).addAudioOutput (field (f)); }
        static void VELORIN_ACF_CALL addAudioBufferLength (VelorinAcfComponentDescriptor* self, std::int32_t f) { component (self).addAudioBufferLength (field (f)); }

        static void VELORIN_ACF_CALL addDataInputPort (VelorinAcfComponentDescriptor* self, std::int32_t f, std::uint32_t numBytes)
        {
            component (self).addDataInputPort (field (f), numBytes);
        }

        static void VELORIN_ACF_CALL addMidiInputNode (VelorinAcfComponentDescriptor* self, std::int32_t f, const char* name, std::uint32_t mask)
        {
            component (self).addMidiInputNode (field (f), name, mask);
        }

        static void VELORIN_ACF_CALL addPrivateData (VelorinAcfComponentDescriptor* self, std::int32_t f, std::uint32_t numBytes)
        {
            component (self).addPrivateData (field (f), numBytes);
        }

        static VelorinAcfPropertyMap* VELORIN_ACF_CALL newPropertyMap (VelorinAcfComponentDescriptor* self)
        {
            auto* owner = of<Component> (self).owner;
            return present (owner->properties, component (self).newPropertyMap(), propertiesFunctions, owner);
        }

        static void VELORIN_ACF_CALL addProcessProcedure (VelorinAcfComponentDescriptor* self, std::int32_t p, VelorinAcfPropertyMap* map)
        {
            component (self).addProcessProcedure (procedure (p), *of<Properties> (map).target);
        }

        static constexpr VelorinAcfComponentDescriptorFunctions componentFunctions {
            addAudioInput,
            addAudioOutput,
            addAudioBufferLength,
            addDataInputPort,
            addMidiInputNode,
            addPrivateData,
            newPropertyMap,
            addProcessProcedure
        };

        //==============================================================================
        static AaxEffectDescriptor& effect (VelorinAcfEffectDescriptor* self) { return *of<Effect> (self).target; }

        static void VELORIN_ACF_CALL addName (VelorinAcfEffectDescriptor* self, const char* name) { effect (self).addName (name); }
        static void VELORIN_ACF_CALL addCategory (VelorinAcfEffectDescriptor* self, std::uint32_t category) { effect (self).addCategory (category); }
        static void VELORIN_ACF_CALL addProcedure (VelorinAcfEffectDescriptor* self, std::int32_t p) { effect (self).addProcedure (procedure (p)); }

        static VelorinAcfComponentDescriptor* VELORIN_ACF_CALL newComponentDescriptor (VelorinAcfEffectDescriptor* self)
        {
            auto* owner = of<Effect> (self).owner;
            return present (owner->components, effect (self).newComponentDescriptor(), componentFunctions, owner);
        }

        static void VELORIN_ACF_CALL addComponent (VelorinAcfEffectDescriptor* self, VelorinAcfComponentDescriptor* c)
        {
            effect (self).addComponent (*of<Component> (c).target);
        }

        static constexpr VelorinAcfEffectDescriptorFunctions effectFunctions {
            addName,
            addCategory,
            addProcedure,
            newComponentDescriptor,
            addComponent
        };

        //==============================================================================
        static AaxEffectCollection& collection (VelorinAcfEffectCollection* self) { return *of<Collection> (self).target; }

        static VelorinAcfEffectDescriptor* VELORIN_ACF_CALL newDescriptor (VelorinAcfEffectCollection* self)
        {
            auto* owner = of<Collection> (self).owner;
            return present (owner->effects, collection (self).newDescriptor(), effectFunctions, owner);
        }

        static void VELORIN_ACF_CALL addEffect (VelorinAcfEffectCollection* self, const char* id, VelorinAcfEffectDescriptor* e)
        {
            collection (self).addEffect (id, *of<Effect> (e).target);
        }

        static void VELORIN_ACF_CALL setManufacturerName (VelorinAcfEffectCollection* self, const char* name) { collection (self).setManufacturerName (name); }
        static void VELORIN_ACF_CALL addPackageName (VelorinAcfEffectCollection* self, const char* name) { collection (self).addPackageName (name); }
        static void VELORIN_ACF_CALL setPackageVersion (VelorinAcfEffectCollection* self, std::uint32_t version) { collection (self).setPackageVersion (version); }

        static std::int32_t VELORIN_ACF_CALL handOverDefinition (VelorinAcfEffectCollection* self, VelorinAcfPluginDefinition** definition)
        {
            return collection (self).handOverDefinition (reinterpret_cast<AaxPluginDefinition**> (definition)) ? 1 : 0;
        }

        static constexpr VelorinAcfEffectCollectionFunctions collectionFunctions {
            newDescriptor,
            addEffect,
            setManufacturerName,
            addPackageName,
            setPackageVersion,
            handOverDefinition
        };

        //==============================================================================
        static VelorinAcfEffectCollection* VELORIN_ACF_CALL getEffectCollection (VelorinAcfHost* self)
        {
            auto* owner = of<Host> (self).owner;
            return present (owner->collections, of<Host> (self).target->getEffectCollection(), collectionFunctions, owner);
        }

        static constexpr VelorinAcfHostFunctions hostFunctions { getEffectCollection };

        Host host {};
        std::deque<Collection> collections;
        std::deque<Effect> effects;
        std::deque<Component> components;
        std::deque<Properties> properties;
    };

    struct Registration
    {
        AaxResult result;
        std::vector<std::string> calls;
        bool handedOverTheHostsDefinition;
    };

    Registration registerDirectly (RecordingAaxHost::Behaviour behaviour)
    {
        RecordingAaxHost recorder (behaviour);
        AaxPluginDefinition* definition = nullptr;
        const auto result = AaxEntryPoints::registerPlugin (&recorder, &definition);
        return { result, recorder.getCalls(), definition == recorder.getDefinition() };
    }

    Registration registerThroughTheCLayout (RecordingAaxHost::Behaviour behaviour)
    {
        RecordingAaxHost recorder (behaviour);
        CLayoutHost presented (recorder);
        AcfHostAdapter adapter (presented.get());
        AaxPluginDefinition* definition = nullptr;
        const auto result = AaxEntryPoints::registerPlugin (&adapter, &definition);
        return { result, recorder.getCalls(), definition == recorder.getDefinition() };
    }

    void expectSameRegistration (const RecordingAaxHost::Behaviour& behaviour)
    {
        const auto direct = registerDirectly (behaviour);
        const auto adapted = registerThroughTheCLayout (behaviour);

        EXPECT_EQ (adapted.result, direct.result);
        EXPECT_EQ (adapted.calls, direct.calls);
        EXPECT_EQ (adapted.handedOverTheHostsDefinition, direct.handedOverTheHostsDefinition);
    }
} // namespace

TEST (AcfHostAdapter, passesEveryCallOfTheRegistrationOnInOrderWithItsValues)
{
    const auto adapted = registerThroughTheCLayout ({});

    EXPECT_EQ (adapted.result, 0);
    EXPECT_TRUE (adapted.handedOverTheHostsDefinition);
    EXPECT_GT (adapted.calls.size(), 50u);

    expectSameRegistration ({});
}

TEST (AcfHostAdapter, givesTheDescriptionTheHostsRefusalsAsNull)
{
    RecordingAaxHost::Behaviour noDescriptor;
    noDescriptor.givesDescriptor = false;
    EXPECT_EQ (registerThroughTheCLayout (noDescriptor).result, -20004);
    expectSameRegistration (noDescriptor);

    RecordingAaxHost::Behaviour fewComponents;
    fewComponents.numComponentsGiven = 2;
    expectSameRegistration (fewComponents);

    RecordingAaxHost::Behaviour noPropertyMaps;
    noPropertyMaps.givesPropertyMaps = false;
    expectSameRegistration (noPropertyMaps);

    RecordingAaxHost::Behaviour refusesHandOver;
    refusesHandOver.acceptsHandOver = false;
    EXPECT_EQ (registerThroughTheCLayout (refusesHandOver).result, -20004);
    expectSameRegistration (refusesHandOver);
}

TEST (AcfHostAdapter, aHostWithoutCollectionOrNoHostAtAllHasNothingToRegisterIn)
{
    RecordingAaxHost::Behaviour noCollection;
    noCollection.hasCollection = false;
    EXPECT_EQ (registerThroughTheCLayout (noCollection).result, -20004);
    expectSameRegistration (noCollection);

    AcfHostAdapter nobody (nullptr);
    EXPECT_EQ (nobody.getEffectCollection(), nullptr);
}

TEST (AcfHostAdapter, asksTheHostForItsCollectionOnce)
{
    RecordingAaxHost recorder;
    CLayoutHost presented (recorder);
    AcfHostAdapter adapter (presented.get());

    auto* first = adapter.getEffectCollection();
    ASSERT_NE (first, nullptr);
    EXPECT_EQ (adapter.getEffectCollection(), first);
}
