#include "Lv2Turtle.h"

#include <processor/VevazovAzudAudioProcessor.h>

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

    juce::String parameterPort (VevazovAzudAudioProcessor& processor, int index, int port)
    {
        // Continuous and normalised, as every host sees them.
        return juce::String()
               + "\t\ta lv2:InputPort , lv2:ControlPort ;\n"
               + "\t\tlv2:index " + juce::String (port) + " ;\n"
               + "\t\tlv2:symbol \"" + processor.getParameterID (index) + "\" ;\n"
               + "\t\tlv2:name \"" + processor.getParameterName (index) + "\" ;\n"
               + "\t\tlv2:default " + decimal (processor.getParameterDefaultValue (index)) + " ;\n"
               + "\t\tlv2:minimum 0.0 ;\n"
               + "\t\tlv2:maximum 1.0 ;\n";
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
