#include "data/duration_text.h"

#include <cstdio>

std::string durationText(int64_t ms) {
  bool negative = ms < 0;
  int64_t t = (negative ? -ms : ms) / 1000;
  int64_t m = t / 60, s = t - 60 * m, h = 0;
  if (m >= 60) {
    h = m / 60;
    m -= 60 * h;
  }
  char text[80];
  std::snprintf(text, sizeof text, "%s%lld:%02lld:%02lld", negative ? "-" : "", static_cast<long long>(h),
                static_cast<long long>(m), static_cast<long long>(s));
  return text;
}
