#pragma once

/** Ctrl-C (SIGINT) and SIGTERM, caught so that a render stops between two blocks
    and removes its unfinished output instead of dying half-way through a file.
*/
namespace Interruption
{
    /** From now on both signals only ask the render to stop. */
    void catchSignals();

    /** The signal that asked the render to stop, or 0. */
    int requestingSignal() noexcept;

    /** Ends the process by that signal, as if it had not been caught, so that a
        calling shell or script sees the interruption.
    */
    [[noreturn]] void endProcess (int signalNumber);
} // namespace Interruption
