#pragma once

#include <juce_core/juce_core.h>

class VevazovAzudAudioProcessor;

namespace Lv2Turtle
{
    /** The framework's description of the plug-in (its dsp.ttl) with the parameters
        declared as control input ports, numbered from firstParameterPort on, in
        place of the patch properties the framework declares.

        Hosts show, automate and save control ports by themselves; most keep patch
        properties only as far as a plug-in's own interface sets them.

        Empty if the description is not laid out as this expects, so that a change
        in the framework fails the build rather than writing a wrong bundle.
    */
    juce::String withParameterPorts (const juce::String& frameworkDescription,
                                     VevazovAzudAudioProcessor& processor,
                                     int firstParameterPort);

    /** The description with the plug-in's LV2 version and its maker as an
        organisation with a web site (the framework declares an empty e-mail
        address); empty if it is not laid out as this expects.
    */
    juce::String withVersionAndMaker (const juce::String& description);

    /** The framework's manifest with the LV2 version beside the plug-in's entry,
        where hosts compare the versions of bundles before loading them; empty if
        it is not laid out as this expects.
    */
    juce::String manifestWithVersion (const juce::String& frameworkManifest);
} // namespace Lv2Turtle
