#pragma once

#include <pluginterfaces/vst2.x/aeffectx.h>

/** What stands between the framework's VST wrapper and the host's callback.

    On Linux the framework runs a message thread of its own inside the plug-in
    while no editor is open, and the scene window and ADM-OSC move parameters on
    it. That thread is one the host has never seen: hosts keep state per thread
    (Ardour its tempo map and event pools) and may be waiting on their own thread
    for the plug-in's message thread while it calls them, so automation reaching
    a host from there can be lost, crash it or hang it. The three automation calls
    (begin, value, end) made on a thread of the plug-in's own are therefore held
    and handed to the host, in the order they were made, the next time the host
    calls the effect on a thread of its own: its audio thread, or any dispatcher
    call. Every other call, and every call made on a host's thread, goes straight
    through as before.
*/
namespace Vst2HostRelay
{
    /** Runs the framework's entry with the relay's callback in place of the host's,
        and registers the effect it makes.
    */
    AEffect* createEffect (audioMasterCallback host, AEffect* (*frameworkEntry) (audioMasterCallback));

    /** Hands the host what the plug-in's own threads held for the effect. Called at
        every entry from the host; never waits while another host thread is already
        handing them over, so the audio thread may call it.
    */
    void deliverHeldCalls (AEffect*) noexcept;

    /** Closes the effect through the framework's dispatcher: what is held is handed
        over first (after any other host thread doing so), and the effect is forgotten.
    */
    VstIntPtr close (AEffect*, AEffectDispatcherProc frameworkDispatcher);
} // namespace Vst2HostRelay
