#pragma once

#include <plugin/PluginIdentity.h>
#include <plugin/aax/AaxStemFormats.h>
#include <processor/InputLayouts.h>

#include <array>
#include <cstddef>
#include <cstdint>

/** The channel configurations an AAX host is offered, one component each: every
    input count the input layouts read, always into the four B-format channels.
*/
namespace AaxChannelConfigurations
{
    struct Configuration
    {
        int numInputs;
        int numOutputs;
        std::uint32_t inputStemFormat;
        std::uint32_t outputStemFormat;
        std::uint32_t nativePluginId;
        std::uint32_t audioSuitePluginId;
    };

    constexpr auto numConfigurations = InputLayouts::hostChoices.size();

    /** Each configuration's native and AudioSuite ids count up from these by its index. */
    constexpr auto firstNativePluginId = PluginIdentity::fourCharCode ("jcaa");
    constexpr auto firstAudioSuitePluginId = PluginIdentity::fourCharCode ("jyaa");

    constexpr Configuration makeConfiguration (std::size_t index) noexcept
    {
        const auto numInputs = InputLayouts::hostChoices[index].numHostInputs;
        const auto offset = static_cast<std::uint32_t> (index);

        return { numInputs,
                 InputLayouts::numOutputChannels,
                 AaxStemFormats::forChannelCount (numInputs),
                 AaxStemFormats::forChannelCount (InputLayouts::numOutputChannels),
                 firstNativePluginId + offset,
                 firstAudioSuitePluginId + offset };
    }

    constexpr std::array<Configuration, numConfigurations> makeConfigurations() noexcept
    {
        std::array<Configuration, numConfigurations> result {};

        for (std::size_t index = 0; index < numConfigurations; ++index)
            result[index] = makeConfiguration (index);

        return result;
    }

    /** In the order the host lists them: 1, 2, 4, 6 and 8 inputs. */
    constexpr auto configurations = makeConfigurations();
} // namespace AaxChannelConfigurations
