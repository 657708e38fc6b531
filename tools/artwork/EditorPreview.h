#pragma once

#include "Catalogue.h"

/** The editor's face as reviewers should judge it: a background with every
    other image of the set composited where the editor draws it, at sample
    values. The value boxes, the pad's markers and the elevation thumb are
    stand-ins for what the components draw themselves.
*/
namespace artwork
{
    enum class EditorView
    {
        top,
        unwrapped
    };

    juce::Image drawEditorPreview (const RenderedSet& set, EditorView view);

    /** The welcome panel open over the top view: the logo card at the panel's
    opacity, with the product title and the maker's link set over it.
*/
    juce::Image drawWelcomePreview (const RenderedSet& set);
} // namespace artwork
