# JUCE's VST2 wrapper and host include the VST2 SDK's aeffect.h and aeffectx.h.
# Debian's fst-dev provides a free reimplementation of that interface; these
# forwarding headers, generated in the build tree, present it under the SDK's names.

set (VELORIN_VST2_SDK_DIR "${CMAKE_BINARY_DIR}/vst2sdk")
set (velorinVst2Dir "${VELORIN_VST2_SDK_DIR}/pluginterfaces/vst2.x")

file (WRITE "${velorinVst2Dir}/aeffect.h.in" [=[
#pragma once
#ifndef FST2VST
 #define FST2VST 1
#endif
#ifndef FST_DONT_DEPRECATE_UNKNOWN
 #define FST_DONT_DEPRECATE_UNKNOWN 1
#endif
#include <pluginterfaces/fst/fst.h>
]=])

# FST declares the speaker list of an arrangement as a flexible array, while
# code written for the SDK sizes arrangements with eight fixed slots; the
# eight-slot layout below keeps both sides of a host/plug-in exchange in bounds.
file (WRITE "${velorinVst2Dir}/aeffectx.h.in" [=[
#pragma once
#include "aeffect.h"

#ifndef VELORIN_VST_SPEAKER_ARRANGEMENT_DEFINED
 #define VELORIN_VST_SPEAKER_ARRANGEMENT_DEFINED 1
typedef struct VelorinVstSpeakerArrangement_
{
    int type;
    int numChannels;
    VstSpeakerProperties speakers[8];
} VelorinVstSpeakerArrangement;
 #define VstSpeakerArrangement VelorinVstSpeakerArrangement
#endif
]=])

configure_file ("${velorinVst2Dir}/aeffect.h.in" "${velorinVst2Dir}/aeffect.h" COPYONLY)
configure_file ("${velorinVst2Dir}/aeffectx.h.in" "${velorinVst2Dir}/aeffectx.h" COPYONLY)

# A cross compiler does not read the build machine's /usr/include: FST's headers
# are linked in beside the forwarding ones.
if (CMAKE_CROSSCOMPILING)
    file (CREATE_LINK /usr/include/pluginterfaces/fst "${VELORIN_VST2_SDK_DIR}/pluginterfaces/fst" SYMBOLIC)
endif()
