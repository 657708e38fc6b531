#include "AaxEffectDescription.h"

#include "AaxChannelConfigurations.h"

#include <plugin/PluginIdentity.h>

namespace AaxEffectDescription
{
    namespace
    {
        constexpr std::uint32_t propertyOn = 1;

        void addProperties (AaxPropertyMap& properties, const AaxChannelConfigurations::Configuration& configuration)
        {
            properties.addProperty (AaxProperty::manufacturerId, PluginIdentity::makerCode);
            properties.addProperty (AaxProperty::productId, PluginIdentity::pluginCode);
            properties.addProperty (AaxProperty::canBypass, propertyOn);
            properties.addProperty (AaxProperty::inputStemFormat, configuration.inputStemFormat);
            properties.addProperty (AaxProperty::outputStemFormat, configuration.outputStemFormat);
            properties.addProperty (AaxProperty::nativePluginId, configuration.nativePluginId);
            properties.addProperty (AaxProperty::audioSuitePluginId, configuration.audioSuitePluginId);
            properties.addProperty (AaxProperty::supportsMultiMono, propertyOn);
        }

        /** Fills one component for a configuration; false if the host gave no property map. */
        bool describeComponent (AaxComponentDescriptor& component, const AaxChannelConfigurations::Configuration& configuration)
        {
            component.addAudioInput (AaxContextField::audioInputs);
            component.addAudioOutput (AaxContextField::audioOutputs);
            component.addAudioBufferLength (AaxContextField::bufferLength);
            component.addDataInputPort (AaxContextField::bypass, bypassPortBytes);
            component.addMidiInputNode (AaxContextField::midiInput, PluginIdentity::name, allMidiChannels);
            component.addPrivateData (AaxContextField::instance, instanceDataBytes);

            auto* properties = component.newPropertyMap();

            if (properties == nullptr)
                return false;

            addProperties (*properties, configuration);
            component.addProcessProcedure (AaxProcedure::processAudio, *properties);
            return true;
        }
    } // namespace

    AaxResult describeEffect (AaxEffectCollection& collection)
    {
        auto* effect = collection.newDescriptor();

        if (effect == nullptr)
            return AaxResults::registrationFailed;

        // the effect's description, then its name: both are the plug-in's name
        effect->addName (PluginIdentity::name);
        effect->addName (PluginIdentity::name);
        effect->addCategory (PluginIdentity::aaxCategory);
        effect->addProcedure (AaxProcedure::createGui);
        effect->addProcedure (AaxProcedure::createParameters);

        for (const auto& configuration : AaxChannelConfigurations::configurations)
        {
            auto* component = effect->newComponentDescriptor();

            if (component == nullptr || ! describeComponent (*component, configuration))
                return AaxResults::registrationFailed;

            effect->addComponent (*component);
        }

        collection.addEffect (PluginIdentity::aaxEffectId, *effect);
        collection.setManufacturerName (PluginIdentity::maker);
        // like the effect, the package carries the plug-in's name twice
        collection.addPackageName (PluginIdentity::name);
        collection.addPackageName (PluginIdentity::name);
        collection.setPackageVersion (static_cast<std::uint32_t> (PluginIdentity::versionCode));
        return AaxResults::ok;
    }
} // namespace AaxEffectDescription
