#pragma once

#include "SourceEncoder.h"

/** Runs several encoders over one block into the same four output channels: the
    first writes them, each later one adds to them, in index order.

    The result is bit for bit what calling encodeReplace on the first encoder and
    encodeAdd on the others, one after another, produces; it is computed in one
    pass, with the per-sample gain smoothing of all encoders done side by side and
    plain vectorised mixing once every gain sits on its target.

    inputs[i] feeds encoders[i]; an input may feed several encoders but must not be
    one of the outputs.
*/
void encodeMix (SourceEncoder* const* encoders,
                const float* const* inputs,
                int numEncoders,
                float* const* outputs,
                int numSamples) noexcept;
