#include "AutomationPath.h"

#include "NumberText.h"

namespace
{
    // Time comes first, then the position fields in their order.
    constexpr int numColumns = static_cast<int> (positionFields.size()) + 1;

    juce::String columnName (int column)
    {
        return column == 0 ? "seconds" : positionFields[static_cast<size_t> (column - 1)].name;
    }

    bool isSkipped (const juce::String& line)
    {
        const auto trimmed = line.trim();
        return trimmed.isEmpty() || trimmed.startsWithChar ('#');
    }

    juce::StringArray splitRow (const juce::String& line)
    {
        auto cells = juce::StringArray::fromTokens (line, ",", {});
        cells.trim();

        // Spreadsheets write every column, leaving the cells of the unset ones empty.
        while (cells.size() > 1 && cells[cells.size() - 1].isEmpty())
            cells.remove (cells.size() - 1);

        return cells;
    }

    bool isHeader (const juce::StringArray& cells)
    {
        if (cells.size() > numColumns)
            return false;

        for (auto column = 0; column < cells.size(); ++column)
            if (! cells[column].equalsIgnoreCase (columnName (column)))
                return false;

        return true;
    }

    /** Reads one cell into the point, or says what is wrong with it. */
    juce::String readCell (const juce::String& cell, int column, double& seconds, SourcePosition& position)
    {
        const auto name = columnName (column);

        if (cell.isEmpty())
            return column == 0 ? "no time" : "no " + name + " value before a later column";

        const auto number = parseNumber (cell);

        if (! number.has_value())
            return name + " \"" + cell + "\" is not a number";

        if (column == 0)
        {
            if (*number < 0.0)
                return "seconds " + cell + " is negative";

            seconds = *number;
            return {};
        }

        const auto& field = positionFields[static_cast<size_t> (column - 1)];

        if (auto problem = rangeProblem (name, cell, *number, field.minimum, field.maximum, field.unit); problem.isNotEmpty())
            return problem;

        position.*field.member = static_cast<float> (*number);
        return {};
    }
} // namespace

AutomationPath::AutomationPath (const SourcePosition& position)
    : points { { 0.0, position } }
{
}

AutomationPath::Parsed AutomationPath::parse (const juce::String& text, const SourcePosition& start)
{
    AutomationPath path;
    auto seconds = 0.0;
    auto position = start;
    auto headerAllowed = true;
    const auto lines = juce::StringArray::fromLines (text);

    for (auto index = 0; index < lines.size(); ++index)
    {
        if (isSkipped (lines[index]))
            continue;

        const auto cells = splitRow (lines[index]);

        if (std::exchange (headerAllowed, false) && isHeader (cells))
            continue;

        const auto where = "line " + juce::String (index + 1) + ": ";

        if (cells.size() > numColumns)
            return { {}, where + juce::String (cells.size()) + " values; a row has at most " + juce::String (numColumns) + " (seconds,azimuth,elevation,distance,width,gain)" };

        const auto previousSeconds = seconds;

        for (auto column = 0; column < cells.size(); ++column)
            if (auto problem = readCell (cells[column], column, seconds, position); problem.isNotEmpty())
                return { {}, where + problem };

        if (seconds < previousSeconds)
            return { {}, where + "time " + cells[0] + " s comes before the previous row's " + juce::String (previousSeconds) + " s" };

        path.points.push_back ({ seconds, position });
    }

    if (path.points.empty())
        return { {}, "has no rows" };

    return { path, {} };
}

SourcePosition AutomationPath::positionAt (double seconds) const
{
    const auto next = std::upper_bound (points.begin(), points.end(), seconds, [] (double time, const Point& point)
                                        { return time < point.seconds; });

    if (next == points.begin())
        return points.front().position;

    if (next == points.end())
        return points.back().position;

    const auto& from = *(next - 1);
    const auto proportion = static_cast<float> ((seconds - from.seconds) / (next->seconds - from.seconds));
    SourcePosition position;

    for (const auto& field : positionFields)
        position.*field.member = juce::jmap (proportion, from.position.*field.member, next->position.*field.member);

    return position;
}
