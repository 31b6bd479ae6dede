#include "db/date_time.h"

#include <fmt/format.h>

namespace qor::db {
namespace {

// Days from 1970-01-01 for a proleptic Gregorian date (Howard Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(y + (month <= 2));
}

// 1899-12-30 counted from 1970-01-01.
constexpr std::int64_t kZeroPointFromUnix = -25569;

}  // namespace

DateTime DateTime::FromDate(int year, int month, int day) {
    return {static_cast<std::int32_t>(DaysFromCivil(year, static_cast<unsigned>(month),
                                                    static_cast<unsigned>(day)) -
                                      kZeroPointFromUnix),
            0};
}

DateTime DateTime::FromTime(int hour, int minute, int second, int ticks_of_second) {
    return {0, static_cast<std::uint32_t>((hour * 3600 + minute * 60 + second)) * kTicksPerSecond +
                   static_cast<std::uint32_t>(ticks_of_second)};
}

DateTime DateTime::FromParts(int year, int month, int day, int hour, int minute, int second,
                             int ticks_of_second) {
    return FromDate(year, month, day) + FromTime(hour, minute, second, ticks_of_second);
}

void DateTime::Decode(int& year, int& month, int& day) const {
    CivilFromDays(days + kZeroPointFromUnix, year, month, day);
}

void DateTime::DecodeTime(int& hour, int& minute, int& second, int& ticks_of_second) const {
    const std::uint32_t secs = ticks / kTicksPerSecond;
    ticks_of_second = static_cast<int>(ticks % kTicksPerSecond);
    hour = static_cast<int>(secs / 3600);
    minute = static_cast<int>(secs / 60 % 60);
    second = static_cast<int>(secs % 60);
}

DateTime DateTime::operator+(const DateTime& other) const {
    const std::uint64_t total = std::uint64_t{ticks} + other.ticks;
    return {days + other.days + static_cast<std::int32_t>(total / kTicksPerDay),
            static_cast<std::uint32_t>(total % kTicksPerDay)};
}

std::string DateTime::ToIso() const {
    int y, mo, d, h, mi, s, f;
    Decode(y, mo, d);
    DecodeTime(h, mi, s, f);
    return fmt::format("{:04}-{:02}-{:02} {:02}:{:02}:{:02}.{:04}", y, mo, d, h, mi, s, f);
}

}  // namespace qor::db
