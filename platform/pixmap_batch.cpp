#include "platform/pixmap_batch.h"

#include <algorithm>

#include "platform/file_system.h"

TPixmapBatch::TPixmapBatch(const std::vector<std::string>& paths, unsigned helpers)
    : files_(paths.size()), pixmaps_(paths.size()) {
  for (size_t i = 0; i < paths.size(); ++i) {
    try {
      if (TStreamPtr stream = ReadStream(paths[i])) files_[i] = stream->ReadAll();
    } catch (const TStreamError&) {
      files_[i].clear();
    }
  }
  for (unsigned t = 0; t < helpers && t < files_.size(); ++t) helpers_.emplace_back([this] { decodeRemaining(); });
}

TPixmapBatch::~TPixmapBatch() { joinHelpers(); }

void TPixmapBatch::decodeRemaining() {
  for (size_t i = next_++; i < files_.size(); i = next_++)
    if (!files_[i].empty()) pixmaps_[i] = DecodePixmap(files_[i].data(), files_[i].size());
}

void TPixmapBatch::joinHelpers() {
  for (std::thread& t : helpers_)
    if (t.joinable()) t.join();
  helpers_.clear();
}

std::vector<TPixmapPtr> TPixmapBatch::take() {
  decodeRemaining();
  joinHelpers();
  files_.clear();
  std::vector<TPixmapPtr> taken(pixmaps_.size());
  taken.swap(pixmaps_);
  return taken;
}

unsigned DecodingHelpers() { return std::min(std::max(std::thread::hardware_concurrency(), 1u), 4u); }
