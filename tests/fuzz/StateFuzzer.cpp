// libFuzzer entry: arbitrary bytes as a saved state, then the round-trip property.

#include "StateRoundTrip.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    const auto failure = checkStateRoundTrip (data, size);

    if (failure.isNotEmpty())
    {
        std::fprintf (stderr, "%s\n", failure.toRawUTF8());
        std::abort();
    }

    return 0;
}
