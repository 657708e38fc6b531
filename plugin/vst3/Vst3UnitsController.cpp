#include "Vst3UnitsController.h"

#include <processor/ParameterText.h>
#include <processor/VevazovAzudAudioProcessor.h>

#include <algorithm>

using namespace Steinberg;

namespace
{
    /** The processor's parameter index of a VST3 parameter id, or -1 for the
        framework's own (its bypass switch). The framework gives legacy parameters
        their indices as ids.
    */
    int parameterIndexOf (Vst::ParamID id) noexcept
    {
        return id < static_cast<Vst::ParamID> (VevazovAzudAudioProcessor::numParameters) ? static_cast<int> (id) : -1;
    }

    void copyInto (Vst::String128 destination, const juce::String& text) noexcept
    {
        const auto utf16 = text.toUTF16();
        const auto length = std::min (static_cast<size_t> (utf16.length()), sizeof (Vst::String128) / sizeof (Vst::TChar) - 1);
        std::copy_n (reinterpret_cast<const Vst::TChar*> (utf16.getAddress()), length, destination);
        destination[length] = 0;
    }
} // namespace

Vst3UnitsController::Vst3UnitsController (Vst::IEditController* frameworkController) noexcept
    : controller (frameworkController)
{
}

Vst3UnitsController::~Vst3UnitsController()
{
    controller->release();
}

//==============================================================================
tresult PLUGIN_API Vst3UnitsController::queryInterface (const TUID interfaceId, void** object)
{
    if (object == nullptr)
        return kInvalidArgument;

    if (FUnknownPrivate::iidEqual (interfaceId, FUnknown::iid) || FUnknownPrivate::iidEqual (interfaceId, IPluginBase::iid)
        || FUnknownPrivate::iidEqual (interfaceId, Vst::IEditController::iid))
    {
        addRef();
        *object = static_cast<Vst::IEditController*> (this);
        return kResultOk;
    }

    // Connection points, MIDI mapping, unit information and the rest are the framework's own.
    return controller->queryInterface (interfaceId, object);
}

uint32 PLUGIN_API Vst3UnitsController::addRef()
{
    return ++referenceCount;
}

uint32 PLUGIN_API Vst3UnitsController::release()
{
    const auto remaining = --referenceCount;

    if (remaining == 0)
        delete this;

    return remaining;
}

//==============================================================================
tresult PLUGIN_API Vst3UnitsController::getParamStringByValue (Vst::ParamID id, Vst::ParamValue valueNormalized, Vst::String128 string)
{
    const auto index = parameterIndexOf (id);

    if (index < 0 || string == nullptr)
        return controller->getParamStringByValue (id, valueNormalized, string);

    copyInto (string, ParameterText::inUnits (index, static_cast<float> (valueNormalized)));
    return kResultOk;
}

tresult PLUGIN_API Vst3UnitsController::getParamValueByString (Vst::ParamID id, Vst::TChar* string, Vst::ParamValue& valueNormalized)
{
    const auto index = parameterIndexOf (id);

    if (index < 0 || string == nullptr)
        return controller->getParamValueByString (id, string, valueNormalized);

    const auto text = juce::String (juce::CharPointer_UTF16 (reinterpret_cast<const juce::CharPointer_UTF16::CharType*> (string)));
    const auto value = ParameterText::fromUnits (index, text);

    if (! value.has_value())
        return kResultFalse;

    valueNormalized = static_cast<Vst::ParamValue> (*value);
    return kResultOk;
}

//==============================================================================
tresult PLUGIN_API Vst3UnitsController::initialize (FUnknown* context) { return controller->initialize (context); }
tresult PLUGIN_API Vst3UnitsController::terminate() { return controller->terminate(); }
tresult PLUGIN_API Vst3UnitsController::setComponentState (IBStream* state) { return controller->setComponentState (state); }
tresult PLUGIN_API Vst3UnitsController::setState (IBStream* state) { return controller->setState (state); }
tresult PLUGIN_API Vst3UnitsController::getState (IBStream* state) { return controller->getState (state); }
int32 PLUGIN_API Vst3UnitsController::getParameterCount() { return controller->getParameterCount(); }
tresult PLUGIN_API Vst3UnitsController::getParameterInfo (int32 paramIndex, Vst::ParameterInfo& info) { return controller->getParameterInfo (paramIndex, info); }
Vst::ParamValue PLUGIN_API Vst3UnitsController::normalizedParamToPlain (Vst::ParamID id, Vst::ParamValue valueNormalized) { return controller->normalizedParamToPlain (id, valueNormalized); }
Vst::ParamValue PLUGIN_API Vst3UnitsController::plainParamToNormalized (Vst::ParamID id, Vst::ParamValue plainValue) { return controller->plainParamToNormalized (id, plainValue); }
Vst::ParamValue PLUGIN_API Vst3UnitsController::getParamNormalized (Vst::ParamID id) { return controller->getParamNormalized (id); }
tresult PLUGIN_API Vst3UnitsController::setParamNormalized (Vst::ParamID id, Vst::ParamValue value) { return controller->setParamNormalized (id, value); }
tresult PLUGIN_API Vst3UnitsController::setComponentHandler (Vst::IComponentHandler* handler) { return controller->setComponentHandler (handler); }
IPlugView* PLUGIN_API Vst3UnitsController::createView (FIDString name) { return controller->createView (name); }
