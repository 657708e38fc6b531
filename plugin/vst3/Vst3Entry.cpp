// The VST3 entry point of Velorin.vst3. The framework's VST3 wrapper does the
// work; this thin layer in front of its factory hands every component out behind
// a guard that keeps hosts' process calls to the buses they arranged, and every
// edit controller behind one that shows the parameters' values in their units.

#include "Vst3ComponentGuard.h"
#include "Vst3UnitsController.h"

#include <plugin/WindowManagerAtoms.h>

#include <pluginterfaces/base/ipluginbase.h>
#include <pluginterfaces/vst/ivstcomponent.h>
#include <pluginterfaces/vst/ivsteditcontroller.h>

#include <atomic>
#include <cstring>

using namespace Steinberg;

// The framework's own entry, renamed in the build so that this one can stand in front of it.
extern "C" IPluginFactory* PLUGIN_API velorinFrameworkGetPluginFactory();

namespace
{
    bool isIid (const TUID asked, const FUID& interfaceId) noexcept
    {
        return FUnknownPrivate::iidEqual (asked, interfaceId);
    }

// The interfaces end their objects' lives through release(), never by deleting a base pointer.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

    /** The framework's factory, with its components wrapped as they are created. */
    class GuardedFactory final : public IPluginFactory3
    {
    public:
        explicit GuardedFactory (IPluginFactory3* frameworkFactory) noexcept
            : factory (frameworkFactory)
        {
        }

        ~GuardedFactory()
        {
            factory->release();
        }

        GuardedFactory (const GuardedFactory&) = delete;
        GuardedFactory& operator= (const GuardedFactory&) = delete;

        tresult PLUGIN_API queryInterface (const TUID interfaceId, void** object) override
        {
            if (object == nullptr)
                return kInvalidArgument;

            if (isIid (interfaceId, FUnknown::iid) || isIid (interfaceId, IPluginFactory::iid) || isIid (interfaceId, IPluginFactory2::iid) || isIid (interfaceId, IPluginFactory3::iid))
            {
                addRef();
                *object = this;
                return kResultOk;
            }

            *object = nullptr;
            return kNoInterface;
        }

        uint32 PLUGIN_API addRef() override { return ++referenceCount; }

        uint32 PLUGIN_API release() override
        {
            const auto remaining = --referenceCount;

            if (remaining == 0)
                delete this;

            return remaining;
        }

        tresult PLUGIN_API getFactoryInfo (PFactoryInfo* info) override { return factory->getFactoryInfo (info); }
        int32 PLUGIN_API countClasses() override { return factory->countClasses(); }
        tresult PLUGIN_API getClassInfo (int32 index, PClassInfo* info) override { return factory->getClassInfo (index, info); }
        tresult PLUGIN_API getClassInfo2 (int32 index, PClassInfo2* info) override { return factory->getClassInfo2 (index, info); }
        tresult PLUGIN_API getClassInfoUnicode (int32 index, PClassInfoW* info) override { return factory->getClassInfoUnicode (index, info); }
        tresult PLUGIN_API setHostContext (FUnknown* context) override { return factory->setHostContext (context); }

        tresult PLUGIN_API createInstance (FIDString classId, FIDString interfaceId, void** object) override
        {
            const ScopedWindowManagerAtoms atoms;

            if (object != nullptr && isClassOf (classId, kVstComponentControllerClass))
                return createController (classId, interfaceId, object);

            if (object == nullptr || ! isClassOf (classId, kVstAudioEffectClass))
                return factory->createInstance (classId, interfaceId, object);

            *object = nullptr;
            Vst::IComponent* component = nullptr;
            Vst::IAudioProcessor* processor = nullptr;

            if (factory->createInstance (classId, Vst::IComponent::iid, reinterpret_cast<void**> (&component)) != kResultOk || component == nullptr)
                return kNoInterface;

            if (component->queryInterface (Vst::IAudioProcessor::iid, reinterpret_cast<void**> (&processor)) != kResultOk || processor == nullptr)
            {
                component->release();
                return kNoInterface;
            }

            auto* guard = new Vst3ComponentGuard (component, processor);
            const auto result = guard->queryInterface (interfaceId, object);
            guard->release();
            return result;
        }

    private:
        /** The framework's edit controller, behind the layer that gives hosts the values in units. */
        tresult createController (FIDString classId, FIDString interfaceId, void** object)
        {
            *object = nullptr;
            Vst::IEditController* controller = nullptr;

            if (factory->createInstance (classId, Vst::IEditController::iid, reinterpret_cast<void**> (&controller)) != kResultOk || controller == nullptr)
                return kNoInterface;

            auto* units = new Vst3UnitsController (controller);
            const auto result = units->queryInterface (interfaceId, object);
            units->release();
            return result;
        }

        bool isClassOf (FIDString classId, const char* category)
        {
            for (int32 index = 0; index < factory->countClasses(); ++index)
            {
                PClassInfo info {};

                if (factory->getClassInfo (index, &info) == kResultOk && FUnknownPrivate::iidEqual (info.cid, classId))
                    return std::strcmp (info.category, category) == 0;
            }

            return false;
        }

        std::atomic<uint32> referenceCount { 1 };
        IPluginFactory3* const factory;
    };

#pragma GCC diagnostic pop

    GuardedFactory* createFactory()
    {
        auto* frameworkFactory = velorinFrameworkGetPluginFactory();

        if (frameworkFactory == nullptr)
            return nullptr;

        IPluginFactory3* factory = nullptr;
        const auto found = frameworkFactory->queryInterface (IPluginFactory3::iid, reinterpret_cast<void**> (&factory));
        frameworkFactory->release();
        return found == kResultOk && factory != nullptr ? new GuardedFactory (factory) : nullptr;
    }
} // namespace

#if defined(_WIN32)
// The library's .def file says what it exports.
    #define VELORIN_VST3_EXPORT
#else
    #define VELORIN_VST3_EXPORT __attribute__ ((visibility ("default")))
#endif

extern "C" VELORIN_VST3_EXPORT IPluginFactory* PLUGIN_API GetPluginFactory()
{
    // One factory for the life of the library, as the framework keeps one; every
    // host that asks takes a reference of its own.
    static auto* const factory = createFactory();

    if (factory != nullptr)
        factory->addRef();

    return factory;
}
