#pragma once

#include <cstdint>

/** The narrow side of the AAX host that the registration talks to.

    The Windows build adapts the host's own objects to these interfaces; here they
    are what the plug-in's effect description and its ACF entry points need, and no
    more. Every object a host hands out through them stays owned by the host.
*/

/** A result as the ACF entry points and the AAX library report it: 0 is success. */
using AaxResult = std::int32_t;

namespace AaxResults
{
    constexpr AaxResult ok = 0;

    /** Success with the answer "no", as the unload query gives it while the library is in use. */
    constexpr AaxResult no = 1;

    /** The host gave nothing to describe the effect in, or refused the finished registration. */
    constexpr AaxResult registrationFailed = -20004;

    /** The library has no class factory to give. */
    constexpr AaxResult noClassFactory = -20009;

    /** A required out pointer was null. */
    constexpr AaxResult nullPointer = static_cast<AaxResult> (0x80004003u);

    /** An exception reached an entry point. */
    constexpr AaxResult unexpectedFailure = static_cast<AaxResult> (0x8000FFFFu);
} // namespace AaxResults

/** Opaque host-side objects that only travel through the entry points' out pointers. */
class AaxPluginDefinition;
class AaxComponent;

/** A 128-bit class or interface identifier as the host passes it. */
struct AaxUid
{
    std::uint8_t bytes[16];
};

/** The procedures the framework's AAX wrapper supplies; a descriptor receives them by
    id and the Windows adapter binds each id to the wrapper's own function.
*/
enum class AaxProcedure
{
    createGui,
    createParameters,
    processAudio
};

/** The fields of the context the audio procedure receives, in their order there. */
enum class AaxContextField
{
    audioInputs,
    audioOutputs,
    bufferLength,
    bypass,
    midiInput,
    instance
};

/** The properties a component declares for one channel configuration. */
enum class AaxProperty
{
    manufacturerId,
    productId,
    canBypass,
    inputStemFormat,
    outputStemFormat,
    nativePluginId,
    audioSuitePluginId,
    supportsMultiMono
};

//==============================================================================
/** The properties of one component. */
class AaxPropertyMap
{
public:
    virtual ~AaxPropertyMap() = default;

    virtual void addProperty (AaxProperty property, std::uint32_t value) = 0;
};

//==============================================================================
/** One channel configuration of the effect: the context its audio procedure gets
    and the properties that go with it.
*/
class AaxComponentDescriptor
{
public:
    virtual ~AaxComponentDescriptor() = default;

    virtual void addAudioInput (AaxContextField field) = 0;
    virtual void addAudioOutput (AaxContextField field) = 0;
    virtual void addAudioBufferLength (AaxContextField field) = 0;
    virtual void addDataInputPort (AaxContextField field, std::uint32_t numBytes) = 0;
    virtual void addMidiInputNode (AaxContextField field, const char* name, std::uint32_t channelMask) = 0;
    virtual void addPrivateData (AaxContextField field, std::uint32_t numBytes) = 0;

    /** A new, empty property map owned by the host, or nullptr if it has none to give. */
    virtual AaxPropertyMap* newPropertyMap() = 0;

    virtual void addProcessProcedure (AaxProcedure procedure, AaxPropertyMap& properties) = 0;
};

//==============================================================================
/** The description of one effect: its names, category, procedures and components. */
class AaxEffectDescriptor
{
public:
    virtual ~AaxEffectDescriptor() = default;

    virtual void addName (const char* name) = 0;
    virtual void addCategory (std::uint32_t category) = 0;
    virtual void addProcedure (AaxProcedure procedure) = 0;

    /** A new component descriptor owned by the host, or nullptr if it has none to give. */
    virtual AaxComponentDescriptor* newComponentDescriptor() = 0;

    virtual void addComponent (AaxComponentDescriptor& component) = 0;
};

//==============================================================================
/** Everything one library registers: its effects and the package they come in. */
class AaxEffectCollection
{
public:
    virtual ~AaxEffectCollection() = default;

    /** A new effect descriptor owned by the collection, or nullptr if it has none to give. */
    virtual AaxEffectDescriptor* newDescriptor() = 0;

    virtual void addEffect (const char* effectId, AaxEffectDescriptor& effect) = 0;
    virtual void setManufacturerName (const char* name) = 0;
    virtual void addPackageName (const char* name) = 0;
    virtual void setPackageVersion (std::uint32_t version) = 0;

    /** Hands the finished registration to the host through its out pointer; false if that failed. */
    virtual bool handOverDefinition (AaxPluginDefinition** definition) = 0;
};

//==============================================================================
/** The host as the entry points see it. */
class AaxHost
{
public:
    virtual ~AaxHost() = default;

    /** The collection this host registers effects through, owned by the host; nullptr if it has none. */
    virtual AaxEffectCollection* getEffectCollection() = 0;
};
