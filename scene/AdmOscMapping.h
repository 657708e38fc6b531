#pragma once

#include <juce_core/juce_core.h>

#include <array>

/** ADM-OSC's grammar and its conventions against the instance's parameters.

    ADM-OSC names an object's properties under /adm/obj/{n}/..., n counting from 1.
    Its azimuth turns positive to the LEFT (a front-left speaker is +30 degrees),
    the instance's Azimuth to the right; elevation is in degrees, up positive; its
    distance is normalised, and the instance's Distance, 4 m at 1.0, is already
    that normalised distance ("dmax" 4). Its "w" (0 a point, 1 the widest extent)
    is the instance's Width, the share of its layout's spread, and "gain" is linear.

    Cartesian positions (x right, y front, z up, each -1..1) convert to polar with
    the axis convention of the ITU-R BS.2127 renderer that ADM-OSC refers to:
    distance is the length of (x, y, z), azimuth -atan2 (x, y), elevation
    asin (z / distance); a corner of the cube lies beyond the unit sphere, so the
    distance is then limited to 1.

    Values out of their range are brought into it, never refused: angles of
    azimuth wrap round (190 degrees is -170), everything else is clamped.
*/
namespace AdmOsc
{
    /** Where replies to queries go, on the asker's address. */
    constexpr int replyPort = 4002;

    /** Metres at the normalised distance 1. */
    constexpr float maximumDistanceMetres = 4.0f;

    /** Object names are at most this many characters. */
    constexpr int maximumNameLength = 128;

    enum class Kind
    {
        aed,
        azim,
        elev,
        dist,
        xyz,
        x,
        y,
        z,
        w,
        gain,
        name,
        dmax,
        dref,
        mute
    };

    /** A property, its name and, where tools spell it two ways, the other spelling. */
    struct KindInfo
    {
        Kind kind;
        const char* name;
        int numValues;
        const char* otherSpelling = nullptr;
    };

    // clang-format off
    constexpr std::array<KindInfo, 14> kinds {{
        { Kind::aed,  "aed",  3 },
        { Kind::azim, "azim", 1 },
        { Kind::elev, "elev", 1 },
        { Kind::dist, "dist", 1 },
        { Kind::xyz,  "xyz",  3 },
        { Kind::x,    "x",    1 },
        { Kind::y,    "y",    1 },
        { Kind::z,    "z",    1 },
        { Kind::w,    "w",    1 },
        { Kind::gain, "gain", 1 },
        { Kind::name, "name", 1 },
        { Kind::dmax, "dmax", 1, "dMax" },
        { Kind::dref, "dref", 1, "dRef" },
        { Kind::mute, "mute", 1 },
    }};
    // clang-format on

    constexpr const KindInfo& infoFor (Kind kind) noexcept
    {
        return kinds[static_cast<size_t> (kind)];
    }

    /** Whether a received value of the property moves the source, its width or its
        gain; the distance scale (dmax), reference distance (dref) and mute are
        understood, but the instance has nothing they could change.
    */
    constexpr bool movesTheSource (Kind kind) noexcept
    {
        return kind != Kind::name && kind != Kind::dmax && kind != Kind::dref && kind != Kind::mute;
    }

    /** Whether a query for the property is answered: all but the reference distance, which the instance has none of. */
    constexpr bool isAnswered (Kind kind) noexcept
    {
        return kind != Kind::dref;
    }

    /** "/adm/obj/3/aed" */
    juce::String addressOf (int objectNumber, Kind);

    /** "/adm/obj/3/dMax": the address with the property spelled as given. */
    juce::String addressOf (int objectNumber, const char* property);

    /** A position in ADM-OSC's polar terms: degrees (azimuth positive left) and the normalised distance. */
    struct Polar
    {
        float azimuth = 0.0f;
        float elevation = 0.0f;
        float distance = 0.0f;

        bool operator== (const Polar& other) const noexcept
        {
            return azimuth == other.azimuth && elevation == other.elevation && distance == other.distance;
        }

        bool operator!= (const Polar& other) const noexcept { return ! operator== (other); }
    };

    /** A position in ADM-OSC's Cartesian terms: x right, y front, z up. */
    struct Cartesian
    {
        float x = 0.0f;
        float y = 0.0f;
        float z = 0.0f;
    };

    //==============================================================================
    // From the instance's normalised parameters to what is sent. Parameters that a
    // host left out of 0..1 are taken at the nearest end, and a value that is not a
    // number at its default, so that only finite values in range go out.

    Polar polarFromParameters (float azimuth, float elevation, float distance) noexcept;
    float widthFromParameter (float width) noexcept;
    float gainFromParameter (float gain) noexcept;

    //==============================================================================
    // From received values (finite) to normalised parameters.

    float azimuthParameter (float degreesLeft) noexcept;
    float elevationParameter (float degreesUp) noexcept;
    float distanceParameter (float distance) noexcept;
    float widthParameter (float extent) noexcept;

    /** Linear gain to the Gain parameter (100 v - 90 dB): 1 is 0 dB; nothing, or less
        than -90 dB, is the quietest the instance goes, -90 dB; above +10 dB, +10 dB.
    */
    float gainParameter (float linear) noexcept;

    //==============================================================================
    Polar polarFromCartesian (Cartesian) noexcept;
    Cartesian cartesianFromPolar (Polar) noexcept;
} // namespace AdmOsc
