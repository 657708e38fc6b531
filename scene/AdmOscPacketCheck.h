#pragma once

#include <cstddef>

/** Whether the framework's OSC reader may be given a packet.

    That reader builds a text from every string it meets (addresses, the bundle
    mark, string arguments) and goes on reading past the end of one that is not
    well-formed UTF-8, which a single packet from the network could use to crash
    the process. This follows the reader's own steps over the packet, without
    building anything, and refuses a packet in which any string it would build is
    not well-formed UTF-8, or whose bundles nest deeper than the given depth (the
    reader copies nested bundles level by level, so deep nesting costs it time
    that grows with the square of the depth). Everything else, malformed or not,
    is left to the reader, which refuses what it cannot read.
*/
namespace AdmOscPacketCheck
{
    bool isSafeToDecode (const void* data, std::size_t numBytes, int deepestBundle);
}
