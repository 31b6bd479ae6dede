#pragma once
// A seeded source of choices for the sample municipality: its own generator
// (xoshiro256**) and range arithmetic rather than <random>'s distributions,
// whose results differ between standard libraries.

#include <cstdint>
#include <span>
#include <string>

#include "db/date_time.h"

namespace qor::sample {

class Random {
public:
    explicit Random(std::uint64_t seed);

    std::uint64_t Next();
    // A whole number from lo to hi, both included.
    std::int64_t Int(std::int64_t lo, std::int64_t hi);
    // True with the given probability (0 to 1).
    bool Chance(double probability);
    // One of the items, each as likely.
    template <typename T>
    const T& Pick(std::span<const T> items) {
        return items[static_cast<std::size_t>(Int(0, static_cast<std::int64_t>(items.size()) - 1))];
    }
    template <typename T, std::size_t N>
    const T& Pick(const T (&items)[N]) {
        return Pick(std::span<const T>(items, N));
    }
    // n decimal digits, the first of them not 0 when leading_nonzero.
    std::string Digits(int n, bool leading_nonzero = false);
    // The prefix followed by n decimal digits ("F" and 5 give "F01234").
    std::string Digits(std::string prefix, int n);
    // A day from first to last, both included.
    db::DateTime Day(db::DateTime first, db::DateTime last);
    // A time of day on a whole minute between the hours given (office hours by default).
    db::DateTime Hour(int from_hour = 8, int to_hour = 17);

private:
    std::uint64_t state_[4];
};

}  // namespace qor::sample
