#pragma once

#include <span>

// One correct answer's timing, as the record keeps it.
struct AnswerTimingSample
{
    int firstKeyMs;
    int matchMs;
    int keys;
};

// A learner's own pace in one input mode: the 10th and 90th percentile of the time to the first
// key (quick and slow starts) and the median time per key after it.
struct GradeThresholds
{
    int easyFirstKeyMs = 1000;
    int hardFirstKeyMs = 3000;
    double medianMsPerKey = 250;
};

// How many of the latest correct answers the thresholds are taken from, and how many they need;
// with fewer, the defaults above stand (250 ms a key is an unhurried typist's pace).
inline constexpr int ThresholdWindow = 500;
inline constexpr int ThresholdMinimumSamples = 50;

// From the learner's correct answers in one input mode, oldest first.
GradeThresholds gradeThresholds(std::span<const AnswerTimingSample> answers);
