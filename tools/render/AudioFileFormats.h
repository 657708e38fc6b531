#pragma once

#include <juce_audio_formats/juce_audio_formats.h>

#include <memory>

/** The framework's readers and writers of the files the renderer reads (WAV, AIFF,
    FLAC and Ogg Vorbis) and writes (WAV and FLAC).

    Debian's framework leaves out the sources of its FLAC and Ogg Vorbis codecs, and
    the plug-ins' shared code is built without them, so that no plug-in links a
    codec. The framework's FLAC and Ogg Vorbis formats are compiled for the renderer
    alone, over Debian's libFLAC and libvorbis.
*/
namespace AudioFileFormats
{
    enum class Type
    {
        wav,
        aiff,
        flac,
        oggVorbis
    };

    /** The framework's format of a type. */
    std::unique_ptr<juce::AudioFormat> create (Type);

    /** Every format the renderer reads, for a manager that opens a file's stream by its bytes, whatever its name. */
    void registerReadable (juce::AudioFormatManager&);

    /** The type of a file the framework's reader of that type opened. */
    Type typeOf (const juce::AudioFormatReader&);
} // namespace AudioFileFormats
