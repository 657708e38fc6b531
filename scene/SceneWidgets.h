#pragma once

#include "SceneWidget.h"

#include <vector>

/** The process-wide list of live instances, in the order they registered. The
    scene draws one marker per record and moves an instance's source by writing
    its parameters as a host would see a user do it.

    Only the message thread touches the list; an index names the same instance
    only until the next removal.
*/
class SceneWidgets
{
public:
    SceneWidgets() = default;
    ~SceneWidgets();

    /** Appends a record built from the instance's parameters 0-3. */
    void registerInstance (VevazovAzudAudioProcessor&);

    /** Removes the instance's first record; returns whether the list is now empty. */
    bool unregisterInstance (VevazovAzudAudioProcessor&);

    /** Copies every instance's visibility, and everything else of the instances
        that flagged a change; returns whether any record took new values.
    */
    bool refresh();

    int size() const noexcept { return static_cast<int> (records.size()); }
    bool isEmpty() const noexcept { return records.empty(); }
    const SceneWidget& operator[] (int index) const { return records[static_cast<size_t> (index)]; }
    bool isValidIndex (int index) const noexcept { return juce::isPositiveAndBelow (index, size()); }

    /** A drag of the record's marker starts: the instance's Azimuth and Elevation are grabbed. */
    void beginMove (int index);

    /** The marker is dragged to scene position (x, y): Azimuth x and Elevation 1 - y. */
    void moveTo (int index, float x, float y);

    /** The drag ends: Azimuth and Elevation are let go. */
    void endMove (int index);

private:
    void copyFromInstance (SceneWidget&);
    VevazovAzudAudioProcessor* processorAt (int index) const noexcept;

    std::vector<SceneWidget> records;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SceneWidgets)
};
