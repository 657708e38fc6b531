#pragma once

#include "AaxHostInterfaces.h"

#include <cstdint>

/** What the plug-in tells an AAX host about itself, without creating a processor. */
namespace AaxEffectDescription
{
    /** The bypass flag the audio procedure reads: one 32-bit word. */
    constexpr std::uint32_t bypassPortBytes = sizeof (std::int32_t);

    /** The private data holds the pointer to the instance the audio procedure runs. */
    constexpr std::uint32_t instanceDataBytes = sizeof (void*);

    /** A MIDI input node listens on all sixteen channels. */
    constexpr std::uint32_t allMidiChannels = 0xffff;

    /** Describes the effect, its five channel configurations and its package to the
        collection. Returns 0, or the registration failure code when the host gives
        no descriptor, component or property map to fill.
    */
    AaxResult describeEffect (AaxEffectCollection& collection);
} // namespace AaxEffectDescription
