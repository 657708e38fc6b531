#pragma once

#include <cstdint>

/** What the plug-in declares to hosts, in every format. */
namespace PluginIdentity
{
    constexpr const char* name = "Velorin";
    constexpr const char* maker = "Korvanne";
    constexpr const char* versionString = "1.2.0";
    constexpr int versionCode = 0x10200;
    constexpr const char* makerWebsite = "https://www.korvanne.example";

    /** LV2's version of the plug-in, which hosts compare between bundles of one URI.
        The minor version went from 2 to 4 when the parameter ports changed from
        normalised values to units; LV2 marks releases with even minor versions.
    */
    constexpr int lv2MinorVersion = 4;
    constexpr int lv2MicroVersion = 0;

    /** Four-character codes, first character in the most significant byte. */
    constexpr std::uint32_t fourCharCode (const char (&code)[5]) noexcept
    {
        return (static_cast<std::uint32_t> (static_cast<unsigned char> (code[0])) << 24)
               | (static_cast<std::uint32_t> (static_cast<unsigned char> (code[1])) << 16)
               | (static_cast<std::uint32_t> (static_cast<unsigned char> (code[2])) << 8)
               | static_cast<std::uint32_t> (static_cast<unsigned char> (code[3]));
    }

    constexpr std::uint32_t makerCode = fourCharCode ("KoRv");
    constexpr std::uint32_t pluginCode = fourCharCode ("KoVE");

    /** The spatialiser category of the VST 2.4 interface. */
    constexpr int vst2Category = 5;

    /** The reverse-domain name an AAX host registers the effect under. */
    constexpr const char* aaxEffectId = "com.Korvanne.Velorin";

    /** The sound-field category of the AAX interface. */
    constexpr std::uint32_t aaxCategory = 0x200;

    /** The version code's bytes weighted 1000, 100, 10 and 1 from the most significant: 1.2.0 gives 120. */
    constexpr int vst2VersionNumber (int code) noexcept
    {
        return ((code >> 24) & 0xff) * 1000 + ((code >> 16) & 0xff) * 100 + ((code >> 8) & 0xff) * 10 + (code & 0xff);
    }

    static_assert (makerCode == 0x4B6F5276);
    static_assert (pluginCode == 0x4B6F5645);
    static_assert (vst2VersionNumber (versionCode) == 120);
} // namespace PluginIdentity
