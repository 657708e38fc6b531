#pragma once

#include <pluginterfaces/vst/ivsteditcontroller.h>

#include <atomic>

/** Stands in front of the framework's VST3 edit controller and gives hosts the
    parameters' values as text in their units ("30.0°", "1.00 m", "−6.0 dB"), for
    any value the host asks about, and reads text a user typed back into values.

    The framework answers legacy parameters with the current value's normalised
    text whatever value is asked about, and reads no typed text. Normalised values,
    parameter ids and everything a host saves stay the framework's, so sessions
    play as before. Every other call goes through unchanged; interfaces other than
    the edit controller's are the framework's own.
*/
// The interfaces end their objects' lives through release(), never by deleting a base pointer.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

class Vst3UnitsController final : public Steinberg::Vst::IEditController
{
public:
    /** Takes over one reference to the framework's controller. */
    explicit Vst3UnitsController (Steinberg::Vst::IEditController* frameworkController) noexcept;
    ~Vst3UnitsController();

    Vst3UnitsController (const Vst3UnitsController&) = delete;
    Vst3UnitsController& operator= (const Vst3UnitsController&) = delete;

    //==============================================================================
    Steinberg::tresult PLUGIN_API queryInterface (const Steinberg::TUID interfaceId, void** object) override;
    Steinberg::uint32 PLUGIN_API addRef() override;
    Steinberg::uint32 PLUGIN_API release() override;

    //==============================================================================
    Steinberg::tresult PLUGIN_API initialize (Steinberg::FUnknown* context) override;
    Steinberg::tresult PLUGIN_API terminate() override;
    Steinberg::tresult PLUGIN_API setComponentState (Steinberg::IBStream* state) override;
    Steinberg::tresult PLUGIN_API setState (Steinberg::IBStream* state) override;
    Steinberg::tresult PLUGIN_API getState (Steinberg::IBStream* state) override;
    Steinberg::int32 PLUGIN_API getParameterCount() override;
    Steinberg::tresult PLUGIN_API getParameterInfo (Steinberg::int32 paramIndex, Steinberg::Vst::ParameterInfo& info) override;
    Steinberg::tresult PLUGIN_API getParamStringByValue (Steinberg::Vst::ParamID id, Steinberg::Vst::ParamValue valueNormalized, Steinberg::Vst::String128 string) override;
    Steinberg::tresult PLUGIN_API getParamValueByString (Steinberg::Vst::ParamID id, Steinberg::Vst::TChar* string, Steinberg::Vst::ParamValue& valueNormalized) override;
    Steinberg::Vst::ParamValue PLUGIN_API normalizedParamToPlain (Steinberg::Vst::ParamID id, Steinberg::Vst::ParamValue valueNormalized) override;
    Steinberg::Vst::ParamValue PLUGIN_API plainParamToNormalized (Steinberg::Vst::ParamID id, Steinberg::Vst::ParamValue plainValue) override;
    Steinberg::Vst::ParamValue PLUGIN_API getParamNormalized (Steinberg::Vst::ParamID id) override;
    Steinberg::tresult PLUGIN_API setParamNormalized (Steinberg::Vst::ParamID id, Steinberg::Vst::ParamValue value) override;
    Steinberg::tresult PLUGIN_API setComponentHandler (Steinberg::Vst::IComponentHandler* handler) override;
    Steinberg::IPlugView* PLUGIN_API createView (Steinberg::FIDString name) override;

private:
    std::atomic<Steinberg::uint32> referenceCount { 1 };
    Steinberg::Vst::IEditController* const controller;
};

#pragma GCC diagnostic pop
