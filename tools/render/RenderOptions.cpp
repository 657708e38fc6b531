#include "RenderOptions.h"

#include "NumberText.h"

#include <processor/InputLayouts.h>

namespace
{
    constexpr auto batchSuffix = "-bformat";
    constexpr int floatBits = 32;
    constexpr int flacDefaultBits = 24;
    constexpr int minimumBlockSize = 1;
    constexpr int maximumBlockSize = 65536;
    constexpr int helpColumn = 22;

    /** Stores an option's value, or says why it is not acceptable. */
    using ApplyValue = juce::String (*) (RenderOptions&, const juce::String& value);

    struct ValueOption
    {
        const char* name;
        const char* argument;
        const char* help;
        ApplyValue apply;
    };

    juce::File fileArgument (const juce::String& value)
    {
        return juce::File::getCurrentWorkingDirectory().getChildFile (value);
    }

    std::optional<int> parseLayout (const juce::String& text)
    {
        if (text.containsOnly ("0123456789") && text.isNotEmpty())
        {
            const auto id = text.getIntValue();
            return juce::isPositiveAndBelow (id, InputLayouts::numLayouts) ? std::optional<int> (id) : std::nullopt;
        }

        for (size_t id = 0; id < InputLayouts::layouts.size(); ++id)
            if (text.equalsIgnoreCase (InputLayouts::layouts[id].name))
                return static_cast<int> (id);

        return {};
    }

    std::optional<int> parseConvention (const juce::String& text)
    {
        for (size_t index = 0; index < InputLayouts::outputConventions.size(); ++index)
            if (text.equalsIgnoreCase (InputLayouts::outputConventions[index].name))
                return static_cast<int> (index);

        return {};
    }

    std::optional<int> parseAttenuation (const juce::String& text)
    {
        if (text.equalsIgnoreCase ("off"))
            return 0;

        if (text.length() == 1 && text.containsOnly ("012345"))
            return text.getIntValue();

        return {};
    }

    juce::String applyBits (RenderOptions& options, const juce::String& value)
    {
        const auto trimmed = value.trim();

        if (trimmed != "16" && trimmed != "24" && trimmed != "32")
            return "--bits must be 16, 24 or 32, not \"" + value + "\"";

        options.bits = trimmed.getIntValue();
        return {};
    }

    juce::String applyType (RenderOptions& options, const juce::String& value)
    {
        if (value.equalsIgnoreCase ("wav"))
            options.outputType = AudioFileFormats::Type::wav;
        else if (value.equalsIgnoreCase ("flac"))
            options.outputType = AudioFileFormats::Type::flac;
        else
            return "--type must be wav or flac, not \"" + value + "\"";

        return {};
    }

    AudioFileFormats::Type outputTypeOf (const RenderOptions& options, const juce::File& output)
    {
        if (options.outputType.has_value())
            return *options.outputType;

        return output.hasFileExtension ("flac") ? AudioFileFormats::Type::flac : AudioFileFormats::Type::wav;
    }

    RenderJob jobFor (const RenderOptions& options, const juce::File& input, const juce::File& output)
    {
        const auto type = outputTypeOf (options, output);
        return { input, output, type, options.bits.value_or (type == AudioFileFormats::Type::flac ? flacDefaultBits : floatBits) };
    }

    juce::String applyBlockSize (RenderOptions& options, const juce::String& value)
    {
        const auto number = parseNumber (value);

        if (! number.has_value())
            return "--block-size needs a number, not \"" + value + "\"";

        if (auto problem = rangeProblem ("--block-size", value, *number, minimumBlockSize, maximumBlockSize, "samples"); problem.isNotEmpty())
            return problem;

        if (*number != std::floor (*number))
            return "--block-size needs a whole number of samples, not " + value;

        options.blockSize = static_cast<int> (*number);
        return {};
    }

    // clang-format off
    constexpr std::array<ValueOption, 10> valueOptions {{
        { "--input", "FILE", "input WAV, FLAC, AIFF or Ogg Vorbis file of 1, 2, 4, 6 or 8 channels; may be named without --input",
          [] (RenderOptions& o, const juce::String& v) -> juce::String { o.inputs.add (fileArgument (v)); return {}; } },
        { "--output", "FILE", "4-channel B-format file to write (default: velorin-render.wav); a name ending in .flac writes FLAC",
          [] (RenderOptions& o, const juce::String& v) -> juce::String { o.output = fileArgument (v); return {}; } },
        { "--output-dir", "DIR", "render each input to DIR/<name>-bformat.wav or .flac (DIR is made if missing)",
          [] (RenderOptions& o, const juce::String& v) -> juce::String { o.outputDirectory = fileArgument (v); return {}; } },
        { "--type", "wav|flac", "output file type (default: from the --output name, else wav)", applyType },
        { "--bits", "16|24|32", "16-bit PCM (TPDF-dithered), 24-bit PCM or 32-bit float (default 32; FLAC: 16 or 24, default 24)", applyBits },
        { "--format", "NAME", "FuMa (W X Y Z) or ambiX (W Y Z X, default)",
          [] (RenderOptions& o, const juce::String& v) -> juce::String
          {
              const auto convention = parseConvention (v);
              if (! convention.has_value())
                  return "--format must be FuMa or ambiX, not \"" + v + "\"";
              o.convention = *convention;
              return {};
          } },
        { "--path", "FILE", "CSV file that moves the source over time (see below)",
          [] (RenderOptions& o, const juce::String& v) -> juce::String { o.path = fileArgument (v); return {}; } },
        { "--layout", "ID|NAME", "input layout (default: from the file, see below)",
          [] (RenderOptions& o, const juce::String& v) -> juce::String
          {
              const auto layout = parseLayout (v);
              if (! layout.has_value())
                  return "--layout must be a layout id 0-15 or a layout name (see --help), not \"" + v + "\"";
              o.layout = *layout;
              return {};
          } },
        { "--attenuation", "N", "distance attenuation: off (default) or 1-5, about 2 dB more fall per doubling each",
          [] (RenderOptions& o, const juce::String& v) -> juce::String
          {
              const auto attenuation = parseAttenuation (v);
              if (! attenuation.has_value())
                  return "--attenuation must be off or 1-5, not \"" + v + "\"";
              o.attenuation = *attenuation;
              return {};
          } },
        { "--block-size", "SAMPLES", "samples per block, as a host's buffer size (default 512) [1 to 65536]",
          applyBlockSize },
    }};
    // clang-format on

    juce::String applyPositionField (const PositionField& field, RenderOptions& options, const juce::String& value)
    {
        const auto optionName = juce::String ("--") + field.name;
        const auto number = parseNumber (value);

        if (! number.has_value())
            return optionName + " needs a number, not \"" + value + "\"";

        if (auto problem = rangeProblem (optionName, value, *number, field.minimum, field.maximum, field.unit); problem.isNotEmpty())
            return problem;

        options.position.*field.member = static_cast<float> (*number);
        return {};
    }

    const PositionField* findPositionField (const juce::String& name)
    {
        for (const auto& field : positionFields)
            if (name == juce::String ("--") + field.name)
                return &field;

        return nullptr;
    }

    const ValueOption* findValueOption (const juce::String& name)
    {
        for (const auto& option : valueOptions)
            if (name == option.name)
                return &option;

        return nullptr;
    }

    juce::String checkOutputs (const RenderOptions& options)
    {
        if (options.outputDirectory != juce::File())
        {
            if (options.output.has_value())
                return "--output and --output-dir cannot be used together";

            if (options.inputs.isEmpty())
                return "--output-dir needs input files";
        }
        else if (options.inputs.size() > 1)
        {
            return "several input files need --output-dir DIR";
        }

        const auto jobs = renderJobs (options);

        for (const auto& job : jobs)
            if (job.outputType == AudioFileFormats::Type::flac && job.bits == floatBits)
                return "FLAC holds 16 or 24-bit samples, not 32-bit float; choose --bits 16 or 24, or a WAV output";

        for (auto later = jobs.begin(); later != jobs.end(); ++later)
            for (auto earlier = jobs.begin(); earlier != later; ++earlier)
                if (earlier->output == later->output)
                    return earlier->input.getFullPathName() + " and " + later->input.getFullPathName() + " would both render to " + later->output.getFullPathName();

        return {};
    }
} // namespace

std::vector<RenderJob> renderJobs (const RenderOptions& options)
{
    if (options.inputs.isEmpty() || options.outputDirectory == juce::File())
        return { jobFor (options, options.inputs.isEmpty() ? juce::File() : options.inputs.getFirst(), options.output.value_or (fileArgument ("velorin-render.wav"))) };

    const auto extension = options.outputType == AudioFileFormats::Type::flac ? ".flac" : ".wav";
    std::vector<RenderJob> jobs;

    for (const auto& input : options.inputs)
        jobs.push_back (jobFor (options, input, options.outputDirectory.getChildFile (input.getFileNameWithoutExtension() + batchSuffix + extension)));

    return jobs;
}

ParsedOptions parseRenderOptions (const juce::StringArray& arguments)
{
    RenderOptions options;

    for (auto i = 0; i < arguments.size(); ++i)
    {
        const auto& argument = arguments[i];

        if (argument == "--help" || argument == "-h")
        {
            options.showHelp = true;
            continue;
        }

        if (! argument.startsWithChar ('-'))
        {
            options.inputs.add (fileArgument (argument));
            continue;
        }

        const auto* field = findPositionField (argument);
        const auto* option = findValueOption (argument);

        if (field == nullptr && option == nullptr)
            return { {}, "unknown option " + argument + " (see --help)" };

        if (i + 1 >= arguments.size())
            return { {}, "missing value for " + argument };

        const auto& value = arguments[++i];

        if (auto error = field != nullptr ? applyPositionField (*field, options, value) : option->apply (options, value); error.isNotEmpty())
            return { {}, error };
    }

    if (auto error = checkOutputs (options); error.isNotEmpty() && ! options.showHelp)
        return { {}, error };

    return { options, {} };
}

juce::String renderUsage()
{
    const auto row = [] (const juce::String& left, const juce::String& help)
    { return "  " + left.paddedRight (' ', helpColumn) + " " + help + "\n"; };

    juce::String text;
    text << "velorin-render: encodes WAV, FLAC, AIFF and Ogg Vorbis files into 4-channel B-format\n"
         << "WAV or FLAC files, offline, running the plug-in's processor exactly as a host does.\n"
         << "Without an input it renders a built-in mono demo melody.\n\n"
         << "Usage: velorin-render [options] [--output FILE] [FILE]\n"
         << "       velorin-render [options] --output-dir DIR FILE...\n\n";

    for (const auto& option : valueOptions)
        text << row (juce::String (option.name) + " " + option.argument, option.help);

    for (const auto& field : positionFields)
        text << row ("--" + juce::String (field.name) + " " + juce::String (field.unit).toUpperCase(),
                     juce::String (field.help) + " [" + juce::String (field.minimum) + " to " + juce::String (field.maximum) + "]");

    text << row ("--help", "this text")
         << "\nInput layouts: --layout wins; a WAV file with a channel mask gets the layout with its\n"
         << "speakers in the file's order (surrounds marked as back or side speakers), and so\n"
         << "do a FLAC file with a WAVEFORMATEXTENSIBLE_CHANNEL_MASK tag and an AIFF file with a\n"
         << "channel layout; a file without one gets the usual WAV order: 1 Mono, 2 Stereo,\n"
         << "4 \"4.0 - L R Ls Rs\", 6 \"5.1 - L R C Lfe Ls Rs\", 8 \"7.1 - L R C Lfe Ls Rs Sl Sr\".\n"
         << "Ogg Vorbis files have Vorbis's order: 6 \"5.1 - L C R Ls Rs Lfe\", 8 \"7.1 - L C R Sl\n"
         << "Sr Ls Rs Lfe\". A mask that no layout matches is an error: choose a layout with\n"
         << "--layout. The render prints the layout it used and why.\n"
         << "\nOutput: 32-bit float WAV by default; 16 and 24-bit PCM are rounded to the nearest\n"
         << "step, 16-bit with TPDF dither. A PCM output whose samples went beyond full scale\n"
         << "is still written, with a warning that gives its peak.\n"
         << "\nPath files (--path): one row per point, seconds,azimuth,elevation,distance,width,gain\n"
         << "in the units above. Trailing columns may be left out and keep the previous row's\n"
         << "value (the first row's come from the options). Times never go backwards; two rows\n"
         << "at one time make a jump. Between rows each value moves in a straight line (azimuth\n"
         << "does not wrap at 180), applied at every block as a host plays automation; before\n"
         << "the first row and after the last the nearest row holds. Blank lines and lines\n"
         << "starting with # are skipped; the first other line may name the columns.\n"
         << "\nOn a terminal a long render shows its progress; Ctrl-C stops it and leaves no\n"
         << "output file. An output that is one of the inputs is refused.\n"
         << "\nLayouts:\n";

    for (size_t id = 0; id < InputLayouts::layouts.size(); ++id)
        text << "  " << juce::String (static_cast<int> (id)).paddedLeft (' ', 2) << "  " << InputLayouts::layouts[id].name
             << " (" << InputLayouts::layouts[id].layoutInputChannels << " channel"
             << (InputLayouts::layouts[id].layoutInputChannels > 1 ? "s" : "") << ")\n";

    return text;
}
