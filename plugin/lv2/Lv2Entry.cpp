// The LV2 entry points of Velorin.lv2. The framework's LV2 wrapper does the work;
// this thin layer in front of it adds the six parameters as control input ports,
// which hosts show, automate and save themselves, and tells the host what the
// plug-in's own editor, scene and ADM-OSC change while the editor is open.

#include "Lv2EditorBridge.h"
#include "Lv2ParameterPorts.h"
#include "Lv2Turtle.h"

#include <plugin/PluginFactory.h>
#include <plugin/PluginIdentity.h>
#include <plugin/WindowManagerAtoms.h>
#include <processor/VevazovAzudAudioProcessor.h>

#include <lv2/atom/atom.h>
#include <lv2/core/lv2.h>
#include <lv2/instance-access/instance-access.h>
#include <lv2/state/state.h>
#include <lv2/ui/ui.h>
#include <lv2/urid/urid.h>

#include <cstring>
#include <iostream>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

// The framework's own entry points, renamed in the build so that these can stand in front of them.
extern "C" const LV2_Descriptor* velorinFrameworkLv2Descriptor (uint32_t index);
extern "C" const LV2UI_Descriptor* velorinFrameworkLv2uiDescriptor (uint32_t index);

namespace
{
    // The framework's bundle tool asks the plug-in to write its description through this extension.
    constexpr const char* turtleRecallUri = "https://lv2-extensions.juce.com/turtle_recall";

    struct TurtleRecall
    {
        int (*doRecall) (const char* libraryPath);
    };

    const LV2_Descriptor& framework() { return *velorinFrameworkLv2Descriptor (0); }
    const LV2UI_Descriptor& frameworkUi() { return *velorinFrameworkLv2uiDescriptor (0); }

    /** The framework numbers the audio inputs, then the outputs, then its five other
        ports (events in and out, latency, free-wheeling, enabled); the parameters follow.
    */
    std::uint32_t firstParameterPortOf (const juce::AudioProcessor& processor)
    {
        constexpr int frameworkPortsAfterAudio = 5;
        return static_cast<std::uint32_t> (processor.getTotalNumInputChannels() + processor.getTotalNumOutputChannels() + frameworkPortsAfterAudio);
    }

    /** The state keys that say how a saved state's ports hold their values. */
    struct PortStateKeys
    {
        // Stored with every state: the LV2 minor version whose port meanings it was saved with.
        LV2_URID portVersion = 0;

        // The framework's key for the processor's state, which every saved state carries.
        LV2_URID frameworkState = 0;
        LV2_URID atomInt = 0;
    };

    PortStateKeys portStateKeysFrom (const LV2_Feature* const* features)
    {
        for (auto* feature = features; feature != nullptr && *feature != nullptr; ++feature)
        {
            if (std::strcmp ((*feature)->URI, LV2_URID__map) != 0 || (*feature)->data == nullptr)
                continue;

            const auto* map = static_cast<const LV2_URID_Map*> ((*feature)->data);
            const auto key = [map] (const juce::String& uri)
            { return map->map (map->handle, uri.toRawUTF8()); };

            return { key (juce::String (JucePlugin_LV2URI) + ":PortVersion"), key (juce::String (JucePlugin_LV2URI) + ":StateString"), key (LV2_ATOM__Int) };
        }

        return {};
    }

    struct Instance
    {
        Instance (LV2_Handle frameworkInstance, VevazovAzudAudioProcessor& processorInside, PortStateKeys keys)
            : framework (frameworkInstance),
              processor (processorInside),
              firstParameterPort (firstParameterPortOf (processorInside)),
              parameterPorts (processorInside),
              portStateKeys (keys)
        {
        }

        const LV2_Handle framework;
        VevazovAzudAudioProcessor& processor;
        const std::uint32_t firstParameterPort;
        Lv2ParameterPorts parameterPorts;
        const PortStateKeys portStateKeys;
    };

    Instance& instanceOf (LV2_Handle handle) { return *static_cast<Instance*> (handle); }

    //==============================================================================
    LV2_Handle instantiate (const LV2_Descriptor*, double sampleRate, const char* bundlePath, const LV2_Feature* const* features)
    {
        takeProcessorCreatedOnThisThread();
        LV2_Handle frameworkInstance = nullptr;

        {
            const ScopedWindowManagerAtoms atoms;
            frameworkInstance = framework().instantiate (&framework(), sampleRate, bundlePath, features);
        }

        if (frameworkInstance == nullptr)
            return nullptr;

        auto* processor = takeProcessorCreatedOnThisThread();

        if (processor == nullptr)
        {
            framework().cleanup (frameworkInstance);
            return nullptr;
        }

        return new Instance (frameworkInstance, *processor, portStateKeysFrom (features));
    }

    void connectPort (LV2_Handle handle, uint32_t port, void* data)
    {
        auto& instance = instanceOf (handle);

        if (port >= instance.firstParameterPort && port < instance.firstParameterPort + Lv2ParameterPorts::numPorts)
            instance.parameterPorts.connect (static_cast<int> (port - instance.firstParameterPort), static_cast<const float*> (data));
        else
            framework().connect_port (instance.framework, port, data);
    }

    void activate (LV2_Handle handle)
    {
        framework().activate (instanceOf (handle).framework);
    }

    void deactivate (LV2_Handle handle)
    {
        framework().deactivate (instanceOf (handle).framework);
    }

    void run (LV2_Handle handle, uint32_t numSamples)
    {
        auto& instance = instanceOf (handle);
        instance.parameterPorts.applyHostValues();
        framework().run (instance.framework, numSamples);
    }

    void cleanup (LV2_Handle handle)
    {
        auto* instance = static_cast<Instance*> (handle);
        framework().cleanup (instance->framework);
        delete instance;
    }

    //==============================================================================
    const LV2_State_Interface& frameworkState()
    {
        return *static_cast<const LV2_State_Interface*> (framework().extension_data (LV2_STATE__interface));
    }

    LV2_State_Status saveState (LV2_Handle handle, LV2_State_Store_Function store, LV2_State_Handle state, uint32_t flags, const LV2_Feature* const* features)
    {
        const auto& instance = instanceOf (handle);
        const auto status = frameworkState().save (instance.framework, store, state, flags, features);

        if (status == LV2_STATE_SUCCESS && instance.portStateKeys.portVersion != 0)
        {
            const std::int32_t version = PluginIdentity::lv2MinorVersion;
            store (state, instance.portStateKeys.portVersion, &version, sizeof (version), instance.portStateKeys.atomInt, LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE);
        }

        return status;
    }

    /** How a state's ports hold their values: normalised in a whole state saved
        before they were in units, in units otherwise (presets of a program alone
        carry no processor state and leave the ports as they were).
    */
    Lv2ParameterPorts::SavedPorts savedPortsOf (const PortStateKeys& keys, LV2_State_Retrieve_Function retrieve, LV2_State_Handle state)
    {
        size_t size = 0;
        std::uint32_t type = 0, flags = 0;
        const auto hasKey = [&] (LV2_URID key)
        { return key != 0 && retrieve (state, key, &size, &type, &flags) != nullptr; };

        const auto savedBeforeUnits = hasKey (keys.frameworkState) && ! hasKey (keys.portVersion);
        return savedBeforeUnits ? Lv2ParameterPorts::SavedPorts::normalised : Lv2ParameterPorts::SavedPorts::inUnits;
    }

    LV2_State_Status restoreState (LV2_Handle handle, LV2_State_Retrieve_Function retrieve, LV2_State_Handle state, uint32_t flags, const LV2_Feature* const* features)
    {
        auto& instance = instanceOf (handle);
        const auto status = frameworkState().restore (instance.framework, retrieve, state, flags, features);

        if (status == LV2_STATE_SUCCESS)
            instance.parameterPorts.stateRestored (savedPortsOf (instance.portStateKeys, retrieve, state));

        return status;
    }

    /** Writes the bundle's description: the framework's, with the parameters as ports. */
    int writeDescription (const char* libraryPath)
    {
        const auto* frameworkRecall = static_cast<const TurtleRecall*> (framework().extension_data (turtleRecallUri));

        if (frameworkRecall == nullptr || frameworkRecall->doRecall (libraryPath) != 0)
            return 1;

        // A processor as the framework's wrapper makes one, for the names, defaults and port numbers.
        const juce::ScopedJuceInitialiser_GUI juceRunning;
        juce::AudioProcessor::setTypeOfNextNewPlugin (juce::AudioProcessor::wrapperType_LV2);
        const std::unique_ptr<juce::AudioProcessor> created (createPluginFilter());
        juce::AudioProcessor::setTypeOfNextNewPlugin (juce::AudioProcessor::wrapperType_Undefined);
        auto* processor = takeProcessorCreatedOnThisThread();
        created->enableAllBuses();

        const auto path = juce::String (juce::CharPointer_UTF8 (libraryPath));
        const auto library = juce::File::isAbsolutePath (path) ? juce::File (path) : juce::File::getCurrentWorkingDirectory().getChildFile (path);
        const auto file = library.getSiblingFile ("dsp.ttl");
        const auto description = Lv2Turtle::withVersionAndMaker (Lv2Turtle::withParameterPorts (file.loadFileAsString(), *processor, static_cast<int> (firstParameterPortOf (*processor))));
        const auto manifestFile = library.getSiblingFile ("manifest.ttl");
        const auto manifest = Lv2Turtle::manifestWithVersion (manifestFile.loadFileAsString());

        for (const auto& [target, text] : { std::pair { file, description }, std::pair { manifestFile, manifest } })
        {
            // The framework writes Windows line ends by default; the bundle keeps Unix ones.
            if (text.isEmpty() || ! target.replaceWithText (text, false, false, "\n"))
            {
                std::cerr << "Cannot describe the plug-in in " << target.getFullPathName() << ": its layout is not the one expected\n";
                return 1;
            }
        }

        return 0;
    }

    const void* extensionData (const char* uri)
    {
        static const LV2_State_Interface state { saveState, restoreState };
        static const TurtleRecall recall { writeDescription };

        if (std::strcmp (uri, LV2_STATE__interface) == 0)
            return &state;

        if (std::strcmp (uri, turtleRecallUri) == 0)
            return &recall;

        return framework().extension_data (uri);
    }

    //==============================================================================
    /** The bridges of the open editors, by the framework's interface handle. */
    struct OpenEditors
    {
        std::mutex mutex;
        std::map<LV2UI_Handle, std::unique_ptr<Lv2EditorBridge>> bridges;
    };

    OpenEditors& openEditors()
    {
        static OpenEditors editors;
        return editors;
    }

    Lv2EditorBridge::HostInterface hostInterfaceFor (LV2UI_Write_Function write, LV2UI_Controller controller, const LV2UI_Touch* touch)
    {
        Lv2EditorBridge::HostInterface host;
        host.writeValue = [write, controller] (std::uint32_t port, float value)
        { write (controller, port, sizeof (float), 0, &value); };

        if (touch != nullptr && touch->touch != nullptr)
            host.touch = [touch] (std::uint32_t port, bool grabbed)
            { touch->touch (touch->handle, port, grabbed); };

        return host;
    }

    /** A host that restored ports saved as normalised values shows those; once the
        editor is open it is told the values in units, and saves them so.
    */
    void showValuesInUnits (Lv2ParameterPorts& ports, Lv2EditorBridge& bridge)
    {
        if (! ports.hostShowsNormalisedValues())
            return;

        bridge.tellHostEveryValue();
        ports.hostToldValuesInUnits();
    }

    LV2UI_Handle instantiateUi (const LV2UI_Descriptor*, const char* pluginUri, const char* bundlePath, LV2UI_Write_Function write, LV2UI_Controller controller, LV2UI_Widget* widget, const LV2_Feature* const* features)
    {
        // The framework's interface reaches its own instance; the host hands out ours.
        std::vector<LV2_Feature> forFramework;
        Instance* instance = nullptr;
        const LV2UI_Touch* touch = nullptr;

        for (auto* feature = features; feature != nullptr && *feature != nullptr; ++feature)
        {
            auto copy = **feature;

            if (std::strcmp (copy.URI, LV2_INSTANCE_ACCESS_URI) == 0 && copy.data != nullptr)
            {
                instance = static_cast<Instance*> (copy.data);
                copy.data = instance->framework;
            }
            else if (std::strcmp (copy.URI, LV2_UI__touch) == 0)
            {
                touch = static_cast<const LV2UI_Touch*> (copy.data);
            }

            forFramework.push_back (copy);
        }

        if (instance == nullptr || write == nullptr)
            return nullptr;

        std::vector<const LV2_Feature*> pointers;

        for (const auto& feature : forFramework)
            pointers.push_back (&feature);

        pointers.push_back (nullptr);

        auto* handle = frameworkUi().instantiate (&frameworkUi(), pluginUri, bundlePath, write, controller, widget, pointers.data());

        if (handle != nullptr)
        {
            auto& editors = openEditors();
            const std::lock_guard<std::mutex> lock (editors.mutex);
            auto& bridge = editors.bridges[handle];
            bridge = std::make_unique<Lv2EditorBridge> (instance->processor, instance->firstParameterPort, hostInterfaceFor (write, controller, touch));
            showValuesInUnits (instance->parameterPorts, *bridge);
        }

        return handle;
    }

    void cleanupUi (LV2UI_Handle handle)
    {
        {
            auto& editors = openEditors();
            const std::lock_guard<std::mutex> lock (editors.mutex);
            editors.bridges.erase (handle);
        }

        frameworkUi().cleanup (handle);
    }
} // namespace

extern "C" LV2_SYMBOL_EXPORT const LV2_Descriptor* lv2_descriptor (uint32_t index)
{
    if (index != 0)
        return nullptr;

    static const LV2_Descriptor descriptor { framework().URI, instantiate, connectPort, activate, run, deactivate, cleanup, extensionData };
    return &descriptor;
}

extern "C" LV2_SYMBOL_EXPORT const LV2UI_Descriptor* lv2ui_descriptor (uint32_t index)
{
    if (index != 0)
        return nullptr;

    static const LV2UI_Descriptor descriptor { frameworkUi().URI, instantiateUi, cleanupUi, frameworkUi().port_event, frameworkUi().extension_data };
    return &descriptor;
}
