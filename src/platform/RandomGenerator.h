#pragma once

#include <cstdint>

namespace vorkast {

// The program's one deterministic 32-bit pseudo-random generator. The state starts at 0;
// each draw sets state := state * 134775813 + 1 (mod 2^32) and yields (state * n) >> 32.
class RandomGenerator {
public:
    // A draw in 0 .. n-1 (0 when n is 0).
    std::uint32_t draw(std::uint32_t n)
    {
        m_state = m_state * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(m_state) * n) >> 32);
    }
    void seed(std::uint32_t state) { m_state = state; }
    std::uint32_t state() const { return m_state; }

private:
    std::uint32_t m_state = 0;
};

} // namespace vorkast
