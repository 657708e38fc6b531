#pragma once

#include "AaxHostInterfaces.h"

#include <cstdint>

/** The seven ACF entry points of the library, as plain functions over the narrow host
    interfaces; the Windows build exports them under the names and calling convention
    the AAX interface expects. None of them lets an exception out.
*/
namespace AaxEntryPoints
{
    /** The AAX interface version the library is built against: 0x0201 in the upper
        half, the revision in the lower.
    */
    constexpr std::uint64_t sdkVersion = (std::uint64_t { 0x0201 } << 32) | 0x007756BF;

    /** Runs an entry point's body; any exception that escapes it becomes unexpectedFailure. */
    template <typename Body>
    AaxResult guarded (Body&& body) noexcept
    {
        try
        {
            return body();
        }
        catch (...)
        {
            return AaxResults::unexpectedFailure;
        }
    }

    /** Describes the effect to the host's collection and, if that worked, hands the
        registration over through the out pointer. The framework stays initialised
        for the duration.
    */
    AaxResult registerPlugin (AaxHost* host, AaxPluginDefinition** definition) noexcept;

    /** The library has no components beyond its effect: sets the out pointer to null and returns ok. */
    AaxResult registerComponent (AaxHost* host, std::uint32_t index, AaxComponent** component) noexcept;

    /** The library has no class factory: sets the out pointer to null and returns noClassFactory. */
    AaxResult getClassFactory (AaxHost* host, const AaxUid& classId, const AaxUid& interfaceId, void** factory) noexcept;

    /** ok when the library may be unloaded, otherwise no. */
    AaxResult canUnloadNow (AaxHost* host) noexcept;

    AaxResult startup (AaxHost* host) noexcept;
    AaxResult shutdown (AaxHost* host) noexcept;

    /** Writes sdkVersion; nullPointer if there is nowhere to write it. */
    AaxResult getSdkVersion (std::uint64_t* version) noexcept;
} // namespace AaxEntryPoints
