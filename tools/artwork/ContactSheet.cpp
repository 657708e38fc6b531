#include "ContactSheet.h"

#include "ArtworkStyle.h"
#include "ArtworkText.h"

namespace artwork
{
    namespace
    {
        constexpr int sheetWidth = 1184;
        constexpr int maximumSheetHeight = 6000;
        constexpr int margin = 24;
        constexpr int gap = 24;
        constexpr int sectionGap = 40;
        constexpr int captionGap = 8;
        constexpr int captionHeight = 16;
        constexpr int framesPerRow = 16;
        constexpr int frameGap = 1;
        constexpr int enlargement = 4;

        inline const juce::Colour sheetGround { 0xff0d0e10 };
        inline const juce::Colour cellGround { 0xff1c1f24 };

        /** Lays the sheet out from top to bottom. */
        class SheetWriter
        {
        public:
            SheetWriter (juce::Graphics& graphics, const RenderedSet& renderedSet)
                : g (graphics), set (renderedSet)
            {
            }

            int bottom() const { return y; }

            void title()
            {
                g.setColour (palette::textPrimary);
                drawText (g, "Velorin artwork", fontWithCapHeight (type::wordMark), margin, y + 13, TextAnchor::left);
                g.setColour (palette::textMuted);
                drawText (g, "Drawn by tools/artwork. Every image at its own size; small ones also enlarged " + juce::String (enlargement) + "x. Filmstrip frames are numbered.", fontWithCapHeight (type::caption), margin, y + 33, TextAnchor::left);
                y += 33 + sectionGap / 2;
            }

            void section (const juce::String& heading)
            {
                y += sectionGap / 2;
                drawRow (y, palette::rule);
                g.setColour (palette::textSecondary);
                drawText (g, heading.toUpperCase(), fontWithCapHeight (type::caption, 0.12f), margin, y + 20, TextAnchor::left);
                y += 20 + captionGap + 4;
            }

            /** Images side by side at their own size, each captioned with its name and
            size; images smaller than enlargeBelow are also shown enlarged beside.
        */
            void row (const juce::StringArray& fileNames, int enlargeBelow = 0)
            {
                auto x = margin;
                auto rowHeight = 0;
                g.setImageResamplingQuality (juce::Graphics::lowResamplingQuality);

                for (const auto& name : fileNames)
                {
                    const auto image = findImage (set, name);
                    const auto isSmall = juce::jmax (image.getWidth(), image.getHeight()) < enlargeBelow;
                    auto area = image.getBounds() + juce::Point<int> (x, y);

                    drawOnGround (image, area);

                    if (isSmall)
                    {
                        const auto enlarged = juce::Rectangle<int> (area.getRight() + captionGap, y, image.getWidth() * enlargement, image.getHeight() * enlargement);
                        drawOnGround (image, enlarged);
                        area = area.getUnion (enlarged);
                    }

                    caption (name, image, x, area.getBottom());

                    const auto captionWidth = juce::roundToInt (textWidth (name, captionFont())) + 8;
                    x += juce::jmax (area.getWidth(), captionWidth) + gap;
                    rowHeight = juce::jmax (rowHeight, area.getHeight());
                }

                y += rowHeight + captionGap + 2 * captionHeight + gap / 2;
            }

            /** A filmstrip as a grid of its frames, each over the ground it lies on in the editor. */
            void filmstrip (const juce::String& name, const juce::Image& ground)
            {
                const auto strip = findImage (set, name);
                const auto size = artwork::filmstrip::frameSize;
                const auto numberFont = fontWithCapHeight (5.0f);

                for (auto frame = 0; frame < artwork::filmstrip::frameCount; ++frame)
                {
                    const auto cell = juce::Rectangle<int> (margin + (frame % framesPerRow) * (size + frameGap),
                                                            y + (frame / framesPerRow) * (size + frameGap),
                                                            size,
                                                            size);
                    g.setOpacity (1.0f);

                    if (ground.isValid())
                        g.drawImageAt (ground, cell.getX(), cell.getY());
                    else
                    {
                        g.setColour (cellGround);
                        g.fillRect (cell);
                    }

                    g.setOpacity (1.0f);
                    g.drawImage (strip, cell.getX(), cell.getY(), size, size, 0, frame * size, size, size);
                    g.setColour (frame == artwork::filmstrip::centreFrame ? palette::mark : palette::textMuted);
                    drawText (g, juce::String (frame), numberFont, static_cast<float> (cell.getX() + 2), cell.getY() + 7, TextAnchor::left);
                }

                const auto rows = (artwork::filmstrip::frameCount + framesPerRow - 1) / framesPerRow;
                caption (name, strip, margin, y + rows * (size + frameGap));
                y += rows * (size + frameGap) + captionGap + 2 * captionHeight;
            }

        private:
            static juce::Font captionFont() { return fontWithCapHeight (type::caption); }

            /** Transparent images are shown over the recessed ground they sit on in the editor. */
            void drawOnGround (const juce::Image& image, juce::Rectangle<int> area)
            {
                if (image.hasAlphaChannel())
                {
                    g.setColour (palette::recess);
                    g.fillRect (area);
                }

                g.setOpacity (1.0f);
                g.drawImage (image, area.toFloat());
            }

            void drawRow (int rowY, juce::Colour colour)
            {
                g.setColour (colour);
                g.fillRect (margin, rowY, sheetWidth - 2 * margin, 1);
            }

            void caption (const juce::String& name, const juce::Image& image, int x, int imageBottom)
            {
                g.setColour (palette::textSecondary);
                drawText (g, name, captionFont(), static_cast<float> (x), imageBottom + captionGap + 8, TextAnchor::left);
                g.setColour (palette::textMuted);
                drawText (g, juce::String (image.getWidth()) + " x " + juce::String (image.getHeight()) + (image.hasAlphaChannel() ? "  RGBA" : "  RGB"), captionFont(), static_cast<float> (x), imageBottom + captionGap + 8 + captionHeight, TextAnchor::left);
            }

            juce::Graphics& g;
            const RenderedSet& set;
            int y = margin;
        };
    } // namespace

    juce::Image drawContactSheet (const RenderedSet& set)
    {
        juce::Image tall (juce::Image::RGB, sheetWidth, maximumSheetHeight, true, juce::SoftwareImageType());
        juce::Graphics g (tall);
        g.fillAll (sheetGround);

        // The gain knob is shown over the plate that lies under it in the editor.
        const auto gainFace = editor::gainKnobFace + editor::gainKnob.origin;
        const auto gainGround = findImage (set, "GUI_top.jpg").getClippedImage (gainFace).createCopy();

        SheetWriter sheet (g, set);
        sheet.title();
        sheet.section ("Editor backgrounds");
        sheet.row ({ "GUI_top.jpg", "GUI_cote.jpg" });
        sheet.section ("Knob filmstrips: azimuth and elevation, distance and width, gain");
        sheet.filmstrip ("bouton_AW_Centre0_70x70_V3.png", {});
        sheet.filmstrip ("bouton_AW_70x70.png", {});
        sheet.filmstrip ("bouton_G_70x70.png", gainGround);
        sheet.section ("Meters");
        sheet.row ({ "inputVuMeters_stereo.png", "inputVuMeters_quad.png", "inputVuMeters_5_1.png", "inputVuMeters_7_1.png", "inputVuMeters_8_0.png", "vuMeterVertical.png" });
        sheet.row ({ "WXYZ.png", "WYZX.png" }, 40);
        sheet.section ("Icons and welcome card");
        sheet.row ({ "engrenage.png", "vueCross.png", "vueDot.png", "eyeLight.png", "eyeDark.png", "welcomeLogo.png" }, 40);

        return tall.getClippedImage ({ 0, 0, sheetWidth, sheet.bottom() + margin }).createCopy();
    }
} // namespace artwork
