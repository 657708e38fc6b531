#include "ProcessorState.h"

#include "ProcessWide.h"
#include "TextForms.h"
#include "VevazovAzudAudioProcessor.h"

#include <string_view>

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
        inputConfigID
    };

    struct KeyName
    {
        Key key;
        const char* name;
    };

    // clang-format off
    // Save order, and the order in which restore matches names.
    constexpr std::array<KeyName, 18> keys {{
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
    }};
    // clang-format on

    juce::String textOf (Processor& processor, Key key)
    {
        const auto& scene = getSceneSettings();
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

    // The framework's XML parser loops for ever when a processing instruction is
    // followed by text inside an element, and expands entities from a document
    // type. A saved state holds neither: after an optional leading XML declaration,
    // "<?" may not appear anywhere, and "<!" only to open a comment or CDATA.
    bool holdsOnlyPlainMarkup (std::string_view text) noexcept
    {
        auto start = text.find_first_not_of (" \t\r\n");

        if (start != std::string_view::npos && text.compare (start, 6, "<?xml ") == 0)
        {
            const auto end = text.find ("?>", start);

            if (end == std::string_view::npos)
                return false;

            start = end + 2;
        }

        for (auto i = text.find ('<', start); i != std::string_view::npos; i = text.find ('<', i + 1))
        {
            const auto rest = text.substr (i);

            if (rest.size() > 1 && rest[1] == '?')
                return false;

            if (rest.size() > 1 && rest[1] == '!' && rest.compare (0, 4, "<!--") != 0 && rest.compare (0, 9, "<![CDATA[") != 0)
                return false;
        }

        return true;
    }

    // The parser also recurses once per nesting level. This bound is exact for
    // well-formed documents and only ever higher for others.
    bool isNestingWithin (std::string_view text, int maxDepth) noexcept
    {
        auto depth = 0;

        for (size_t i = 0; i < text.size(); ++i)
        {
            if (text[i] != '<' || i + 1 >= text.size())
                continue;

            if (text.compare (i, 4, "<!--") == 0)
            {
                i = std::min (text.size(), text.find ("-->", i));
                continue;
            }

            if (text.compare (i, 9, "<![CDATA[") == 0)
            {
                i = std::min (text.size(), text.find ("]]>", i));
                continue;
            }

            const auto closing = text[i + 1] == '/';

            if (! closing && ++depth > maxDepth)
                return false;

            // To the end of the tag, quoted attribute values skipped whole.
            for (char quote = 0; i < text.size(); ++i)
            {
                if (quote != 0)
                    quote = (text[i] == quote) ? 0 : quote;
                else if (text[i] == '"' || text[i] == '\'')
                    quote = text[i];
                else if (text[i] == '>')
                    break;
            }

            if (closing || (i < text.size() && text[i - 1] == '/'))
                depth = std::max (0, depth - 1);
        }

        return true;
    }
} // namespace

//==============================================================================
std::unique_ptr<juce::XmlElement> ProcessorState::createDocument (Processor& processor)
{
    auto root = std::make_unique<juce::XmlElement> ("Root");

    for (const auto& entry : keys)
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

std::unique_ptr<juce::XmlElement> ProcessorState::unwrapDocument (const void* data, int sizeInBytes)
{
    if (data == nullptr || sizeInBytes <= headerSize || juce::ByteOrder::littleEndianInt (data) != magicNumber)
        return {};

    const auto declaredLength = static_cast<juce::int32> (juce::ByteOrder::littleEndianInt (juce::addBytesToPointer (data, 4)));

    if (declaredLength <= 0)
        return {};

    const auto* text = static_cast<const char*> (data) + headerSize;
    auto length = static_cast<size_t> (std::min (declaredLength, sizeInBytes - headerSize));
    length = static_cast<size_t> (std::find (text, text + length, '\0') - text);

    if (! juce::CharPointer_UTF8::isValidString (text, static_cast<int> (length))
        || ! holdsOnlyPlainMarkup (std::string_view (text, length))
        || ! isNestingWithin (std::string_view (text, length), maxNestingDepth))
        return {};

    // Whitespace is content here: a label of spaces must come back as it went.
    juce::XmlDocument document (juce::String::fromUTF8 (text, static_cast<int> (length)));
    document.setEmptyTextElementsIgnored (false);
    return document.getDocumentElement();
}

void ProcessorState::restore (Processor& processor, const void* data, int sizeInBytes)
{
    const auto document = unwrapDocument (data, sizeInBytes);

    if (document == nullptr)
        return;

    for (auto* element : document->getChildIterator())
        applyElement (processor, element->getTagName(), element->getAllSubText());

    processor.raiseRefreshFlags();
}

void ProcessorState::applyElement (Processor& processor, const juce::String& name, const juce::String& text)
{
    const auto match = std::find_if (keys.begin(), keys.end(), [&] (const KeyName& entry)
                                     { return namesMatchIgnoringAsciiCase (name, entry.name); });

    if (match == keys.end())
        return;

    auto& scene = getSceneSettings();
    auto* services = getProcessWideServices();
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
        case Key::windowX: scene.transparentWindowX = whole; break;
        case Key::windowY: scene.transparentWindowY = whole; break;
        case Key::windowWidth: scene.transparentWindowWidth = whole; break;

        case Key::windowHeight:
            scene.transparentWindowHeight = whole;

            if (services != nullptr)
                services->applySceneWindowBounds();

            break;

        case Key::windowIsVisible:
            scene.transparentWindowIsVisible = (value != 0.0f);

            if (services != nullptr)
                services->applySceneWindowVisibility();

            break;

        case Key::windowShowAllLabels: scene.transparentWindowShowAllWidgetLabels = TextForms::leadingInteger (text) != 0; break;
        case Key::widgetColour: processor.setWidgetColour (juce::Colour (TextForms::scanHexDigits (text))); break;
        case Key::widgetIsVisible: processor.setParameter (Processor::showOnSceneIndex, value); break;
        case Key::widgetLabel: processor.widgetLabel = withXmlLineBreaks (text); break;
        case Key::inputConfigID: processor.restoreInputConfig (whole); break;
    }
}
