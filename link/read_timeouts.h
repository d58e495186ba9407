#pragma once

#include <chrono>
#include <cstddef>

// How long a read of n bytes waits: it ends when the n bytes are in, when
// 500 ms per byte plus 90 ms have passed since it began, or when more than
// 30 ms pass between two received bytes. A write of n bytes may take 50 ms per
// byte plus 50 ms.
namespace read_timeouts {

inline constexpr std::chrono::milliseconds kPerByte{500};
inline constexpr std::chrono::milliseconds kConstant{90};
inline constexpr std::chrono::milliseconds kBetweenBytes{30};

constexpr std::chrono::milliseconds Total(std::size_t n)
{
    return kPerByte * static_cast<long long>(n) + kConstant;
}

constexpr std::chrono::milliseconds WriteTotal(std::size_t n)
{
    return std::chrono::milliseconds{50} * static_cast<long long>(n) + std::chrono::milliseconds{50};
}

} // namespace read_timeouts
