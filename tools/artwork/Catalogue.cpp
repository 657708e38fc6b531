#include "Catalogue.h"

#include "Backgrounds.h"
#include "Icons.h"
#include "KnobFilmstrips.h"
#include "MeterStrips.h"
#include "WelcomeLogo.h"

namespace artwork
{
    namespace
    {
        // High enough that 1-pixel rules and small captions survive the compression.
        constexpr float jpegQuality = 0.95f;

        juce::Image drawStereoStrip() { return drawInputMeterStrip (InputLayoutGroup::stereo); }
        juce::Image drawQuadStrip() { return drawInputMeterStrip (InputLayoutGroup::quad); }
        juce::Image drawFiveOneStrip() { return drawInputMeterStrip (InputLayoutGroup::fiveOne); }
        juce::Image drawSevenOneStrip() { return drawInputMeterStrip (InputLayoutGroup::sevenOne); }
        juce::Image drawEightZeroStrip() { return drawInputMeterStrip (InputLayoutGroup::eightZero); }

        // The output channels in the order the processor writes them.
        juce::Image drawFumaOrderLabel() { return drawChannelOrderLabel ("WXYZ"); }
        juce::Image drawAmbixOrderLabel() { return drawChannelOrderLabel ("WYZX"); }

        juce::Image drawLightEye() { return drawEyeIcon (false); }
        juce::Image drawDarkEye() { return drawEyeIcon (true); }
    } // namespace

    const std::vector<Resource>& catalogue()
    {
        static const std::vector<Resource> resources {
            { "GUI_top.jpg", 556, 503, Encoding::jpeg, drawTopViewBackground },
            { "GUI_cote.jpg", 556, 503, Encoding::jpeg, drawUnwrappedViewBackground },
            { "bouton_AW_Centre0_70x70_V3.png", 70, 8890, Encoding::png, drawBipolarKnobStrip },
            { "bouton_AW_70x70.png", 70, 8890, Encoding::png, drawUnipolarKnobStrip },
            { "bouton_G_70x70.png", 70, 8890, Encoding::png, drawGainKnobStrip },
            { "inputVuMeters_stereo.png", 27, 332, Encoding::png, drawStereoStrip },
            { "inputVuMeters_quad.png", 27, 332, Encoding::png, drawQuadStrip },
            { "inputVuMeters_5_1.png", 27, 332, Encoding::png, drawFiveOneStrip },
            { "inputVuMeters_7_1.png", 27, 332, Encoding::png, drawSevenOneStrip },
            { "inputVuMeters_8_0.png", 27, 332, Encoding::png, drawEightZeroStrip },
            { "vuMeterVertical.png", 10, 143, Encoding::png, drawLevelGradient },
            { "WXYZ.png", 38, 7, Encoding::png, drawFumaOrderLabel },
            { "WYZX.png", 38, 7, Encoding::png, drawAmbixOrderLabel },
            { "engrenage.png", 22, 22, Encoding::png, drawGearIcon },
            { "vueCross.png", 19, 19, Encoding::png, drawViewCrossIcon },
            { "vueDot.png", 19, 19, Encoding::png, drawViewDotIcon },
            { "eyeLight.png", 24, 24, Encoding::png, drawLightEye },
            { "eyeDark.png", 24, 24, Encoding::png, drawDarkEye },
            { "welcomeLogo.png", 220, 280, Encoding::png, drawWelcomeLogo },
        };

        return resources;
    }

    juce::MemoryBlock encode (const juce::Image& image, Encoding encoding)
    {
        juce::MemoryOutputStream stream;

        if (encoding == Encoding::jpeg)
        {
            juce::JPEGImageFormat jpeg;
            jpeg.setQuality (jpegQuality);
            jpeg.writeImageToStream (image.convertedToFormat (juce::Image::RGB), stream);
        }
        else
        {
            juce::PNGImageFormat().writeImageToStream (image.convertedToFormat (juce::Image::ARGB), stream);
        }

        return stream.getMemoryBlock();
    }

    RenderedSet renderCatalogue()
    {
        RenderedSet set;

        for (const auto& resource : catalogue())
        {
            auto bytes = encode (resource.draw(), resource.encoding);
            auto decoded = juce::ImageFileFormat::loadFrom (bytes.getData(), bytes.getSize());
            set.push_back ({ &resource, std::move (bytes), decoded });
        }

        return set;
    }

    juce::Image findImage (const RenderedSet& set, juce::StringRef fileName)
    {
        for (const auto& rendered : set)
            if (juce::String (rendered.resource->fileName) == fileName)
                return rendered.decoded;

        return {};
    }
} // namespace artwork
