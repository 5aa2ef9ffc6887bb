#pragma once

#include <array>
#include <string_view>

// A set of bytes looked up by index rather than searched, built at compile
// time from the bytes it holds.
class ByteSet
{
public:
    constexpr explicit ByteSet(std::string_view members)
    {
        for (char member : members)
            m_contains[static_cast<unsigned char>(member)] = true;
    }

    constexpr bool contains(char byte) const { return m_contains[static_cast<unsigned char>(byte)]; }

private:
    std::array<bool, 256> m_contains{};
};
