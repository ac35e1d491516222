#include "schedule/InstantText.h"

#include <charconv>

namespace {

using namespace std::chrono;

// The digits at the front of text, exactly count of them, taken off it.
std::optional<int> digits(std::string_view& text, std::size_t count)
{
    if (text.size() < count)
        return std::nullopt;
    int value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    text.remove_prefix(count);
    return value;
}

bool take(std::string_view& text, char c)
{
    if (text.empty() || text.front() != c)
        return false;
    text.remove_prefix(1);
    return true;
}

// "Z", or "+09:00", "-0530", "+09" as the offset from UTC.
std::optional<minutes> offset(std::string_view text)
{
    if (text == "Z" || text == "z")
        return minutes(0);
    if (text.empty() || (text.front() != '+' && text.front() != '-'))
        return std::nullopt;
    const int sign = text.front() == '-' ? -1 : 1;
    text.remove_prefix(1);
    const std::optional<int> hoursPart = digits(text, 2);
    take(text, ':');
    const std::optional<int> minutesPart = text.empty() ? 0 : digits(text, 2);
    if (!hoursPart || !minutesPart || !text.empty() || *hoursPart > 23 || *minutesPart > 59)
        return std::nullopt;
    return minutes(sign * (*hoursPart * 60 + *minutesPart));
}

// Milliseconds from a fraction of a second of any length; digits past the third are dropped.
std::optional<int> fraction(std::string_view& text)
{
    std::size_t count = 0;
    int value = 0;
    while (count < text.size() && text[count] >= '0' && text[count] <= '9') {
        if (count < 3)
            value = value * 10 + (text[count] - '0');
        ++count;
    }
    if (count == 0)
        return std::nullopt;
    for (std::size_t padding = count; padding < 3; ++padding)
        value *= 10;
    text.remove_prefix(count);
    return value;
}

std::optional<Instant> isoInstant(std::string_view text)
{
    const std::optional<int> y = digits(text, 4);
    const bool dateSeparators = take(text, '-');
    const std::optional<int> mo = digits(text, 2);
    take(text, '-');
    const std::optional<int> d = digits(text, 2);
    if (!dateSeparators || !y || !mo || !d ||
        !(take(text, 'T') || take(text, 't') || take(text, ' ')))
        return std::nullopt;
    const std::optional<int> h = digits(text, 2);
    const bool timeSeparator = take(text, ':');
    const std::optional<int> mi = digits(text, 2);
    std::optional<int> s = 0;
    if (take(text, ':'))
        s = digits(text, 2);
    std::optional<int> ms = 0;
    if (take(text, '.') || take(text, ','))
        ms = fraction(text);
    const std::optional<minutes> zone = offset(text);
    const year_month_day date{year(*y), month(static_cast<unsigned>(*mo)),
                              day(static_cast<unsigned>(*d))};
    if (!timeSeparator || !h || !mi || !s || !ms || !zone || !date.ok() || *h > 23 || *mi > 59 ||
        *s > 59)
        return std::nullopt;
    return sys_days(date) + hours(*h) + minutes(*mi) + seconds(*s) + milliseconds(*ms) - *zone;
}

const Instant Earliest = sys_days(year(1970) / January / 1);
const Instant Latest = sys_days(year(10000) / January / 1) - milliseconds(1);

std::optional<Instant> epochMilliseconds(std::string_view text)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() ||
        value > Latest.time_since_epoch().count())
        return std::nullopt;
    return Instant(milliseconds(value));
}

} // namespace

std::optional<Instant> parseInstant(std::string_view text)
{
    const bool allDigits = !text.empty() && text.find_first_not_of("0123456789") == text.npos;
    const std::optional<Instant> instant = allDigits ? epochMilliseconds(text) : isoInstant(text);
    if (!instant || *instant < Earliest || *instant > Latest)
        return std::nullopt;
    return instant;
}

std::string instantText(Instant instant)
{
    const sys_days date = floor<days>(instant);
    const year_month_day ymd(date);
    const hh_mm_ss<milliseconds> time(instant - date);
    // Written digit by digit: a replay prints a million of these. A due time past 9999, which a
    // long interval can reach, takes as many year digits as it needs.
    const auto year = static_cast<unsigned>(static_cast<int>(ymd.year()));
    std::string text = year > 9999 ? std::to_string(year) : "0000";
    const std::size_t yearEnd = text.size();
    text += "-00-00T00:00:00";
    const auto put = [&text](std::size_t end, unsigned value) {
        for (std::size_t at = end; value > 0; value /= 10)
            text[--at] = static_cast<char>('0' + value % 10);
    };
    if (year <= 9999)
        put(yearEnd, year);
    put(yearEnd + 3, static_cast<unsigned>(ymd.month()));
    put(yearEnd + 6, static_cast<unsigned>(ymd.day()));
    put(yearEnd + 9, static_cast<unsigned>(time.hours().count()));
    put(yearEnd + 12, static_cast<unsigned>(time.minutes().count()));
    put(yearEnd + 15, static_cast<unsigned>(time.seconds().count()));
    const auto ms = static_cast<unsigned>(time.subseconds().count());
    if (ms != 0) {
        text += ".000";
        put(text.size(), ms);
    }
    text += 'Z';
    return text;
}
