#pragma once
// The campaign's difficulty curve as a picture: every room's grade in map
// order, one colour and one labelled band per location.
#include <string>
#include <vector>

struct TPlotRoom {
  std::string location;
  int room = 0;
  double grade = 0;
};

// False when the picture cannot be written. An empty title names the campaign.
bool writeDifficultyPlot(const std::vector<TPlotRoom>& rooms, const std::string& path, const std::string& title = "");
