#pragma once
// The shipped locations of a folder of the source tree, read in name order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/location_sources.h"
#include "tools/locmake/location_source.h"

// Every source of the folder read; one that does not read fails the test.
inline std::vector<TLocation> locationsIn(const std::string& folder) {
  std::vector<TLocation> locations;
  for (const std::filesystem::path& source : roomSourcesIn(folder)) {
    TLocation location;
    std::string error;
    EXPECT_TRUE(readLocationSource(source.string(), location, error)) << error;
    locations.push_back(std::move(location));
  }
  return locations;
}
