#pragma once
// Pictures decoded on helper threads while the caller goes on with other
// work: start-up reads the files, opens the display meanwhile, and takes the
// pictures when it makes its images. The files are read at once on the
// calling thread (the file system is not shared between threads); decoding
// only touches each file's own bytes.
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "platform/pixmap.h"

class TPixmapBatch {
 public:
  // helpers: decoding threads; 0 decodes everything in take().
  TPixmapBatch(const std::vector<std::string>& paths, unsigned helpers);
  ~TPixmapBatch();
  TPixmapBatch(const TPixmapBatch&) = delete;
  TPixmapBatch& operator=(const TPixmapBatch&) = delete;

  // Waits for the decoding (helping with what is left) and gives the
  // pictures in the order of the paths, null for each that failed. The
  // pictures are handed over once; later calls give nulls.
  std::vector<TPixmapPtr> take();

 private:
  void decodeRemaining();
  void joinHelpers();

  std::vector<std::vector<uint8_t>> files_;
  std::vector<TPixmapPtr> pixmaps_;
  std::atomic<size_t> next_{0};
  std::vector<std::thread> helpers_;
};

// As many helpers as there are cores, at most four.
unsigned DecodingHelpers();
