#pragma once

/* The host's objects as the library's ACF entry points receive them, in a form a
   host written in C can give: each object starts with a pointer to its table of
   functions, and every function takes the object itself first and uses the ACF
   calling convention (stdcall on 32-bit Windows), the layout of COM objects.
   Strings are UTF-8 and zero-terminated; every object stays the host's.

   The numbers of the fields, procedures and properties are those of the plug-in's
   own AaxContextField, AaxProcedure and AaxProperty, in their order. */

#include <stdint.h>

#if defined(_WIN32) && defined(__i386__)
    #define VELORIN_ACF_CALL __stdcall
#else
    #define VELORIN_ACF_CALL
#endif

#ifdef __cplusplus
extern "C"
{
#endif

    enum
    {
        velorinAcfFieldAudioInputs,
        velorinAcfFieldAudioOutputs,
        velorinAcfFieldBufferLength,
        velorinAcfFieldBypass,
        velorinAcfFieldMidiInput,
        velorinAcfFieldInstance
    };

    enum
    {
        velorinAcfProcedureCreateGui,
        velorinAcfProcedureCreateParameters,
        velorinAcfProcedureProcessAudio
    };

    enum
    {
        velorinAcfPropertyManufacturerId,
        velorinAcfPropertyProductId,
        velorinAcfPropertyCanBypass,
        velorinAcfPropertyInputStemFormat,
        velorinAcfPropertyOutputStemFormat,
        velorinAcfPropertyNativePluginId,
        velorinAcfPropertyAudioSuitePluginId,
        velorinAcfPropertySupportsMultiMono
    };

    typedef struct VelorinAcfPluginDefinition VelorinAcfPluginDefinition;

    typedef struct VelorinAcfPropertyMap VelorinAcfPropertyMap;
    typedef struct VelorinAcfPropertyMapFunctions
    {
        void (VELORIN_ACF_CALL* addProperty) (VelorinAcfPropertyMap* self, int32_t property, uint32_t value);
    } VelorinAcfPropertyMapFunctions;
    struct VelorinAcfPropertyMap
    {
        const VelorinAcfPropertyMapFunctions* functions;
    };

    typedef struct VelorinAcfComponentDescriptor VelorinAcfComponentDescriptor;
    typedef struct VelorinAcfComponentDescriptorFunctions
    {
        void (VELORIN_ACF_CALL* addAudioInput) (VelorinAcfComponentDescriptor* self, int32_t field);
        void (VELORIN_ACF_CALL* addAudioOutput) (VelorinAcfComponentDescriptor* self, int32_t field);
        void (VELORIN_ACF_CALL* addAudioBufferLength) (VelorinAcfComponentDescriptor* self, int32_t field);
        void (VELORIN_ACF_CALL* addDataInputPort) (VelorinAcfComponentDescriptor* self, int32_t field, uint32_t numBytes);
        void (VELORIN_ACF_CALL* addMidiInputNode) (VelorinAcfComponentDescriptor* self, int32_t field, const char* name, uint32_t channelMask);
        void (VELORIN_ACF_CALL* addPrivateData) (VelorinAcfComponentDescriptor* self, int32_t field, uint32_t numBytes);
        /* A new, empty property map, or null if the host has none to give. */
        VelorinAcfPropertyMap*(VELORIN_ACF_CALL* newPropertyMap) (VelorinAcfComponentDescriptor* self);
        void (VELORIN_ACF_CALL* addProcessProcedure) (VelorinAcfComponentDescriptor* self, int32_t procedure, VelorinAcfPropertyMap* properties);
    } VelorinAcfComponentDescriptorFunctions;
    struct VelorinAcfComponentDescriptor
    {
        const VelorinAcfComponentDescriptorFunctions* functions;
    };

    typedef struct VelorinAcfEffectDescriptor VelorinAcfEffectDescriptor;
    typedef struct VelorinAcfEffectDescriptorFunctions
    {
        void (VELORIN_ACF_CALL* addName) (VelorinAcfEffectDescriptor* self, const char* name);
        void (VELORIN_ACF_CALL* addCategory) (VelorinAcfEffectDescriptor* self, uint32_t category);
        void (VELORIN_ACF_CALL* addProcedure) (VelorinAcfEffectDescriptor* self, int32_t procedure);
        /* A new component descriptor, or null if the host has none to give. */
        VelorinAcfComponentDescriptor*(VELORIN_ACF_CALL* newComponentDescriptor) (VelorinAcfEffectDescriptor* self);
        void (VELORIN_ACF_CALL* addComponent) (VelorinAcfEffectDescriptor* self, VelorinAcfComponentDescriptor* component);
    } VelorinAcfEffectDescriptorFunctions;
    struct VelorinAcfEffectDescriptor
    {
        const VelorinAcfEffectDescriptorFunctions* functions;
    };

    typedef struct VelorinAcfEffectCollection VelorinAcfEffectCollection;
    typedef struct VelorinAcfEffectCollectionFunctions
    {
        /* A new effect descriptor, or null if the host has none to give. */
        VelorinAcfEffectDescriptor*(VELORIN_ACF_CALL* newDescriptor) (VelorinAcfEffectCollection* self);
        void (VELORIN_ACF_CALL* addEffect) (VelorinAcfEffectCollection* self, const char* effectId, VelorinAcfEffectDescriptor* effect);
        void (VELORIN_ACF_CALL* setManufacturerName) (VelorinAcfEffectCollection* self, const char* name);
        void (VELORIN_ACF_CALL* addPackageName) (VelorinAcfEffectCollection* self, const char* name);
        void (VELORIN_ACF_CALL* setPackageVersion) (VelorinAcfEffectCollection* self, uint32_t version);
        /* Hands the finished registration over through the out pointer: non-zero if it was taken. */
        int32_t (VELORIN_ACF_CALL* handOverDefinition) (VelorinAcfEffectCollection* self, VelorinAcfPluginDefinition** definition);
    } VelorinAcfEffectCollectionFunctions;
    struct VelorinAcfEffectCollection
    {
        const VelorinAcfEffectCollectionFunctions* functions;
    };

    typedef struct VelorinAcfHost VelorinAcfHost;
    typedef struct VelorinAcfHostFunctions
    {
        /* The collection effects are registered through, or null if the host has none. */
        VelorinAcfEffectCollection*(VELORIN_ACF_CALL* getEffectCollection) (VelorinAcfHost* self);
    } VelorinAcfHostFunctions;
    struct VelorinAcfHost
    {
        const VelorinAcfHostFunctions* functions;
    };

#ifdef __cplusplus
}
#endif
