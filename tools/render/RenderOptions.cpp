#include "RenderOptions.h"

#include <processor/InputLayouts.h>

#include <functional>

namespace
{
    struct NumericOption
    {
        const char* name;
        const char* unit;
        double minimum;
        double maximum;
        const char* help;
        std::function<void (RenderOptions&, double)> apply;
    };

    const std::vector<NumericOption>& numericOptions()
    {
        static const std::vector<NumericOption> options {
            { "--azimuth", "degrees", -180.0, 180.0, "source direction, clockwise seen from above (default 0, straight ahead)", [] (RenderOptions& o, double v)
              { o.azimuthDegrees = static_cast<float> (v); } },
            { "--elevation", "degrees", -90.0, 90.0, "source elevation, positive upward (default 0)", [] (RenderOptions& o, double v)
              { o.elevationDegrees = static_cast<float> (v); } },
            { "--distance", "metres", 0.0, 4.0, "source distance; below 1 m the source rises toward the zenith (default 1)", [] (RenderOptions& o, double v)
              { o.distanceMetres = static_cast<float> (v); } },
            { "--width", "percent", 0.0, 100.0, "spread of the input channels around the source (default 0)", [] (RenderOptions& o, double v)
              { o.widthPercent = static_cast<float> (v); } },
            { "--gain", "dB", -90.0, 10.0, "output gain (default 0)", [] (RenderOptions& o, double v)
              { o.gainDecibels = static_cast<float> (v); } },
            { "--block-size", "samples", 1.0, 65536.0, "samples per processed block, as a host's buffer size (default 512)", [] (RenderOptions& o, double v)
              { o.blockSize = static_cast<int> (v); } },
        };

        return options;
    }

    std::optional<double> parseNumber (const juce::String& text)
    {
        const auto trimmed = text.trim();

        if (trimmed.isEmpty() || ! trimmed.containsOnly ("0123456789+-.eE"))
            return {};

        const auto utf8 = trimmed.toStdString();
        char* end = nullptr;
        const auto value = std::strtod (utf8.c_str(), &end);

        if (end != utf8.c_str() + utf8.size() || ! std::isfinite (value))
            return {};

        return value;
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
} // namespace

ParsedOptions parseRenderOptions (const juce::StringArray& arguments)
{
    RenderOptions options;

    for (auto i = 0; i < arguments.size(); ++i)
    {
        const auto& name = arguments[i];

        if (name == "--help" || name == "-h")
        {
            options.showHelp = true;
            continue;
        }

        if (i + 1 >= arguments.size())
            return { {}, name.startsWith ("--") ? "missing value for " + name : "unknown argument " + name };

        const auto value = arguments[i + 1];
        ++i;

        const auto& numeric = numericOptions();
        const auto found = std::find_if (numeric.begin(), numeric.end(), [&] (const NumericOption& o)
                                         { return name == o.name; });

        if (found != numeric.end())
        {
            const auto number = parseNumber (value);

            if (! number.has_value())
                return { {}, name + " needs a number, not \"" + value + "\"" };

            if (*number < found->minimum || *number > found->maximum)
                return { {}, name + " " + value + " is out of range (" + juce::String (found->minimum) + " to " + juce::String (found->maximum) + " " + found->unit + ")" };

            if (name == "--block-size" && *number != std::floor (*number))
                return { {}, "--block-size needs a whole number of samples, not " + value };

            found->apply (options, *number);
        }
        else if (name == "--input")
        {
            options.input = juce::File::getCurrentWorkingDirectory().getChildFile (value);
        }
        else if (name == "--output")
        {
            options.output = juce::File::getCurrentWorkingDirectory().getChildFile (value);
        }
        else if (name == "--format")
        {
            const auto convention = parseConvention (value);

            if (! convention.has_value())
                return { {}, "--format must be FuMa or ambiX, not \"" + value + "\"" };

            options.convention = *convention;
        }
        else if (name == "--layout")
        {
            const auto layout = parseLayout (value);

            if (! layout.has_value())
                return { {}, "--layout must be a layout id 0-15 or a layout name (see --help), not \"" + value + "\"" };

            options.layout = *layout;
        }
        else if (name == "--attenuation")
        {
            const auto attenuation = parseAttenuation (value);

            if (! attenuation.has_value())
                return { {}, "--attenuation must be off or 1-5, not \"" + value + "\"" };

            options.attenuation = *attenuation;
        }
        else
        {
            return { {}, "unknown option " + name + " (see --help)" };
        }
    }

    return { options, {} };
}

juce::String renderUsage()
{
    juce::String text;
    text << "velorin-render: encodes a WAV file (or a built-in demo) into 4-channel B-format, offline,\n"
         << "running the plug-in's processor exactly as a host does.\n\n"
         << "Usage: velorin-render [options]\n\n"
         << "  --input FILE          WAV file of 1, 2, 4, 6 or 8 channels (default: a built-in mono demo melody)\n"
         << "  --output FILE         4-channel 32-bit float WAV to write (default: velorin-render.wav)\n"
         << "  --format NAME         FuMa (W X Y Z) or ambiX (W Y Z X, default)\n";

    for (const auto& option : numericOptions())
        text << "  " << juce::String (option.name).paddedRight (' ', 13) << juce::String (option.unit).toUpperCase().paddedRight (' ', 8)
             << " " << option.help << " [" << option.minimum << " to " << option.maximum << "]\n";

    text << "  --layout ID|NAME      input layout (default: chosen from the input's channel count)\n"
         << "  --attenuation N       distance attenuation: off (default) or 1-5, about 2 dB more fall per doubling each\n"
         << "  --help                this text\n\n"
         << "Layouts:\n";

    for (size_t id = 0; id < InputLayouts::layouts.size(); ++id)
        text << "  " << juce::String (static_cast<int> (id)).paddedLeft (' ', 2) << "  " << InputLayouts::layouts[id].name
             << " (" << InputLayouts::layouts[id].layoutInputChannels << " channel"
             << (InputLayouts::layouts[id].layoutInputChannels > 1 ? "s" : "") << ")\n";

    return text;
}
