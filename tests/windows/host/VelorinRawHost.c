/* A bare host of the plug-in's library, in plain C with nothing of the framework:
   it loads the library, checks what the VST entry and the effect declare, plays a
   fixed script of blocks and parameter changes over the five channel counts and
   writes the outputs to a file, and, in the Windows library, calls the ACF entry
   points, registering the effect with a small recording host of its own.

   Built for 32-bit Windows it runs under wine against Velorin_32bit.dll, built
   for 64-bit Windows under wine64 against Velorin.dll (which has no ACF entry
   points); built for Linux it plays the same script on Velorin.so, so that the
   output files can be compared bit for bit.

   Usage: velorin_raw_host LIBRARY OUTPUT-FILE
   and, on Windows only, to open the editor in a window of its own at the top
   left of the screen until a file appears (for a screenshot):
          velorin_wine_host --editor LIBRARY READY-FILE DONE-FILE
   Prints one line per failed check and "N passed, N failed" at the end; the exit
   status is non-zero when a check failed. */

#include <plugin/aax/AcfHostAbi.h>
#include <pluginterfaces/vst2.x/aeffectx.h>

#include <stdarg.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#ifdef _WIN32
    #include <windows.h>
#else
    #include <dlfcn.h>
#endif

/*==========================================================================*/
static int numPassed, numFailed;

static void check (int ok, const char* what)
{
    if (ok)
        ++numPassed;
    else
    {
        ++numFailed;
        printf ("FAILED: %s\n", what);
    }
}

static void checkNumber (const char* what, long long actual, long long expected)
{
    char text[256];
    snprintf (text, sizeof (text), "%s is %lld, expected %lld", what, actual, expected);
    check (actual == expected, text);
}

static void checkText (const char* what, const char* actual, const char* expected)
{
    char text[256];
    snprintf (text, sizeof (text), "%s is \"%s\", expected \"%s\"", what, actual, expected);
    check (strcmp (actual, expected) == 0, text);
}

static int32_t fourCharCode (const char* code)
{
    return (int32_t) (((uint32_t) (unsigned char) code[0] << 24) | ((uint32_t) (unsigned char) code[1] << 16)
                      | ((uint32_t) (unsigned char) code[2] << 8) | (uint32_t) (unsigned char) code[3]);
}

/*==========================================================================*/
static void* openLibrary (const char* path)
{
#ifdef _WIN32
    return (void*) LoadLibraryA (path);
#else
    return dlopen (path, RTLD_NOW | RTLD_LOCAL);
#endif
}

static void* findExport (void* library, const char* name)
{
#ifdef _WIN32
    return (void*) GetProcAddress ((HMODULE) library, name);
#else
    return dlsym (library, name);
#endif
}

/*==========================================================================*/
typedef AEffect* (*VstEntry) (audioMasterCallback);

static VstIntPtr hostVersionAnswer = kVstVersion;

static VstIntPtr VSTCALLBACK hostCallback (AEffect* effect, int opcode, int index, VstIntPtr value, void* ptr, float opt)
{
    (void) effect, (void) index, (void) value, (void) ptr, (void) opt;
    return opcode == audioMasterVersion ? hostVersionAnswer : 0;
}

static VstIntPtr dispatch (AEffect* effect, int opcode, int index, VstIntPtr value, void* ptr, float opt)
{
    return effect->dispatcher (effect, opcode, index, value, ptr, opt);
}

static void checkDispatchedText (AEffect* effect, int opcode, const char* what, const char* expected)
{
    char buffer[256] = { 0 };
    dispatch (effect, opcode, 0, 0, buffer, 0.0f);
    checkText (what, buffer, expected);
}

static VstIntPtr proposeArrangement (AEffect* effect, int numInputs, int numOutputs)
{
    VstSpeakerArrangement inputs, outputs;
    memset (&inputs, 0, sizeof (inputs));
    memset (&outputs, 0, sizeof (outputs));
    inputs.type = outputs.type = kSpeakerArrUserDefined;
    inputs.numChannels = numInputs;
    outputs.numChannels = numOutputs;
    return dispatch (effect, effSetSpeakerArrangement, 0, (VstIntPtr) &inputs, &outputs, 0.0f);
}

static void checkIdentity (AEffect* effect)
{
    checkNumber ("magic", effect->magic, fourCharCode ("VstP"));
    checkNumber ("unique id", effect->uniqueID, fourCharCode ("KoVE"));
    checkNumber ("version", effect->version, 120);
    checkNumber ("programs", effect->numPrograms, 1);
    checkNumber ("parameters", effect->numParams, 6);
    checkNumber ("inputs", effect->numInputs, 8);
    checkNumber ("outputs", effect->numOutputs, 4);
    checkNumber ("initial delay", effect->initialDelay, 0);
    checkNumber ("editor flag", (effect->flags & effFlagsHasEditor) != 0, 1);
    checkNumber ("replacing flag", (effect->flags & effFlagsCanReplacing) != 0, 1);
    checkNumber ("chunks flag", (effect->flags & effFlagsProgramChunks) != 0, 1);
    checkNumber ("synth flag", (effect->flags & effFlagsIsSynth) != 0, 0);

    checkDispatchedText (effect, effGetEffectName, "effect name", "Velorin");
    checkDispatchedText (effect, effGetProductString, "product string", "Velorin");
    checkDispatchedText (effect, effGetVendorString, "vendor string", "Korvanne");
    checkNumber ("vendor version", dispatch (effect, effGetVendorVersion, 0, 0, NULL, 0.0f), 120);
    checkNumber ("VST version", dispatch (effect, effGetVstVersion, 0, 0, NULL, 0.0f), 2400);
    checkNumber ("category", dispatch (effect, effGetPlugCategory, 0, 0, NULL, 0.0f), 5);
}

static void checkParameterNames (AEffect* effect)
{
    static const char* const names[] = { "Azimuth", "Elevation", "Distance", "Width", "Gain", "showOnOrbelScene" };
    int i;

    for (i = 0; i < 6; ++i)
    {
        char name[64] = { 0 };
        char what[64];
        dispatch (effect, effGetParamName, i, 0, name, 0.0f);
        snprintf (what, sizeof (what), "name of parameter %d", i);
        checkText (what, name, names[i]);
    }
}

static void checkCapabilities (AEffect* effect)
{
    static const struct
    {
        const char* query;
        int answer;
    } table[] = {
        { "receiveVstEvents", 1 },
        { "receiveVstMidiEvent", 1 },
        { "receiveVstMidiEvents", 1 },
        { "sendVstEvents", -1 },
        { "sendVstMidiEvent", -1 },
        { "sendVstMidiEvents", -1 },
        { "receiveVstTimeInfo", 1 },
        { "conformsToWindowRules", 1 },
        { "bypass", 1 },
        { "openCloseAnyThread", -1 },
        { "offline", 0 },
        { "MPE", 0 },
        { "", 0 },
    };
    size_t i;

    for (i = 0; i < sizeof (table) / sizeof (table[0]); ++i)
    {
        char what[128];
        snprintf (what, sizeof (what), "canDo \"%s\"", table[i].query);
        checkNumber (what, dispatch (effect, effCanDo, 0, 0, (void*) table[i].query, 0.0f), table[i].answer);
    }
}

static void checkArrangements (AEffect* effect)
{
    checkNumber ("2 in, 4 out accepted", proposeArrangement (effect, 2, 4), 1);
    checkNumber ("3 in, 4 out refused", proposeArrangement (effect, 3, 4), 0);
    checkNumber ("2 in, 2 out refused", proposeArrangement (effect, 2, 2), 0);
}

/*==========================================================================*/
/* The script: the same integers give the same floats on every platform. */
enum
{
    blockSize = 256,
    blocksPerCount = 12,
    maxInputs = 8,
    numOutputs = 4
};

static uint32_t noiseState = 12345u;

static float nextNoise (void)
{
    noiseState = noiseState * 1664525u + 1013904223u;
    return (float) (int32_t) (noiseState >> 8) / 16777216.0f - 0.5f;
}

static float scriptedValue (int block, int channels, int parameter)
{
    return (float) ((block * 37 + channels * 11 + parameter * 23) % 101) / 100.0f;
}

/* Returns how many samples were written, or -1 when the file could not be written. */
static long playScript (AEffect* effect, FILE* output)
{
    static const int channelCounts[] = { 1, 2, 4, 6, 8 };
    static float in[maxInputs][blockSize], out[numOutputs][blockSize];
    float* inputs[maxInputs];
    float* outputs[numOutputs];
    long written = 0;
    size_t c;
    int i, block, channel;

    for (i = 0; i < maxInputs; ++i)
        inputs[i] = in[i];
    for (i = 0; i < numOutputs; ++i)
        outputs[i] = out[i];

    dispatch (effect, effSetSampleRate, 0, 0, NULL, 48000.0f);
    dispatch (effect, effSetBlockSize, 0, blockSize, NULL, 0.0f);

    for (c = 0; c < sizeof (channelCounts) / sizeof (channelCounts[0]); ++c)
    {
        const int count = channelCounts[c];
        char what[64];
        snprintf (what, sizeof (what), "%d in, 4 out accepted", count);
        checkNumber (what, proposeArrangement (effect, count, numOutputs), 1);
        dispatch (effect, effMainsChanged, 0, 1, NULL, 0.0f);

        for (block = 0; block < blocksPerCount; ++block)
        {
            int parameter;
            for (parameter = 0; parameter < 5; ++parameter)
                if ((block + parameter) % 3 == 0)
                    effect->setParameter (effect, parameter, scriptedValue (block, count, parameter));

            memset (in, 0, sizeof (in));
            for (channel = 0; channel < count; ++channel)
                for (i = 0; i < blockSize; ++i)
                    in[channel][i] = nextNoise();

            effect->processReplacing (effect, inputs, outputs, blockSize);

            for (channel = 0; channel < numOutputs; ++channel)
                if (fwrite (out[channel], sizeof (float), blockSize, output) != blockSize)
                    return -1;

            written += numOutputs * blockSize;
        }

        dispatch (effect, effMainsChanged, 0, 0, NULL, 0.0f);
    }

    return written;
}

static void runVst (void* library, const char* outputPath)
{
    VstEntry entry = (VstEntry) findExport (library, "VSTPluginMain");
    VstEntry legacyEntry = (VstEntry) findExport (library, "main");
    AEffect* effect;
    FILE* output;

    check (entry != NULL, "VSTPluginMain is exported");
    check (legacyEntry != NULL, "main is exported");
    if (entry == NULL || legacyEntry == NULL)
        return;

#ifdef _WIN32
    check (entry == legacyEntry, "main and VSTPluginMain are one entry");
#endif

    hostVersionAnswer = 0;
    check (entry (hostCallback) == NULL, "a host answering 0 gets no effect");
    hostVersionAnswer = kVstVersion;

    effect = entry (hostCallback);
    check (effect != NULL, "a host answering its version gets an effect");
    if (effect == NULL)
        return;

    dispatch (effect, effOpen, 0, 0, NULL, 0.0f);
    checkIdentity (effect);
    checkParameterNames (effect);
    checkCapabilities (effect);
    checkArrangements (effect);

    output = fopen (outputPath, "wb");
    check (output != NULL, "the output file opens");
    if (output != NULL)
    {
        const long written = playScript (effect, output);
        checkNumber ("samples written", written, 5L * blocksPerCount * numOutputs * blockSize);
        fclose (output);
    }

    dispatch (effect, effClose, 0, 0, NULL, 0.0f);
}

/*==========================================================================*/
#if defined(_WIN32) && ! defined(_WIN64)
    #define VELORIN_HOST_CALLS_ACF 1
#endif

#ifdef VELORIN_HOST_CALLS_ACF
/* A host collection that records every call as one line of text. */
enum
{
    maxRecords = 256,
    numComponents = 5
};

static char records[maxRecords][128];
static int numRecords;
static int givesDescriptor = 1, acceptsHandOver = 1;
static char definitionToken;

static void record (const char* format, ...)
{
    va_list args;
    if (numRecords >= maxRecords)
        return;
    va_start (args, format);
    vsnprintf (records[numRecords++], sizeof (records[0]), format, args);
    va_end (args);
}

static int timesRecorded (const char* line)
{
    int i, n = 0;
    for (i = 0; i < numRecords; ++i)
        n += strcmp (records[i], line) == 0;
    return n;
}

typedef struct
{
    VelorinAcfPropertyMap base;
    int index;
} FakePropertyMap;

typedef struct
{
    VelorinAcfComponentDescriptor base;
    int index;
} FakeComponent;

static FakePropertyMap propertyMaps[numComponents];
static FakeComponent components[numComponents];
static int numComponentsGiven;
static VelorinAcfEffectDescriptor effectDescriptor;
static VelorinAcfEffectCollection collection;
static VelorinAcfHost host;

static void VELORIN_ACF_CALL addProperty (VelorinAcfPropertyMap* self, int32_t property, uint32_t value)
{
    record ("properties %d.addProperty %d 0x%08X", ((FakePropertyMap*) self)->index, (int) property, (unsigned) value);
}

static const VelorinAcfPropertyMapFunctions propertyMapFunctions = { addProperty };

    #define COMPONENT_INDEX(self) (((FakeComponent*) (self))->index)

static void VELORIN_ACF_CALL addAudioInput (VelorinAcfComponentDescriptor* self, int32_t field)
{
    record ("component %d.addAudioInput %d", COMPONENT_INDEX (self), (int) field);
}

static void VELORIN_ACF_CALL addAudioOutput (VelorinAcfComponentDescriptor* self, int32_t field)
{
    record ("component %d.addAudioOutput %d", COMPONENT_INDEX (self), (int) field);
}

static void VELORIN_ACF_CALL addAudioBufferLength (VelorinAcfComponentDescriptor* self, int32_t field)
{
    record ("component %d.addAudioBufferLength %d", COMPONENT_INDEX (self), (int) field);
}

static void VELORIN_ACF_CALL addDataInputPort (VelorinAcfComponentDescriptor* self, int32_t field, uint32_t numBytes)
{
    record ("component %d.addDataInputPort %d %u", COMPONENT_INDEX (self), (int) field, (unsigned) numBytes);
}

static void VELORIN_ACF_CALL addMidiInputNode (VelorinAcfComponentDescriptor* self, int32_t field, const char* name, uint32_t mask)
{
    record ("component %d.addMidiInputNode %d %s 0x%08X", COMPONENT_INDEX (self), (int) field, name, (unsigned) mask);
}

static void VELORIN_ACF_CALL addPrivateData (VelorinAcfComponentDescriptor* self, int32_t field, uint32_t numBytes)
{
    record ("component %d.addPrivateData %d %u", COMPONENT_INDEX (self), (int) field, (unsigned) numBytes);
}

static VelorinAcfPropertyMap* VELORIN_ACF_CALL newPropertyMap (VelorinAcfComponentDescriptor* self)
{
    FakePropertyMap* map = &propertyMaps[COMPONENT_INDEX (self)];
    map->base.functions = &propertyMapFunctions;
    map->index = COMPONENT_INDEX (self);
    record ("component %d.newPropertyMap", map->index);
    return &map->base;
}

static void VELORIN_ACF_CALL addProcessProcedure (VelorinAcfComponentDescriptor* self, int32_t procedure, VelorinAcfPropertyMap* map)
{
    record ("component %d.addProcessProcedure %d properties %d", COMPONENT_INDEX (self), (int) procedure, map != NULL ? ((FakePropertyMap*) map)->index : -1);
}

static const VelorinAcfComponentDescriptorFunctions componentFunctions = {
    addAudioInput,
    addAudioOutput,
    addAudioBufferLength,
    addDataInputPort,
    addMidiInputNode,
    addPrivateData,
    newPropertyMap,
    addProcessProcedure
};

static void VELORIN_ACF_CALL addName (VelorinAcfEffectDescriptor* self, const char* name)
{
    (void) self;
    record ("effect.addName %s", name);
}

static void VELORIN_ACF_CALL addCategory (VelorinAcfEffectDescriptor* self, uint32_t category)
{
    (void) self;
    record ("effect.addCategory 0x%08X", (unsigned) category);
}

static void VELORIN_ACF_CALL addProcedure (VelorinAcfEffectDescriptor* self, int32_t procedure)
{
    (void) self;
    record ("effect.addProcedure %d", (int) procedure);
}

static VelorinAcfComponentDescriptor* VELORIN_ACF_CALL newComponentDescriptor (VelorinAcfEffectDescriptor* self)
{
    FakeComponent* component;
    (void) self;

    if (numComponentsGiven >= numComponents)
        return NULL;

    component = &components[numComponentsGiven];
    component->base.functions = &componentFunctions;
    component->index = numComponentsGiven++;
    record ("effect.newComponentDescriptor %d", component->index);
    return &component->base;
}

static void VELORIN_ACF_CALL addComponent (VelorinAcfEffectDescriptor* self, VelorinAcfComponentDescriptor* component)
{
    (void) self;
    record ("effect.addComponent %d", component != NULL ? COMPONENT_INDEX (component) : -1);
}

static const VelorinAcfEffectDescriptorFunctions effectFunctions = {
    addName,
    addCategory,
    addProcedure,
    newComponentDescriptor,
    addComponent
};

static VelorinAcfEffectDescriptor* VELORIN_ACF_CALL newDescriptor (VelorinAcfEffectCollection* self)
{
    (void) self;
    record ("collection.newDescriptor");

    if (! givesDescriptor)
        return NULL;

    effectDescriptor.functions = &effectFunctions;
    return &effectDescriptor;
}

static void VELORIN_ACF_CALL addEffect (VelorinAcfEffectCollection* self, const char* effectId, VelorinAcfEffectDescriptor* effect)
{
    (void) self;
    record ("collection.addEffect %s %s", effectId, effect == &effectDescriptor ? "effect" : "a foreign effect");
}

static void VELORIN_ACF_CALL setManufacturerName (VelorinAcfEffectCollection* self, const char* name)
{
    (void) self;
    record ("collection.setManufacturerName %s", name);
}

static void VELORIN_ACF_CALL addPackageName (VelorinAcfEffectCollection* self, const char* name)
{
    (void) self;
    record ("collection.addPackageName %s", name);
}

static void VELORIN_ACF_CALL setPackageVersion (VelorinAcfEffectCollection* self, uint32_t version)
{
    (void) self;
    record ("collection.setPackageVersion 0x%08X", (unsigned) version);
}

static int32_t VELORIN_ACF_CALL handOverDefinition (VelorinAcfEffectCollection* self, VelorinAcfPluginDefinition** definition)
{
    (void) self;
    record ("collection.handOverDefinition");

    if (! acceptsHandOver || definition == NULL)
        return 0;

    *definition = (VelorinAcfPluginDefinition*) &definitionToken;
    return 1;
}

static const VelorinAcfEffectCollectionFunctions collectionFunctions = {
    newDescriptor,
    addEffect,
    setManufacturerName,
    addPackageName,
    setPackageVersion,
    handOverDefinition
};

static VelorinAcfEffectCollection* VELORIN_ACF_CALL getEffectCollection (VelorinAcfHost* self)
{
    (void) self;
    return &collection;
}

static const VelorinAcfHostFunctions hostFunctions = { getEffectCollection };

static void resetHost (int descriptor, int handOver)
{
    numRecords = 0;
    numComponentsGiven = 0;
    givesDescriptor = descriptor;
    acceptsHandOver = handOver;
    collection.functions = &collectionFunctions;
    host.functions = &hostFunctions;
}

/*==========================================================================*/
typedef int32_t (VELORIN_ACF_CALL* RegisterPlugin) (VelorinAcfHost*, VelorinAcfPluginDefinition**);
typedef int32_t (VELORIN_ACF_CALL* RegisterComponent) (VelorinAcfHost*, uint32_t, void**);
typedef int32_t (VELORIN_ACF_CALL* GetClassFactory) (VelorinAcfHost*, const void*, const void*, void**);
typedef int32_t (VELORIN_ACF_CALL* WithHost) (VelorinAcfHost*);
typedef int32_t (VELORIN_ACF_CALL* GetSdkVersion) (uint64_t*);

static void checkRecorded (const char* line, int times)
{
    char what[192];
    snprintf (what, sizeof (what), "times recorded: \"%s\"", line);
    checkNumber (what, timesRecorded (line), times);
}

static void checkRegistrationRecords (void)
{
    static const uint32_t inputStemFormats[numComponents] = { 0x00000001, 0x00010002, 0x00040004, 0x00060006, 0x000C0008 };
    char line[128];
    int i;

    checkRecorded ("effect.addName Velorin", 2);
    checkRecorded ("effect.addCategory 0x00000200", 1);
    checkRecorded ("effect.addProcedure 0", 1);
    checkRecorded ("effect.addProcedure 1", 1);
    checkRecorded ("collection.addEffect com.Korvanne.Velorin effect", 1);
    checkRecorded ("collection.setManufacturerName Korvanne", 1);
    checkRecorded ("collection.addPackageName Velorin", 2);
    checkRecorded ("collection.setPackageVersion 0x00010200", 1);
    checkRecorded ("collection.handOverDefinition", 1);
    checkNumber ("component descriptors asked for", numComponentsGiven, numComponents);

    for (i = 0; i < numComponents; ++i)
    {
        const struct
        {
            const char* format;
            unsigned value;
        } expected[] = {
            { "component %d.addDataInputPort 3 %u", 4 },
            { "component %d.addPrivateData 5 %u", 4 },
            { "component %d.addMidiInputNode 4 Velorin 0x%08X", 0xFFFF },
            { "properties %d.addProperty 0 0x%08X", 0x4B6F5276 },
            { "properties %d.addProperty 1 0x%08X", 0x4B6F5645 },
            { "properties %d.addProperty 2 0x%08X", 1 },
            { "properties %d.addProperty 3 0x%08X", inputStemFormats[i] },
            { "properties %d.addProperty 4 0x%08X", 0x00040004 },
            { "properties %d.addProperty 5 0x%08X", (unsigned) fourCharCode ("jcaa") + (unsigned) i },
            { "properties %d.addProperty 6 0x%08X", (unsigned) fourCharCode ("jyaa") + (unsigned) i },
            { "properties %d.addProperty 7 0x%08X", 1 },
            { "component %d.addProcessProcedure 2 properties %u", (unsigned) i },
            { "effect.addComponent %d%.0u", 0 },
        };
        size_t e;

        for (e = 0; e < sizeof (expected) / sizeof (expected[0]); ++e)
        {
            snprintf (line, sizeof (line), expected[e].format, i, expected[e].value);
            checkRecorded (line, 1);
        }
    }
}

static void writeRecords (const char* path)
{
    FILE* file = fopen (path, "w");
    int i;
    if (file == NULL)
        return;
    for (i = 0; i < numRecords; ++i)
        fprintf (file, "%s\n", records[i]);
    fclose (file);
}

static void runAcf (void* library, const char* recordPath)
{
    RegisterPlugin registerPlugin = (RegisterPlugin) findExport (library, "_ACFRegisterPlugin@8");
    RegisterComponent registerComponent = (RegisterComponent) findExport (library, "_ACFRegisterComponent@12");
    GetClassFactory getClassFactory = (GetClassFactory) findExport (library, "_ACFGetClassFactory@16");
    WithHost canUnloadNow = (WithHost) findExport (library, "_ACFCanUnloadNow@4");
    WithHost startup = (WithHost) findExport (library, "_ACFStartup@4");
    WithHost shutdown = (WithHost) findExport (library, "_ACFShutdown@4");
    GetSdkVersion getSdkVersion = (GetSdkVersion) findExport (library, "_ACFGetSDKVersion@4");
    static const unsigned char someId[16] = { 1, 2, 3 };
    VelorinAcfPluginDefinition* definition = NULL;
    uint64_t version = 0;
    void* out;

    check (registerPlugin && registerComponent && getClassFactory && canUnloadNow && startup && shutdown && getSdkVersion,
           "the seven ACF entry points are exported");
    if (! (registerPlugin && registerComponent && getClassFactory && canUnloadNow && startup && shutdown && getSdkVersion))
        return;

    checkNumber ("ACFGetSDKVersion result", getSdkVersion (&version), 0);
    checkNumber ("ACFGetSDKVersion value", (long long) version, 0x00000201007756BFLL);

    out = &out;
    checkNumber ("ACFGetClassFactory result", getClassFactory (&host, someId, someId, &out), -20009);
    check (out == NULL, "ACFGetClassFactory gives a null factory");

    out = &out;
    checkNumber ("ACFRegisterComponent result", registerComponent (&host, 0, &out), 0);
    check (out == NULL, "ACFRegisterComponent gives no component");

    resetHost (1, 1);
    checkNumber ("ACFCanUnloadNow before startup", canUnloadNow (&host), 0);
    checkNumber ("ACFStartup", startup (&host), 0);
    checkNumber ("ACFCanUnloadNow while started", canUnloadNow (&host), 1);

    checkNumber ("ACFRegisterPlugin result", registerPlugin (&host, &definition), 0);
    check (definition == (VelorinAcfPluginDefinition*) &definitionToken, "ACFRegisterPlugin hands the collection's definition over");
    checkRegistrationRecords();
    writeRecords (recordPath);

    checkNumber ("ACFShutdown", shutdown (&host), 0);
    checkNumber ("ACFCanUnloadNow after shutdown", canUnloadNow (&host), 0);

    resetHost (0, 1);
    checkNumber ("ACFRegisterPlugin without a descriptor", registerPlugin (&host, &definition), -20004);
    resetHost (1, 0);
    checkNumber ("ACFRegisterPlugin with the hand-over refused", registerPlugin (&host, &definition), -20004);
    checkNumber ("ACFRegisterPlugin without a host", registerPlugin (NULL, &definition), -20004);
}
#endif

/*==========================================================================*/
#ifdef _WIN32
enum
{
    editorWidth = 556,
    editorHeight = 503,
    idlePeriodMs = 50,
    settleMs = 3000,
    redrawMs = 500,
    maxOpenMs = 60000
};

static int fileExists (const char* path)
{
    return GetFileAttributesA (path) != INVALID_FILE_ATTRIBUTES;
}

/* Pumps the window's messages and the editor's idle calls for a while, or until stop appears. */
static void keepEditorRunning (AEffect* effect, int milliseconds, const char* stop)
{
    const DWORD start = GetTickCount();
    MSG message;

    while ((int) (GetTickCount() - start) < milliseconds && (stop == NULL || ! fileExists (stop)))
    {
        while (PeekMessageA (&message, NULL, 0, 0, PM_REMOVE))
        {
            TranslateMessage (&message);
            DispatchMessageA (&message);
        }

        dispatch (effect, effEditIdle, 0, 0, NULL, 0.0f);
        Sleep (idlePeriodMs);
    }
}

static void runEditor (void* library, const char* readyPath, const char* donePath)
{
    VstEntry entry = (VstEntry) findExport (library, "VSTPluginMain");
    WNDCLASSA windowClass;
    ERect* rect = NULL;
    AEffect* effect;
    HWND window;
    FILE* ready;

    effect = entry != NULL ? entry (hostCallback) : NULL;
    check (effect != NULL, "the effect opens");
    if (effect == NULL)
        return;

    dispatch (effect, effOpen, 0, 0, NULL, 0.0f);
    checkNumber ("editor size query", dispatch (effect, effEditGetRect, 0, 0, &rect, 0.0f) != 0 && rect != NULL, 1);
    if (rect != NULL)
    {
        checkNumber ("editor width", rect->right - rect->left, editorWidth);
        checkNumber ("editor height", rect->bottom - rect->top, editorHeight);
    }

    memset (&windowClass, 0, sizeof (windowClass));
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA (NULL);
    windowClass.lpszClassName = "VelorinRawHostWindow";
    RegisterClassA (&windowClass);

    /* Undecorated, so that the screen's top-left corner shows exactly the editor. */
    window = CreateWindowExA (0, windowClass.lpszClassName, "Velorin", WS_POPUP | WS_VISIBLE, 0, 0, editorWidth, editorHeight, NULL, NULL, windowClass.hInstance, NULL);
    check (window != NULL, "the host window opens");

    if (window != NULL)
    {
        check (dispatch (effect, effEditOpen, 0, 0, window, 0.0f) != 0, "the editor opens in the host window");
        keepEditorRunning (effect, settleMs, NULL);

        /* Under wine on a virtual display the editor's own repaints (made on the
           display's vertical blank) do not reach the screen, though its timer has
           long read the parameters: the host redraws its window before the picture. */
        RedrawWindow (window, NULL, NULL, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        keepEditorRunning (effect, redrawMs, NULL);

        ready = fopen (readyPath, "w");
        check (ready != NULL, "the ready file is written");
        if (ready != NULL)
            fclose (ready);

        keepEditorRunning (effect, maxOpenMs, donePath);
        check (fileExists (donePath), "the screenshot was taken while the editor was open");

        dispatch (effect, effEditClose, 0, 0, NULL, 0.0f);
        DestroyWindow (window);
    }

    dispatch (effect, effClose, 0, 0, NULL, 0.0f);
}
#endif

/*==========================================================================*/
int main (int argc, char** argv)
{
    void* library;

#ifdef _WIN32
    if (argc == 5 && strcmp (argv[1], "--editor") == 0)
    {
        library = openLibrary (argv[2]);
        check (library != NULL, "the library loads");
        if (library != NULL)
            runEditor (library, argv[3], argv[4]);

        printf ("%d passed, %d failed\n", numPassed, numFailed);
        return numFailed == 0 ? 0 : 1;
    }
#endif

    if (argc != 3)
    {
        fprintf (stderr, "usage: %s LIBRARY OUTPUT-FILE\n", argv[0]);
        return 2;
    }

    library = openLibrary (argv[1]);
    check (library != NULL, "the library loads");

    if (library != NULL)
    {
        runVst (library, argv[2]);
#ifdef VELORIN_HOST_CALLS_ACF
        {
            char recordPath[1024];
            snprintf (recordPath, sizeof (recordPath), "%s.acf-registration.txt", argv[2]);
            runAcf (library, recordPath);
        }
#endif
    }

    printf ("%d passed, %d failed\n", numPassed, numFailed);
    return numFailed == 0 ? 0 : 1;
}
