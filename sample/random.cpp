#include "random.h"

namespace qor::sample {
namespace {

std::uint64_t SplitMix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

Random::Random(std::uint64_t seed) {
    for (auto& s : state_) s = SplitMix(seed);
}

std::uint64_t Random::Next() {
    const std::uint64_t result = Rotl(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = Rotl(state_[3], 45);
    return result;
}

std::int64_t Random::Int(std::int64_t lo, std::int64_t hi) {
    if (hi <= lo) return lo;
    const auto span = static_cast<std::uint64_t>(hi - lo) + 1;
    return lo + static_cast<std::int64_t>(Next() % span);
}

bool Random::Chance(double probability) {
    return static_cast<double>(Next() >> 11) * 0x1.0p-53 < probability;
}

std::string Random::Digits(int n, bool leading_nonzero) {
    std::string out;
    for (int i = 0; i < n; ++i) out += static_cast<char>('0' + Int(i == 0 && leading_nonzero ? 1 : 0, 9));
    return out;
}

std::string Random::Digits(std::string prefix, int n) {
    for (int i = 0; i < n; ++i) prefix += static_cast<char>('0' + Int(0, 9));
    return prefix;
}

db::DateTime Random::Day(db::DateTime first, db::DateTime last) {
    return {static_cast<std::int32_t>(Int(first.days, last.days)), 0};
}

db::DateTime Random::Hour(int from_hour, int to_hour) {
    return db::DateTime::FromTime(static_cast<int>(Int(from_hour, to_hour)), static_cast<int>(Int(0, 11)) * 5, 0);
}

}  // namespace qor::sample
