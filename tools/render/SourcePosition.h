#pragma once

#include <processor/ParameterUnits.h>

#include <array>

/** Where the source stands and how loud it is, in the units the editor shows. */
struct SourcePosition
{
    float azimuthDegrees = 0.0f;
    float elevationDegrees = 0.0f;
    float distanceMetres = 1.0f;
    float widthPercent = 0.0f;
    float gainDecibels = 0.0f;
};

/** One of the five values that place the source: its option name (after "--")
    and path-file column, and its unit and range. Entry i drives parameter i, whose
    normalised value it becomes as a value typed into the editor's knob does.
*/
struct PositionField
{
    const char* name;
    const char* unit;
    float minimum;
    float maximum;
    float SourcePosition::*member;
    const char* help;
};

// clang-format off
// In host parameter order: entry i drives parameter i.
constexpr std::array<PositionField, 5> positionFields {{
    { "azimuth",   "degrees", -180.0f, 180.0f, &SourcePosition::azimuthDegrees,   "source direction, clockwise seen from above (default 0, straight ahead)" },
    { "elevation", "degrees",  -90.0f,  90.0f, &SourcePosition::elevationDegrees, "source elevation, positive upward (default 0)" },
    { "distance",  "metres",     0.0f,   4.0f, &SourcePosition::distanceMetres,   "source distance; below 1 m the source rises toward the zenith (default 1)" },
    { "width",     "percent",    0.0f, 100.0f, &SourcePosition::widthPercent,     "spread of the input channels around the source (default 0)" },
    { "gain",      "dB",       -90.0f,  10.0f, &SourcePosition::gainDecibels,     "output gain (default 0)" },
}};
// clang-format on

constexpr bool hasTheParametersRanges (const decltype (positionFields)& fields)
{
    for (size_t index = 0; index < fields.size(); ++index)
        if (static_cast<double> (fields[index].minimum) != ParameterUnits::ranges[index].minimum
            || static_cast<double> (fields[index].maximum) != ParameterUnits::ranges[index].maximum)
            return false;

    return fields.size() == ParameterUnits::ranges.size();
}

static_assert (hasTheParametersRanges (positionFields), "the options take each parameter over its whole range");
