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
    and path-file column, its unit and range, and the host parameter value it becomes.
*/
struct PositionField
{
    const char* name;
    const char* unit;
    float minimum;
    float maximum;
    float SourcePosition::*member;
    float (*parameterValue) (float);
    const char* help;
};

// clang-format off
// In host parameter order: entry i drives parameter i.
constexpr std::array<PositionField, 5> positionFields {{
    { "azimuth",   "degrees", -180.0f, 180.0f, &SourcePosition::azimuthDegrees,   ParameterUnits::azimuthValue,   "source direction, clockwise seen from above (default 0, straight ahead)" },
    { "elevation", "degrees",  -90.0f,  90.0f, &SourcePosition::elevationDegrees, ParameterUnits::elevationValue, "source elevation, positive upward (default 0)" },
    { "distance",  "metres",     0.0f,   4.0f, &SourcePosition::distanceMetres,   ParameterUnits::distanceValue,  "source distance; below 1 m the source rises toward the zenith (default 1)" },
    { "width",     "percent",    0.0f, 100.0f, &SourcePosition::widthPercent,     ParameterUnits::widthValue,     "spread of the input channels around the source (default 0)" },
    { "gain",      "dB",       -90.0f,  10.0f, &SourcePosition::gainDecibels,     ParameterUnits::gainValue,      "output gain (default 0)" },
}};
// clang-format on
