#pragma once

#include <cstddef>
#include <optional>
#include <utility>
#include <variant>

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

// How every operation that makes something and may fail answers: the value, or the failure with
// what it was. True when it holds the value, as Outcome is on success.
template <typename Value, typename Failure> class Fallible
{
public:
    Fallible(Value value) : held(std::in_place_index<0>, std::move(value)) {}
    static Fallible failed(Failure failure)
    {
        return Fallible(std::in_place_index<1>, std::move(failure));
    }

    explicit operator bool() const { return held.index() == 0; }
    // Only for a fallible that holds its value.
    const Value& value() const { return std::get<0>(held); }
    Value& value() { return std::get<0>(held); }
    const Value& operator*() const { return value(); }
    const Value* operator->() const { return &value(); }
    // Only for a failed one.
    const Failure& failure() const { return std::get<1>(held); }

private:
    template <std::size_t Index, typename Held>
    Fallible(std::in_place_index_t<Index> which, Held&& what)
        : held(which, std::forward<Held>(what))
    {}

    std::variant<Value, Failure> held;
};
