#include "Interruption.h"

#include <csignal>
#include <cstdlib>
#include <initializer_list>

namespace
{
    volatile std::sig_atomic_t caughtSignal = 0;

    // Runs inside the signal: it may only store the number.
    void rememberSignal (int signalNumber)
    {
        caughtSignal = signalNumber;
    }
} // namespace

void Interruption::catchSignals()
{
    struct sigaction action = {};
    action.sa_handler = rememberSignal;
    sigemptyset (&action.sa_mask);

    for (const auto signalNumber : { SIGINT, SIGTERM })
    {
        // A shell starts background jobs with Ctrl-C ignored; they keep ignoring it.
        struct sigaction current = {};

        if (sigaction (signalNumber, nullptr, &current) == 0 && current.sa_handler != SIG_IGN)
            sigaction (signalNumber, &action, nullptr);
    }
}

int Interruption::requestingSignal() noexcept
{
    return caughtSignal;
}

void Interruption::endProcess (int signalNumber)
{
    constexpr int shellStatusOffset = 128;

    std::signal (signalNumber, SIG_DFL);
    std::raise (signalNumber);
    std::_Exit (shellStatusOffset + signalNumber);
}
