#include "Lv2Turtle.h"

#include "Lv2ParameterPorts.h"

#include <plugin/PluginIdentity.h>

#include <processor/ParameterUnits.h>
#include <processor/VevazovAzudAudioProcessor.h>

#include <array>

#include <iomanip>
#include <locale>
#include <sstream>

namespace
{
    constexpr const char* statementSeparator = "\n\n";
    constexpr const char* propertyMarker = "\ta lv2:Parameter ;\n";
    constexpr const char* propertyListsStart = "\tpatch:writable";
    constexpr const char* portListStart = "\tlv2:port [\n";
    constexpr const char* portListEnd = "\t] ;\n\topts:supportedOption";

    /** The shortest decimal that reads back as the same float, always with a point. */
    juce::String decimal (float value)
    {
        std::string text;

        for (auto digits = 6; digits <= 9; ++digits)
        {
            std::ostringstream stream;
            stream.imbue (std::locale::classic());
            stream << std::setprecision (digits) << value;
            text = stream.str();

            if (std::stof (text) == value)
                break;
        }

        if (text.find_first_of (".e") == std::string::npos)
            text += ".0";

        return text;
    }

    // clang-format off
    // How each port declares its unit, in parameter order. Degrees, metres and
    // percent are described here, as the units vocabulary describes them, so that
    // hosts without that vocabulary installed still render the values in them.
    const std::array<const char*, VevazovAzudAudioProcessor::numParameters> portUnits {{
        "\t\tunits:unit [\n\t\t\ta units:Unit ;\n\t\t\trdfs:label \"degree\" ;\n\t\t\tunits:symbol \"\xc2\xb0\" ;\n\t\t\tunits:render \"%f\xc2\xb0\" ;\n\t\t] ;\n",
        "\t\tunits:unit [\n\t\t\ta units:Unit ;\n\t\t\trdfs:label \"degree\" ;\n\t\t\tunits:symbol \"\xc2\xb0\" ;\n\t\t\tunits:render \"%f\xc2\xb0\" ;\n\t\t] ;\n",
        "\t\tunits:unit [\n\t\t\ta units:Unit ;\n\t\t\trdfs:label \"metre\" ;\n\t\t\tunits:symbol \"m\" ;\n\t\t\tunits:render \"%f m\" ;\n\t\t] ;\n",
        "\t\tunits:unit [\n\t\t\ta units:Unit ;\n\t\t\trdfs:label \"percent\" ;\n\t\t\tunits:symbol \"%\" ;\n\t\t\tunits:render \"%f%%\" ;\n\t\t] ;\n",
        "\t\tunits:unit units:db ;\n",
        "\t\tlv2:portProperty lv2:toggled ;\n",
    }};
    // clang-format on

    constexpr juce::Range<float> toggleRange { 0.0f, 1.0f };

    juce::Range<float> portRange (int index)
    {
        if (index >= ParameterUnits::numRanges)
            return toggleRange;

        const auto& range = ParameterUnits::rangeOf (index);
        return { static_cast<float> (range.minimum), static_cast<float> (range.maximum) };
    }

    juce::String parameterPort (VevazovAzudAudioProcessor& processor, int index, int port)
    {
        const auto defaultValue = Lv2ParameterPorts::portValue (index, processor.getParameterDefaultValue (index));

        return juce::String()
               + "\t\ta lv2:InputPort , lv2:ControlPort ;\n"
               + "\t\tlv2:index " + juce::String (port) + " ;\n"
               + "\t\tlv2:symbol \"" + processor.getParameterID (index) + "\" ;\n"
               + "\t\tlv2:name \"" + processor.getParameterName (index) + "\" ;\n"
               + "\t\tlv2:default " + decimal (defaultValue) + " ;\n"
               + "\t\tlv2:minimum " + decimal (portRange (index).getStart()) + " ;\n"
               + "\t\tlv2:maximum " + decimal (portRange (index).getEnd()) + " ;\n"
               + juce::String (juce::CharPointer_UTF8 (portUnits[static_cast<size_t> (index)]));
    }

    constexpr const char* versionStart = "\tlv2:minorVersion ";
    constexpr const char* versionAndMakerEnd = "\tdoap:release [\n";

    juce::String versionLines()
    {
        return juce::String ("\tlv2:minorVersion ") + juce::String (PluginIdentity::lv2MinorVersion) + " ;\n"
               + "\tlv2:microVersion " + juce::String (PluginIdentity::lv2MicroVersion) + " ;\n";
    }

    /** The text with its one occurrence of a passage replaced; empty if it has none or more. */
    juce::String withOnceReplaced (const juce::String& text, const juce::String& passage, const juce::String& replacement)
    {
        const auto at = text.indexOf (passage);

        if (at < 0 || text.indexOf (at + 1, passage) >= 0)
            return {};

        return text.substring (0, at) + replacement + text.substring (at + passage.length());
    }

    /** The statements other than the parameters' property declarations, if there was one for each parameter. */
    juce::String withoutPropertyDeclarations (const juce::String& description)
    {
        juce::StringArray kept;
        auto removed = 0;

        for (auto rest = description; rest.isNotEmpty();)
        {
            const auto end = rest.indexOf (statementSeparator);
            const auto statement = end < 0 ? rest : rest.substring (0, end + 2);
            rest = end < 0 ? juce::String() : rest.substring (end + 2);

            if (statement.contains (propertyMarker))
                ++removed;
            else
                kept.add (statement);
        }

        return removed == VevazovAzudAudioProcessor::numParameters ? kept.joinIntoString ({}) : juce::String();
    }
} // namespace

juce::String Lv2Turtle::withParameterPorts (const juce::String& frameworkDescription,
                                            VevazovAzudAudioProcessor& processor,
                                            int firstParameterPort)
{
    auto description = withoutPropertyDeclarations (frameworkDescription);

    const auto listsStart = description.indexOf (propertyListsStart);
    const auto portsStart = description.indexOf (portListStart);
    const auto portsEnd = description.indexOf (portListEnd);
    const auto lastFrameworkPort = "lv2:index " + juce::String (firstParameterPort - 1) + " ;";
    const auto firstOwnPort = "lv2:index " + juce::String (firstParameterPort) + " ;";

    const auto laidOutAsExpected = listsStart >= 0 && listsStart < portsStart && portsStart < portsEnd
                                   && description.lastIndexOf (portListEnd) == portsEnd
                                   && description.contains (lastFrameworkPort) && ! description.contains (firstOwnPort);

    if (! laidOutAsExpected)
        return {};

    juce::String ports;

    for (auto index = 0; index < VevazovAzudAudioProcessor::numParameters; ++index)
        ports << "\t] , [\n"
              << parameterPort (processor, index, firstParameterPort + index);

    return description.substring (0, listsStart)
           + description.substring (portsStart, portsEnd)
           + ports
           + description.substring (portsEnd);
}

juce::String Lv2Turtle::withVersionAndMaker (const juce::String& description)
{
    const auto start = description.indexOf (versionStart);
    const auto end = description.indexOf (versionAndMakerEnd);

    if (start < 0 || end < start || description.lastIndexOf (versionStart) != start)
        return {};

    const auto maker = juce::String()
                       + "\tdoap:maintainer [\n"
                       + "\t\ta foaf:Organization ;\n"
                       + "\t\tfoaf:name \"" + PluginIdentity::maker + "\" ;\n"
                       + "\t\tfoaf:homepage <" + PluginIdentity::makerWebsite + "> ;\n"
                       + "\t] ;\n";

    return description.substring (0, start) + versionLines() + maker + description.substring (end);
}

juce::String Lv2Turtle::manifestWithVersion (const juce::String& frameworkManifest)
{
    const auto entry = juce::String ("<") + JucePlugin_LV2URI + ">\n\ta lv2:Plugin ;\n";
    return withOnceReplaced (frameworkManifest, entry, entry + versionLines());
}
