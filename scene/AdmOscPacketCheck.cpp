#include "AdmOscPacketCheck.h"

#include <processor/TextForms.h>

#include <cstdint>
#include <cstring>
#include <string_view>

namespace
{
    /** Where the reader would go next: on, stop (it refuses the packet there, which
        is safe), or refuse the packet because a string is not safe to build.
    */
    enum class Step
    {
        on,
        stop,
        unsafe
    };

    constexpr std::size_t wordSize = 4;
    constexpr std::size_t bundleHeaderSize = 16; // "#bundle", zero, time tag
    constexpr std::string_view bundleMark { "#bundle" };

    /** The reader's steps over one packet, positions counted from its start as the
        reader counts them: an element's size is checked only after it was read.
    */
    class Walk
    {
    public:
        Walk (const std::uint8_t* bytes, std::size_t size, int deepest) : data (bytes), end (size), deepestBundle (deepest) {}

        Step element (std::size_t size, int depth)
        {
            // The reader compares the size as a signed number: a negative one passes,
            // and the element is read before its size is found wrong.
            if (static_cast<std::int64_t> (size) > static_cast<std::int64_t> (remaining()) || position >= end)
                return Step::stop;

            const auto begin = position;
            Step step;

            if (data[position] == '/')
                step = message();
            else if (data[position] == '#')
                step = depth >= deepestBundle ? Step::unsafe : bundle (size - wordSize, depth + 1);
            else
                return Step::stop;

            return step != Step::on || position - begin == size ? step : Step::stop;
        }

        Step topLevel()
        {
            if (end == 0)
                return Step::stop;

            if (data[0] == '/')
                return message();

            return data[0] == '#' && end >= wordSize ? bundle (end - wordSize, 0) : Step::stop;
        }

    private:
        std::size_t remaining() const noexcept { return end - position; }

        std::uint32_t readWord() noexcept
        {
            const auto* p = data + position;
            position += wordSize;
            return (std::uint32_t (p[0]) << 24) | (std::uint32_t (p[1]) << 16) | (std::uint32_t (p[2]) << 8) | std::uint32_t (p[3]);
        }

        /** The reader pads every string and blob with zeros to a whole word. */
        Step padding (std::size_t bytesRead)
        {
            for (auto zeros = ~(bytesRead - 1) & (wordSize - 1); zeros > 0; --zeros)
                if (position >= end || data[position++] != 0)
                    return Step::stop;

            return Step::on;
        }

        Step string (std::string_view* text = nullptr)
        {
            if (remaining() < wordSize)
                return Step::stop;

            const auto* start = data + position;
            const auto* zero = static_cast<const std::uint8_t*> (std::memchr (start, 0, remaining()));
            const auto length = static_cast<std::size_t> ((zero != nullptr ? zero : data + end) - start);
            const std::string_view bytes (reinterpret_cast<const char*> (start), length);

            if (! TextForms::isWellFormedUtf8 (bytes))
                return Step::unsafe;

            if (text != nullptr)
                *text = bytes;

            position = zero != nullptr ? position + length + 1 : end;
            return padding (length + 1);
        }

        Step message()
        {
            if (const auto step = string(); step != Step::on)
                return step;

            if (remaining() < wordSize || data[position++] != ',')
                return Step::stop;

            std::string_view types;
            const auto tagsStart = position;

            for (;; ++position)
            {
                if (position >= end)
                    return Step::stop;

                const auto tag = data[position];

                if (tag == 0)
                    break;

                if (std::string_view ("ifsbr").find (static_cast<char> (tag)) == std::string_view::npos)
                    return Step::stop;
            }

            types = std::string_view (reinterpret_cast<const char*> (data + tagsStart), position - tagsStart);
            ++position;

            if (padding (types.size() + 2) != Step::on)
                return Step::stop;

            for (const auto tag : types)
                if (const auto step = argument (tag); step != Step::on)
                    return step;

            return Step::on;
        }

        Step argument (char tag)
        {
            if (tag == 's')
                return string();

            if (remaining() < wordSize)
                return Step::stop;

            const auto word = readWord();

            if (tag != 'b')
                return Step::on;

            // A blob's size beyond what is left, or negative, reads the rest.
            const auto size = static_cast<std::int32_t> (word);
            const auto taken = size < 0 ? remaining() : std::min (static_cast<std::size_t> (size), remaining());
            position += taken;
            return padding (taken);
        }

        Step bundle (std::size_t maximumBytes, int depth)
        {
            if (remaining() < bundleHeaderSize)
                return Step::stop;

            std::string_view mark;

            if (const auto step = string (&mark); step != Step::on)
                return step;

            if (mark != bundleMark || remaining() < bundleHeaderSize - wordSize * 2)
                return Step::stop;

            position += bundleHeaderSize - wordSize * 2;
            std::size_t bytesRead = bundleHeaderSize;

            while (position < end && bytesRead < maximumBytes)
            {
                const auto begin = position;

                if (remaining() < wordSize)
                    return Step::stop;

                const auto size = static_cast<std::size_t> (static_cast<std::int32_t> (readWord()));

                if (size < wordSize)
                    return Step::stop;

                if (const auto step = element (size, depth); step != Step::on)
                    return step;

                bytesRead += position - begin;
            }

            return Step::on;
        }

        const std::uint8_t* const data;
        const std::size_t end;
        const int deepestBundle;
        std::size_t position = 0;
    };
} // namespace

namespace AdmOscPacketCheck
{
    bool isSafeToDecode (const void* data, std::size_t numBytes, int deepestBundle)
    {
        return Walk (static_cast<const std::uint8_t*> (data), numBytes, deepestBundle).topLevel() != Step::unsafe;
    }
} // namespace AdmOscPacketCheck
