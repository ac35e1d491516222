#pragma once

#include <optional>
#include <utility>

// How every operation that reaches outside the process answers (the question file's reader and
// writer, the sound player, the help viewer): success, or the failure with what it was. True on
// success, so that `if (!QuestionFile::write(...))` reads as it means.
template <typename Failure> class Outcome
{
public:
    Outcome() = default;
    Outcome(Failure failure) : what(std::move(failure)) {}

    explicit operator bool() const { return !what.has_value(); }
    // Only for a failed outcome.
    const Failure& failure() const { return *what; }

    friend bool operator==(const Outcome&, const Outcome&) = default;

private:
    std::optional<Failure> what;
};
