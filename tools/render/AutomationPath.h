#pragma once

#include "SourcePosition.h"

#include <juce_core/juce_core.h>

#include <vector>

/** The source's position over time, as a host's automation lines would play it.

    Read from CSV text, one row per point: seconds,azimuth,elevation,distance,width,gain
    in the units of the renderer's options. Trailing columns may be left out (or left
    empty) and keep the previous row's value; the first row takes them from the
    starting position. Times never go backwards; two rows at the same time make a
    jump. Blank lines and lines starting with # are skipped, and the first other line
    may be a header naming the columns. Between rows every value moves in a straight
    line (azimuth too: from 170 to -170 it sweeps through the front); before the first
    row and after the last one the nearest row holds.
*/
class AutomationPath
{
public:
    /** A source that stands still at one position. */
    explicit AutomationPath (const SourcePosition& position);

    struct Parsed;

    /** The path in the text, or the first bad line's number and what is wrong with it. */
    static Parsed parse (const juce::String& text, const SourcePosition& start);

    SourcePosition positionAt (double seconds) const;

private:
    struct Point
    {
        double seconds;
        SourcePosition position;
    };

    AutomationPath() = default;

    std::vector<Point> points;
};

struct AutomationPath::Parsed
{
    std::optional<AutomationPath> path;
    juce::String error;
};
