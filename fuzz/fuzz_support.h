#pragma once
// Helpers shared by the fuzz targets.
#include <cstdint>
#include <vector>

#include "platform/stream.h"

// The bytes a writer puts into a fresh memory stream.
template <typename Writer>
std::vector<uint8_t> bytesWrittenBy(Writer write) {
  TMemoryStream s;
  write(s);
  return s.Bytes();
}

// A readable memory stream over the fuzzer's input.
inline TMemoryStream inputStream(const uint8_t* data, size_t size) {
  return TMemoryStream(std::vector<uint8_t>(data, data + size));
}
