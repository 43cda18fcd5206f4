#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "ui/toolkit/Date.h"
#include "ui/toolkit/Random.h"
#include "ui/toolkit/Text.h"

namespace {

TEST(Random, DrawsStayInsideInclusiveRanges) {
  tk::Random::SeedForTesting(1);
  tk::Random r;
  std::map<std::int64_t, int> seen;
  for (int i = 0; i < 20000; ++i) {
    const auto v = r.InRange(-2, 3);
    ASSERT_GE(v, -2);
    ASSERT_LE(v, 3);
    ++seen[v];
  }
  EXPECT_EQ(seen.size(), 6u) << "both bounds are drawn";
  for (auto [value, n] : seen) EXPECT_NEAR(n / 20000.0, 1.0 / 6.0, 0.02) << value;
  for (int i = 0; i < 100; ++i) EXPECT_EQ(r.InRange(7, 7), 7);
  EXPECT_EQ(r.InRange(0, 0), 0);
}

TEST(Random, DrawsAreUnbiasedForAnAwkwardSpan) {
  // A span just over 2^63 would show a modulo bias of almost a half.
  tk::Random::SeedForTesting(2);
  tk::Random r;
  const std::int64_t lo = INT64_MIN / 2 - 10, hi = INT64_MAX / 2 + 10;
  const std::int64_t mid = lo / 2 + hi / 2;
  int below = 0;
  for (int i = 0; i < 20000; ++i) below += r.InRange(lo, hi) < mid;
  EXPECT_NEAR(below / 20000.0, 0.5, 0.02);
}

TEST(Random, ABurstDrawsUniformlyAndHandsTheEngineBack) {
  tk::Random::SeedForTesting(3);
  std::map<std::int64_t, int> seen;
  {
    tk::Random::Burst burst;
    for (int i = 0; i < 30000; ++i) ++seen[burst.InRange(2, 150) / 50];
    EXPECT_EQ(burst.InRange(5, 5), 5);
  }
  // 2..49, 50..99, 100..149, 150: 48, 50, 50 and 1 values of 149.
  EXPECT_NEAR(seen[0] / 30000.0, 48.0 / 149, 0.015);
  EXPECT_NEAR(seen[1] / 30000.0, 50.0 / 149, 0.015);
  EXPECT_NEAR(seen[3] / 30000.0, 1.0 / 149, 0.004);

  // A full-width draw is one step of the engine, the same in a burst as
  // outside one: a burst starts where the shared engine stands and leaves it
  // where the burst stopped.
  tk::Random::SeedForTesting(7);
  tk::Random plain;
  const std::int64_t firstStep = plain.InRange(INT64_MIN, INT64_MAX);
  const std::int64_t secondStep = plain.InRange(INT64_MIN, INT64_MAX);
  EXPECT_NE(firstStep, secondStep);
  tk::Random::SeedForTesting(7);
  {
    tk::Random::Burst burst;
    EXPECT_EQ(burst.InRange(INT64_MIN, INT64_MAX), firstStep);
  }
  tk::Random after;
  EXPECT_EQ(after.InRange(INT64_MIN, INT64_MAX), secondStep) << "the burst did not hand its engine back";
}

TEST(Random, AllGeneratorsShareOneEngine) {
  tk::Random::SeedForTesting(42);
  std::vector<std::int64_t> first;
  for (int i = 0; i < 10; ++i) {
    tk::Random fresh;
    fresh.RandomizeSeed();
    first.push_back(fresh.InRange(0, 1000000));
  }
  tk::Random::SeedForTesting(42);
  tk::Random one;
  for (int i = 0; i < 10; ++i) EXPECT_EQ(one.InRange(0, 1000000), first[std::size_t(i)]);
  EXPECT_NE(first[0], first[1]);
}

TEST(Text, ValReadsTheLeadingNumber) {
  EXPECT_DOUBLE_EQ(tk::Val("7.9"), 7.9);
  EXPECT_DOUBLE_EQ(tk::Val("-2"), -2);
  EXPECT_DOUBLE_EQ(tk::Val("1.0"), 1.0);
  EXPECT_DOUBLE_EQ(tk::Val("150"), 150);
  EXPECT_DOUBLE_EQ(tk::Val(" 40.9"), 40.9);
  EXPECT_DOUBLE_EQ(tk::Val("12abc"), 12);
  EXPECT_DOUBLE_EQ(tk::Val("2e2"), 200);
  EXPECT_DOUBLE_EQ(tk::Val("3e"), 3);
  EXPECT_DOUBLE_EQ(tk::Val("abc"), 0);
  EXPECT_DOUBLE_EQ(tk::Val(""), 0);
  EXPECT_DOUBLE_EQ(tk::Val("-"), 0);
  EXPECT_DOUBLE_EQ(tk::Val("."), 0);
  EXPECT_DOUBLE_EQ(tk::Val("1e999"), 0) << "no infinity reaches a slider";
  EXPECT_EQ(static_cast<std::int64_t>(tk::Val("-7.9")), -7) << "truncation toward zero";
}

TEST(Text, StrWritesPlainDecimal) {
  EXPECT_EQ(tk::Str(std::int64_t(3)), "3");
  EXPECT_EQ(tk::Str(std::int64_t(-2)), "-2");
  EXPECT_EQ(tk::Str(0), "0");
  EXPECT_EQ(tk::Str(25.0), "25");
  EXPECT_EQ(tk::Str(1.5), "1.5");
}

TEST(Text, SearchAndReplace) {
  EXPECT_EQ(tk::InStr("abcabc", "c"), 3);
  EXPECT_EQ(tk::InStr(4, "abcabc", "c"), 6);
  EXPECT_EQ(tk::InStr("abc", "x"), 0);
  EXPECT_EQ(tk::InStr("abc", ""), 0);
  EXPECT_EQ(tk::InStr(9, "abc", "a"), 0);
  EXPECT_EQ(tk::ReplaceAll("12:30:45", ":", "-"), "12-30-45");
  EXPECT_EQ(tk::ReplaceAll("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(tk::Left("abc", 2), "ab");
  EXPECT_EQ(tk::Right("abc", 5), "abc");
  EXPECT_EQ(tk::Mid("abcdef", 3, 2), "cd");
  EXPECT_EQ(tk::Chr(13), "\r");
}

TEST(Date, SQLDateTimeHasTheSQLForm) {
  const std::string now = tk::Date().SQLDateTime();
  EXPECT_TRUE(std::regex_match(now, std::regex(R"(\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2})"))) << now;
}

}  // namespace
