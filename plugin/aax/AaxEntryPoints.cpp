#include "AaxEntryPoints.h"

#include "AaxEffectDescription.h"
#include "AaxLibrary.h"

namespace AaxEntryPoints
{
    AaxResult registerPlugin (AaxHost* host, AaxPluginDefinition** definition) noexcept
    {
        return guarded ([&]
                        {
            if (definition != nullptr)
                *definition = nullptr;

            AaxLibrary::ScopedFrameworkUse framework (AaxLibrary::getInstance());

            auto* collection = host != nullptr ? host->getEffectCollection() : nullptr;

            if (collection == nullptr)
                return AaxResults::registrationFailed;

            const auto result = AaxEffectDescription::describeEffect (*collection);

            if (result != AaxResults::ok)
                return result;

            return collection->handOverDefinition (definition) ? AaxResults::ok
                                                                : AaxResults::registrationFailed; });
    }

    AaxResult registerComponent (AaxHost*, std::uint32_t, AaxComponent** component) noexcept
    {
        return guarded ([&]
                        {
            if (component != nullptr)
                *component = nullptr;

            return AaxResults::ok; });
    }

    AaxResult getClassFactory (AaxHost*, const AaxUid&, const AaxUid&, void** factory) noexcept
    {
        return guarded ([&]
                        {
            if (factory != nullptr)
                *factory = nullptr;

            return AaxResults::noClassFactory; });
    }

    AaxResult canUnloadNow (AaxHost*) noexcept
    {
        return guarded ([]
                        { return AaxLibrary::getInstance().canUnload() ? AaxResults::ok : AaxResults::no; });
    }

    AaxResult startup (AaxHost* host) noexcept
    {
        return guarded ([&]
                        {
            AaxLibrary::getInstance().startup (host);
            return AaxResults::ok; });
    }

    AaxResult shutdown (AaxHost*) noexcept
    {
        return guarded ([]
                        {
            AaxLibrary::getInstance().shutdown();
            return AaxResults::ok; });
    }

    AaxResult getSdkVersion (std::uint64_t* version) noexcept
    {
        return guarded ([&]
                        {
            if (version == nullptr)
                return AaxResults::nullPointer;

            *version = sdkVersion;
            return AaxResults::ok; });
    }
} // namespace AaxEntryPoints
