#pragma once
// Date-time as the conversion reads it: whole days since the zero point
// 30 December 1899 and the time of day in ticks of 1/10000 s (Firebird's
// own resolution), so that values round-trip exactly.

#include <compare>
#include <cstdint>
#include <string>

namespace qor::db {

struct DateTime {
    static constexpr std::uint32_t kTicksPerSecond = 10000;
    static constexpr std::uint32_t kTicksPerDay = 86400u * kTicksPerSecond;

    std::int32_t days = 0;    // days after 1899-12-30 (may be negative)
    std::uint32_t ticks = 0;  // time of day, 0 <= ticks < kTicksPerDay

    static DateTime FromDate(int year, int month, int day);
    static DateTime FromParts(int year, int month, int day, int hour, int minute, int second,
                              int ticks_of_second = 0);
    static DateTime FromTime(int hour, int minute, int second, int ticks_of_second = 0);

    void Decode(int& year, int& month, int& day) const;
    void DecodeTime(int& hour, int& minute, int& second, int& ticks_of_second) const;

    DateTime DatePart() const { return {days, 0}; }
    bool IsZero() const { return days == 0 && ticks == 0; }

    // A desktop date plus a desktop time: the time of day carries into days.
    DateTime operator+(const DateTime& other) const;

    // "YYYY-MM-DD HH:MM:SS.ffff", the literal form Firebird accepts.
    std::string ToIso() const;

    auto operator<=>(const DateTime&) const = default;
};

}  // namespace qor::db
