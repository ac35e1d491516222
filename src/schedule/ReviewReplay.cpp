#include "schedule/ReviewReplay.h"

#include "schedule/InstantText.h"

#include <array>
#include <charconv>
#include <functional>
#include <optional>
#include <unordered_map>

namespace {

struct TextHash
{
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const
    {
        return std::hash<std::string_view>{}(text);
    }
};

using Pairs = std::unordered_map<std::string, PairSchedule, TextHash, std::equal_to<>>;

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == text.npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::optional<Grade> gradeOf(std::string_view text)
{
    if (text.size() != 1 || text[0] < '1' || text[0] > '4')
        return std::nullopt;
    return static_cast<Grade>(text[0] - '0');
}

struct Review
{
    std::string_view pair;
    Instant at;
    Grade grade;
};

// The review a line holds, or what is wrong with it.
std::optional<Review> readLine(std::string_view line, std::size_t number,
                               std::vector<ReplayProblem>& problems)
{
    std::array<std::string_view, 3> fields;
    std::size_t count = 0;
    for (std::size_t start = 0;; ++count) {
        const std::size_t comma = line.find(',', start);
        if (count < fields.size())
            fields[count] = trimmed(line.substr(start, comma - start));
        if (comma == line.npos)
            break;
        start = comma + 1;
    }
    ++count;
    if (count != fields.size()) {
        problems.push_back({ReplayProblem::Kind::FieldCount, number, std::to_string(count)});
        return std::nullopt;
    }
    const std::optional<Instant> at = parseInstant(fields[1]);
    if (!at) {
        problems.push_back({ReplayProblem::Kind::BadTime, number, std::string(fields[1])});
        return std::nullopt;
    }
    const std::optional<Grade> grade = gradeOf(fields[2]);
    if (!grade) {
        problems.push_back({ReplayProblem::Kind::BadGrade, number, std::string(fields[2])});
        return std::nullopt;
    }
    return Review{fields[0], *at, *grade};
}

// Six significant digits, as printf's %.6g writes them.
void appendNumber(std::string& out, double value)
{
    char text[32];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
    out.append(text, error == std::errc() ? end : text);
}

void appendResult(std::string& out, std::string_view pair, const PairSchedule& schedule)
{
    out.append(pair);
    out.push_back(',');
    out.append(stateName(schedule.state));
    out.push_back(',');
    appendNumber(out, schedule.stability);
    out.push_back(',');
    appendNumber(out, schedule.difficulty);
    out.push_back(',');
    out.append(instantText(schedule.due));
    out.push_back('\n');
}

PairSchedule& scheduleOf(Pairs& pairs, std::string_view pair)
{
    const auto found = pairs.find(pair);
    if (found != pairs.end())
        return found->second;
    return pairs.emplace(std::string(pair), PairSchedule{}).first->second;
}

} // namespace

std::uint64_t pairIdOf(std::string_view pair)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : pair) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

ReplaySummary replayReviews(std::string_view log, const Scheduler& scheduler, std::string& out)
{
    if (log.starts_with(ByteOrderMark))
        log.remove_prefix(ByteOrderMark.size());
    ReplaySummary summary;
    // Each printed line is about as long as the line it replays, plus the state and figures.
    out.reserve(out.size() + log.size() * 2);
    Pairs pairs;
    std::size_t number = 0;
    while (!log.empty()) {
        const std::size_t end = log.find('\n');
        const std::string_view line = log.substr(0, end);
        log.remove_prefix(end == log.npos ? log.size() : end + 1);
        ++number;
        if (trimmed(line).empty())
            continue;
        const std::optional<Review> review = readLine(line, number, summary.problems);
        if (!review)
            continue;
        PairSchedule& schedule = scheduleOf(pairs, review->pair);
        schedule = scheduler.review(schedule, review->grade, review->at, pairIdOf(review->pair));
        appendResult(out, review->pair, schedule);
        ++summary.replayed;
    }
    return summary;
}
