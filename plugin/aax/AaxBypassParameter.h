#pragma once

/** The master bypass parameter the AAX wrapper adds beside the processor's own:
    its identifier, its name in the room a host allows, and its value texts.
*/
namespace AaxBypassParameter
{
    constexpr const char* identifier = "MasterBypassID";

    /** The longest name that fits in maxLength characters; the shortest when none fits. */
    const char* nameForLength (int maxLength) noexcept;

    /** "Off" for 0; otherwise the bypassed text that fits in maxLength characters. */
    const char* valueText (double value, int maxLength) noexcept;
} // namespace AaxBypassParameter
