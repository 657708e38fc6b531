// libFuzzer entry: arbitrary bytes as a packet arriving on a port where two
// instances listen, through the same decoding and routing as the port's thread,
// then applied as the message thread applies them. Every parameter must stay a
// finite value in 0..1.

#include <scene/AdmOscObject.h>
#include <scene/AdmOscRouter.h>

#include <processor/VevazovAzudAudioProcessor.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace
{
    struct Port
    {
        Port()
        {
            for (auto i = 0; i < 2; ++i)
            {
                objects[i].getInbox().setObjectNumber (i + 1);
                router.add (objects[i].getInbox());
            }
        }

        ~Port()
        {
            for (auto& object : objects)
                router.remove (object.getInbox());
        }

        juce::ScopedJuceInitialiser_GUI framework;
        VevazovAzudAudioProcessor first { juce::PluginHostType::UnknownHost };
        VevazovAzudAudioProcessor second { juce::PluginHostType::UnknownHost };
        AdmOscObject objects[2] { AdmOscObject (first), AdmOscObject (second) };
        AdmOscRouter router;
    };
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    static Port port;

    if (! port.router.isReady())
        std::abort();

    port.router.route (data, static_cast<int> (std::min<std::size_t> (size, 65507)), "127.0.0.1", 0);

    for (auto& object : port.objects)
    {
        object.applyReceived (0.0);
        object.endAllGestures();

        for (auto index = 0; index < AdmOscInbox::numParameters; ++index)
        {
            const auto value = object.getProcessor().getParameter (index);

            if (! std::isfinite (value) || value < 0.0f || value > 1.0f)
            {
                std::fprintf (stderr, "parameter %d became %f\n", index, static_cast<double> (value));
                std::abort();
            }
        }
    }

    return 0;
}
