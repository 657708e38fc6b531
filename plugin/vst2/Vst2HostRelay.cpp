#include "Vst2HostRelay.h"

#include <juce_core/juce_core.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace
{
    constexpr int heldCallCapacity = 1024;
    constexpr size_t tableSize = 4096; // a power of two, far above any host's instance count

    struct HeldCall
    {
        VstInt32 opcode;
        VstInt32 index;
        float value;
    };

    /** One effect's host and the calls held for it. Links are never freed while the
        library is loaded, only reused, so that a lookup racing with a close never
        reads freed memory.
    */
    struct Link
    {
        std::atomic<AEffect*> effect { nullptr };
        std::atomic<audioMasterCallback> host { nullptr };
        std::mutex producers;
        juce::AbstractFifo fifo { heldCallCapacity };
        std::array<HeldCall, heldCallCapacity> calls {};
        std::atomic_flag delivering = ATOMIC_FLAG_INIT;
    };

    struct Links
    {
        std::array<std::atomic<Link*>, tableSize> table {};
        std::mutex changes; // registrations and closes, on host threads
        std::vector<std::unique_ptr<Link>> owned;
    };

    Links& links()
    {
        static Links instance;
        return instance;
    }

    // The host of the effect that the framework's entry is creating on this thread,
    // for the calls it makes before the effect is registered.
    thread_local audioMasterCallback hostOfEffectBeingCreated = nullptr;

    size_t firstSlotFor (const AEffect* effect) noexcept
    {
        return (reinterpret_cast<std::uintptr_t> (effect) >> 4) & (tableSize - 1);
    }

    Link* find (const AEffect* effect) noexcept
    {
        auto& table = links().table;

        for (size_t probe = 0, slot = firstSlotFor (effect); probe < tableSize; ++probe, slot = (slot + 1) & (tableSize - 1))
        {
            auto* link = table[slot].load (std::memory_order_acquire);

            if (link == nullptr)
                return nullptr;

            if (link->effect.load (std::memory_order_acquire) == effect)
                return link;
        }

        return nullptr;
    }

    void registerEffect (AEffect* effect, audioMasterCallback host)
    {
        auto& all = links();
        const std::scoped_lock lock (all.changes);

        for (size_t probe = 0, slot = firstSlotFor (effect); probe < tableSize; ++probe, slot = (slot + 1) & (tableSize - 1))
        {
            auto* link = all.table[slot].load (std::memory_order_acquire);

            if (link == nullptr)
            {
                all.owned.push_back (std::make_unique<Link>());
                link = all.owned.back().get();
                link->host = host;
                link->effect = effect;
                all.table[slot].store (link, std::memory_order_release);
                return;
            }

            if (link->effect.load() == nullptr)
            {
                link->host = host;
                link->effect = effect;
                return;
            }
        }
    }

    bool isAutomationCall (VstInt32 opcode) noexcept
    {
        return opcode == audioMasterAutomate || opcode == audioMasterBeginEdit || opcode == audioMasterEndEdit;
    }

    /** The framework's own threads (its message thread when it runs one, ADM-OSC's
        readers) are the only ones the framework knows as its threads.
    */
    bool isThePlugInsOwnThread() noexcept
    {
        return juce::Thread::getCurrentThread() != nullptr;
    }

    void hold (Link& link, VstInt32 opcode, VstInt32 index, float value)
    {
        const std::scoped_lock lock (link.producers);

        // A host that has not called the effect for many seconds misses the newest news.
        const auto scope = link.fifo.write (1);
        scope.forEach ([&] (int slot)
                       { link.calls[static_cast<size_t> (slot)] = { opcode, index, value }; });
    }

    void deliver (Link& link, bool waitForOthers) noexcept
    {
        while (link.delivering.test_and_set (std::memory_order_acquire))
        {
            if (! waitForOthers)
                return;

            std::this_thread::yield();
        }

        const auto host = link.host.load();
        auto* const effect = link.effect.load();
        const auto scope = link.fifo.read (link.fifo.getNumReady());
        scope.forEach ([&] (int slot)
                       {
                           const auto& call = link.calls[static_cast<size_t> (slot)];
                           host (effect, call.opcode, call.index, 0, nullptr, call.value); });

        link.delivering.clear (std::memory_order_release);
    }

    VstIntPtr relay (AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
    {
        auto* link = effect != nullptr ? find (effect) : nullptr;
        const auto host = link != nullptr ? link->host.load() : hostOfEffectBeingCreated;

        if (host == nullptr)
            return 0;

        if (link != nullptr && isAutomationCall (opcode))
        {
            if (isThePlugInsOwnThread())
            {
                hold (*link, opcode, index, opt);
                return 0;
            }

            // What was held comes first.
            deliver (*link, false);
        }

        return host (effect, opcode, index, value, ptr, opt);
    }
} // namespace

AEffect* Vst2HostRelay::createEffect (audioMasterCallback host, AEffect* (*frameworkEntry) (audioMasterCallback))
{
    hostOfEffectBeingCreated = host;
    auto* effect = frameworkEntry (relay);
    hostOfEffectBeingCreated = nullptr;

    if (effect != nullptr)
        registerEffect (effect, host);

    return effect;
}

void Vst2HostRelay::deliverHeldCalls (AEffect* effect) noexcept
{
    if (auto* link = find (effect))
        deliver (*link, false);
}

VstIntPtr Vst2HostRelay::close (AEffect* effect, AEffectDispatcherProc frameworkDispatcher)
{
    auto* link = find (effect);

    if (link != nullptr)
        deliver (*link, true);

    const auto result = frameworkDispatcher (effect, effClose, 0, 0, nullptr, 0.0f);

    if (link != nullptr)
    {
        const std::scoped_lock lock (links().changes);
        link->fifo.reset();
        link->effect = nullptr;
    }

    return result;
}
