#include "ProcessorState.h"

#include "ProcessWide.h"
#include "TextForms.h"
#include "VevazovAzudAudioProcessor.h"

#include <pugixml.hpp>

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    constexpr int headerSize = 8;

    enum class Key
    {
        gain,
        azi,
        ele,
        dist,
        width,
        idxGUI,
        idxOutputConfig,
        idxDistAttenuationFactor,
        windowX,
        windowY,
        windowWidth,
        windowHeight,
        windowIsVisible,
        windowShowAllLabels,
        widgetColour,
        widgetIsVisible,
        widgetLabel,
        inputConfigID,
        admOscObject,
        admOscSend,
        admOscSendHost,
        admOscSendPort,
        admOscReceive,
        admOscReceivePort,
        admOscSendAs
    };

    struct KeyName
    {
        Key key;
        const char* name;
    };

    // clang-format off
    // Save order, and the order in which restore matches names. The ADM-OSC keys
    // follow the others and are written only when some setting is not its default,
    // so that an instance that never used it saves what it always did; the form
    // positions are sent in is written only when it is not polar, so that a state
    // from before the choice existed saves as it always did too.
    constexpr std::array<KeyName, 25> keys {{
        { Key::gain,                     "Gain" },
        { Key::azi,                      "Azi" },
        { Key::ele,                      "Ele" },
        { Key::dist,                     "Dist" },
        { Key::width,                    "Width" },
        { Key::idxGUI,                   "idxGUI" },
        { Key::idxOutputConfig,          "idxOutputConfig" },
        { Key::idxDistAttenuationFactor, "idxDistAttenuationFactor" },
        { Key::windowX,                  "transparentWindowX" },
        { Key::windowY,                  "transparentWindowY" },
        { Key::windowWidth,              "transparentWindowWidth" },
        { Key::windowHeight,             "transparentWindowHeight" },
        { Key::windowIsVisible,          "transparentWindowIsVisible" },
        { Key::windowShowAllLabels,      "transparentWindowShowAllWidgetLabels" },
        { Key::widgetColour,             "widgetColour" },
        { Key::widgetIsVisible,          "widgetIsVisible" },
        { Key::widgetLabel,              "widgetLabel" },
        { Key::inputConfigID,            "inputConfigID" },
        { Key::admOscObject,             "admOscObject" },
        { Key::admOscSend,               "admOscSend" },
        { Key::admOscSendHost,           "admOscSendHost" },
        { Key::admOscSendPort,           "admOscSendPort" },
        { Key::admOscReceive,            "admOscReceive" },
        { Key::admOscReceivePort,        "admOscReceivePort" },
        { Key::admOscSendAs,             "admOscSendAs" },
    }};
    // clang-format on

    constexpr size_t numAlwaysWrittenKeys = 18;

    bool isAdmOscKey (Key key) noexcept
    {
        return static_cast<size_t> (key) >= numAlwaysWrittenKeys;
    }

    juce::String textOf (Processor& processor, Key key)
    {
        const auto& scene = getSceneSettings();
        const auto& osc = processor.getAdmOscSettings();
        const auto real = [&] (int index)
        { return TextForms::shortDecimal (processor.getParameter (index)); };
        const auto flag = [] (bool value)
        { return juce::String (value ? 1 : 0); };

        switch (key)
        {
            case Key::gain: return real (Processor::gainIndex);
            case Key::azi: return real (Processor::azimuthIndex);
            case Key::ele: return real (Processor::elevationIndex);
            case Key::dist: return real (Processor::distanceIndex);
            case Key::width: return real (Processor::widthIndex);
            case Key::idxGUI: return juce::String (processor.getIdxGUI());
            case Key::idxOutputConfig: return juce::String (processor.getIdxOutputConfig());
            case Key::idxDistAttenuationFactor: return juce::String (processor.getIdxDistAttenuationFactor());
            case Key::windowX: return juce::String (scene.transparentWindowX);
            case Key::windowY: return juce::String (scene.transparentWindowY);
            case Key::windowWidth: return juce::String (scene.transparentWindowWidth);
            case Key::windowHeight: return juce::String (scene.transparentWindowHeight);
            case Key::windowIsVisible: return flag (scene.transparentWindowIsVisible);
            case Key::windowShowAllLabels: return flag (scene.transparentWindowShowAllWidgetLabels);
            case Key::widgetColour: return TextForms::hexColour (processor.getWidgetColour().getARGB());
            case Key::widgetIsVisible: return flag (processor.getWidgetIsVisible());
            case Key::widgetLabel: return processor.getWidgetLabel();
            case Key::inputConfigID: return juce::String (processor.getInputConfigID());
            case Key::admOscObject: return juce::String (osc.objectNumber);
            case Key::admOscSend: return flag (osc.sendEnabled);
            case Key::admOscSendHost: return osc.sendHost;
            case Key::admOscSendPort: return juce::String (osc.sendPort);
            case Key::admOscReceive: return flag (osc.receiveEnabled);
            case Key::admOscReceivePort: return juce::String (osc.receivePort);
            case Key::admOscSendAs: return juce::String (static_cast<int> (osc.sendAs));
        }

        return {};
    }

    // A carriage return is written out raw and read back as a line feed, as XML
    // reads line ends: taking it that way at once makes every later save the same.
    juce::String withXmlLineBreaks (const juce::String& text)
    {
        return text.replace ("\r\n", "\n").replaceCharacter ('\r', '\n');
    }

    bool namesMatchIgnoringAsciiCase (const juce::String& a, const char* b) noexcept
    {
        auto p = a.getCharPointer();

        for (; *b != 0; ++p, ++b)
        {
            const auto lower = [] (juce::juce_wchar c)
            { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };

            if (p.isEmpty() || lower (*p) != lower (static_cast<juce::juce_wchar> (*b)))
                return false;
        }

        return p.isEmpty();
    }

    bool isAdmOscName (const juce::String& name) noexcept
    {
        return std::any_of (keys.begin(), keys.end(), [&] (const KeyName& entry)
                            { return isAdmOscKey (entry.key) && namesMatchIgnoringAsciiCase (name, entry.name); });
    }

    /** Text of the document as a string, when it is well-formed UTF-8: character
        references can spell code points that UTF-8 does not allow.
    */
    std::optional<juce::String> stringOf (const char* text)
    {
        const std::string_view bytes (text);

        if (! TextForms::isWellFormedUtf8 (bytes))
            return {};

        return juce::String::fromUTF8 (bytes.data(), static_cast<int> (bytes.size()));
    }

    /** Every piece of text inside a node, in document order, CDATA included. */
    class TextCollector : public pugi::xml_tree_walker
    {
    public:
        bool for_each (pugi::xml_node& node) override
        {
            if (node.type() != pugi::node_pcdata && node.type() != pugi::node_cdata)
                return true;

            const auto piece = stringOf (node.value());

            if (! piece.has_value())
                text.reset();
            else if (text.has_value())
                *text << *piece;

            return text.has_value();
        }

        std::optional<juce::String> text { juce::String() };
    };

    std::optional<juce::String> allTextIn (pugi::xml_node element)
    {
        TextCollector collector;
        element.traverse (collector);
        return collector.text;
    }
} // namespace

//==============================================================================
std::unique_ptr<juce::XmlElement> ProcessorState::createDocument (Processor& processor)
{
    auto root = std::make_unique<juce::XmlElement> ("Root");
    const auto& osc = processor.getAdmOscSettings();
    const auto withAdmOsc = ! osc.isDefault();
    const auto withSendAs = osc.sendAs != AdmOscSettings().sendAs;

    for (const auto& entry : keys)
        if (! isAdmOscKey (entry.key) || (withAdmOsc && (entry.key != Key::admOscSendAs || withSendAs)))
            root->createNewChildElement (entry.name)->addTextElement (textOf (processor, entry.key));

    return root;
}

void ProcessorState::save (Processor& processor, juce::MemoryBlock& destination)
{
    destination.reset();

    {
        juce::MemoryOutputStream out (destination, false);
        out.writeInt (static_cast<int> (magicNumber));
        out.writeInt (0);
        createDocument (processor)->writeTo (out, juce::XmlElement::TextFormat().singleLine().withoutHeader());
        out.writeByte (0);
    }

    const auto textLength = juce::ByteOrder::swapIfBigEndian (static_cast<juce::uint32> (destination.getSize() - (headerSize + 1)));
    destination.copyFrom (&textLength, 4, sizeof (textLength));
}

std::optional<std::vector<ProcessorState::Entry>> ProcessorState::readEntries (const void* data, int sizeInBytes)
{
    if (data == nullptr || sizeInBytes <= headerSize || juce::ByteOrder::littleEndianInt (data) != magicNumber)
        return {};

    const auto declaredLength = static_cast<juce::int32> (juce::ByteOrder::littleEndianInt (juce::addBytesToPointer (data, 4)));

    if (declaredLength <= 0)
        return {};

    const auto* text = static_cast<const char*> (data) + headerSize;
    auto length = static_cast<size_t> (std::min (declaredLength, sizeInBytes - headerSize));
    length = static_cast<size_t> (std::find (text, text + length, '\0') - text);

    if (! TextForms::isWellFormedUtf8 (std::string_view (text, length)))
        return {};

    // A hardened parser reads what hosts hand back: the framework's own XML reader
    // can loop for ever or read past the end of malformed text. Whitespace is
    // content here, so that a label of spaces comes back as it went.
    pugi::xml_document document;

    if (! document.load_buffer (text, length, pugi::parse_default | pugi::parse_ws_pcdata, pugi::encoding_utf8))
        return {};

    const auto root = document.document_element();

    if (! root)
        return {};

    std::vector<Entry> entries;

    for (const auto child : root.children())
    {
        if (child.type() != pugi::node_element)
            continue;

        const auto name = stringOf (child.name());
        const auto content = allTextIn (child);

        if (! name.has_value() || ! content.has_value())
            return {};

        entries.push_back ({ *name, *content });
    }

    return entries;
}

void ProcessorState::restore (Processor& processor, const void* data, int sizeInBytes)
{
    const auto entries = readEntries (data, sizeInBytes);

    if (! entries.has_value())
        return;

    processor.stateRestored = true;

    // The ADM-OSC settings are taken together at the end, so that the connection
    // changes once rather than for every key (a state that carries them names the
    // form positions are sent in only when it is not polar); so are the scene's, so
    // that the window's own moves on the message thread never come between them.
    auto osc = processor.getAdmOscSettings();
    SceneSettingsChange scene;

    if (std::any_of (entries->begin(), entries->end(), [] (const Entry& entry)
                     { return isAdmOscName (entry.name); }))
        osc.sendAs = AdmOscSettings().sendAs;

    for (const auto& entry : *entries)
        applyElement (processor, entry.name, entry.text, osc, scene);

    processor.setAdmOscSettings (osc);

    if (! scene.isEmpty())
    {
        if (auto* services = getProcessWideServices())
            services->restoreSceneSettings (scene);
        else
            scene.applyTo (getSceneSettings());
    }

    processor.raiseRefreshFlags();
}

void ProcessorState::applyElement (Processor& processor, const juce::String& name, const juce::String& text, AdmOscSettings& osc, SceneSettingsChange& scene)
{
    const auto match = std::find_if (keys.begin(), keys.end(), [&] (const KeyName& entry)
                                     { return namesMatchIgnoringAsciiCase (name, entry.name); });

    if (match == keys.end())
        return;

    const auto real = TextForms::readReal (text);
    const auto value = TextForms::toFloat (real);
    const auto whole = TextForms::truncateToInt (real);

    switch (match->key)
    {
        case Key::gain: processor.setParameter (Processor::gainIndex, value); break;
        case Key::azi: processor.setParameter (Processor::azimuthIndex, value); break;
        case Key::ele: processor.setParameter (Processor::elevationIndex, value); break;
        case Key::dist: processor.setParameter (Processor::distanceIndex, value); break;
        case Key::width: processor.setParameter (Processor::widthIndex, value); break;
        case Key::idxGUI: processor.setIdxGUI (whole); break;
        case Key::idxOutputConfig: processor.setOutputConfig (whole); break;
        case Key::idxDistAttenuationFactor: processor.setDistAttenuationFactor (whole); break;
        case Key::windowX: scene.x = whole; break;
        case Key::windowY: scene.y = whole; break;
        case Key::windowWidth: scene.width = whole; break;
        case Key::windowHeight: scene.height = whole; break;
        case Key::windowIsVisible: scene.isVisible = (value != 0.0f); break;
        case Key::windowShowAllLabels: scene.showAllWidgetLabels = TextForms::leadingInteger (text) != 0; break;
        case Key::widgetColour: processor.setWidgetColour (juce::Colour (TextForms::scanHexDigits (text))); break;
        case Key::widgetIsVisible: processor.setParameter (Processor::showOnSceneIndex, value); break;
        case Key::widgetLabel: processor.widgetLabel = withXmlLineBreaks (text); break;
        case Key::inputConfigID: processor.restoreInputConfig (whole); break;
        case Key::admOscObject: osc.objectNumber = whole; break;
        case Key::admOscSend: osc.sendEnabled = whole != 0; break;
        case Key::admOscSendHost: osc.sendHost = withXmlLineBreaks (text).trim(); break;
        case Key::admOscSendPort: osc.sendPort = whole; break;
        case Key::admOscReceive: osc.receiveEnabled = whole != 0; break;
        case Key::admOscReceivePort: osc.receivePort = whole; break;
        case Key::admOscSendAs: osc.sendAs = static_cast<AdmOscSettings::SendAs> (juce::jlimit (0, AdmOscSettings::numSendAs - 1, whole)); break;
    }
}
