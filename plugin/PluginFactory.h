#pragma once

class VevazovAzudAudioProcessor;

/** The processor that the plug-in factory made last on the calling thread, handed
    out once; null if it made none since the last call.

    A format layer in front of the framework's wrapper calls it right after the
    wrapper has created an instance, to reach the processor inside it. The wrapper
    keeps ownership.
*/
VevazovAzudAudioProcessor* takeProcessorCreatedOnThisThread() noexcept;
