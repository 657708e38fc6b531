// The framework's FLAC and Ogg Vorbis formats, which the shared code leaves out,
// compiled here over Debian's libraries: its modules include the codecs' system
// headers when their own copies of the codecs are not to be included.
#undef JUCE_USE_FLAC
#define JUCE_USE_FLAC 1
#undef JUCE_USE_OGGVORBIS
#define JUCE_USE_OGGVORBIS 1
#define JUCE_INCLUDE_FLAC_CODE 0
#define JUCE_INCLUDE_OGGVORBIS_CODE 0

#include "AudioFileFormats.h"

#include <juce_audio_formats/codecs/juce_FlacAudioFormat.cpp>
#include <juce_audio_formats/codecs/juce_OggVorbisAudioFormat.cpp>

std::unique_ptr<juce::AudioFormat> AudioFileFormats::create (Type type)
{
    switch (type)
    {
        case Type::aiff: return std::make_unique<juce::AiffAudioFormat>();
        case Type::flac: return std::make_unique<juce::FlacAudioFormat>();
        case Type::oggVorbis: return std::make_unique<juce::OggVorbisAudioFormat>();
        case Type::wav: break;
    }

    return std::make_unique<juce::WavAudioFormat>();
}

void AudioFileFormats::registerReadable (juce::AudioFormatManager& manager)
{
    for (const auto type : { Type::wav, Type::aiff, Type::flac, Type::oggVorbis })
        manager.registerFormat (create (type).release(), type == Type::wav);
}

AudioFileFormats::Type AudioFileFormats::typeOf (const juce::AudioFormatReader& reader)
{
    for (const auto type : { Type::aiff, Type::flac, Type::oggVorbis })
        if (reader.getFormatName() == create (type)->getFormatName())
            return type;

    return Type::wav;
}
