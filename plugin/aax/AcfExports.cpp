// The seven ACF entry points of Velorin_32bit.dll, exported with the stdcall
// decoration AAX hosts look up (see Velorin_32bit.def). Each adapts the host's
// objects and hands over to AaxEntryPoints; none lets an exception out.

#include "AaxEntryPoints.h"
#include "AaxLibrary.h"
#include "AcfHostAdapter.h"

#include <memory>

namespace
{
    /** The host that started the library up, as the library keeps it until shutdown. */
    std::unique_ptr<AcfHostAdapter>& startedHost() noexcept
    {
        static std::unique_ptr<AcfHostAdapter> adapter;
        return adapter;
    }

    const AaxUid& uidOrNone (const AaxUid* uid) noexcept
    {
        static const AaxUid none {};
        return uid != nullptr ? *uid : none;
    }
} // namespace

extern "C"
{
    AaxResult VELORIN_ACF_CALL ACFRegisterPlugin (VelorinAcfHost* host, AaxPluginDefinition** definition)
    {
        return AaxEntryPoints::guarded ([&]
                                        {
            AcfHostAdapter adapter (host);
            return AaxEntryPoints::registerPlugin (host != nullptr ? &adapter : nullptr, definition); });
    }

    AaxResult VELORIN_ACF_CALL ACFRegisterComponent (VelorinAcfHost*, std::uint32_t index, AaxComponent** component)
    {
        return AaxEntryPoints::registerComponent (nullptr, index, component);
    }

    AaxResult VELORIN_ACF_CALL ACFGetClassFactory (VelorinAcfHost*, const AaxUid* classId, const AaxUid* interfaceId, void** factory)
    {
        return AaxEntryPoints::getClassFactory (nullptr, uidOrNone (classId), uidOrNone (interfaceId), factory);
    }

    AaxResult VELORIN_ACF_CALL ACFCanUnloadNow (VelorinAcfHost*)
    {
        return AaxEntryPoints::canUnloadNow (startedHost().get());
    }

    AaxResult VELORIN_ACF_CALL ACFStartup (VelorinAcfHost* host)
    {
        return AaxEntryPoints::guarded ([&]
                                        {
            auto adapter = std::make_unique<AcfHostAdapter> (host);
            const auto result = AaxEntryPoints::startup (adapter.get());
            startedHost() = std::move (adapter);
            return result; });
    }

    AaxResult VELORIN_ACF_CALL ACFShutdown (VelorinAcfHost*)
    {
        return AaxEntryPoints::guarded ([&]
                                        {
            const auto result = AaxEntryPoints::shutdown (startedHost().get());
            startedHost().reset();
            return result; });
    }

    AaxResult VELORIN_ACF_CALL ACFGetSDKVersion (std::uint64_t* version)
    {
        return AaxEntryPoints::getSdkVersion (version);
    }
}
