#pragma once
// Every position a search has seen, in the order it was first reached: its
// key (W 64-bit words), the position it was reached from and the move that
// reached it. Looking a key up costs one probe of an open-addressed table
// that holds the keys themselves, so a repeat is told from a new position
// without touching the list; the search prefetches the probe's slot while
// it works out the next moves.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#ifdef __linux__
#include <sys/mman.h>
#endif

// A fixed array of plain values for a table probed at random: a big one
// asks for huge memory pages, so that a probe seldom also misses the
// processor's page table cache.
template <typename T>
class TProbeArray {
 public:
  void assign(size_t count, const T& value) {
    constexpr size_t kHugePage = size_t{2} << 20;
    const size_t bytes = (count * sizeof(T) + kHugePage - 1) / kHugePage * kHugePage;
    data_.reset(static_cast<T*>(std::aligned_alloc(kHugePage, bytes)));
    if (!data_) throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    // A small table stays in the caches anyway, and a fresh huge page costs
    // more to clear than its page walks would.
    constexpr size_t kWorthHugePages = size_t{16} << 20;
    if (bytes >= kWorthHugePages) madvise(data_.get(), bytes, MADV_HUGEPAGE);
#endif
    std::fill_n(data_.get(), count, value);
    size_ = count;
  }
  size_t size() const { return size_; }
  size_t capacity() const { return size_; }
  T& operator[](size_t i) { return data_[i]; }
  const T& operator[](size_t i) const { return data_[i]; }

 private:
  struct TFree {
    void operator()(T* p) const { std::free(p); }
  };
  std::unique_ptr<T[], TFree> data_;
  size_t size_ = 0;
};

template <int W>
class TPositionStore {
 public:
  using TKey = std::array<uint64_t, W>;

  // withIndex: also keep which position each slot holds, for a search that
  // records the moves between known positions.
  explicit TPositionStore(bool withIndex) : withIndex_(withIndex) { resize(1 << 16); }

  static uint64_t hash(const TKey& key) {
    uint64_t h = 0x9E3779B97F4A7C15ull;
    for (uint64_t w : key) {
      h ^= w;
      h *= 0xFF51AFD7ED558CCDull;
      h ^= h >> 32;
    }
    h *= 0xC4CEB9FE1A85EC53ull;
    return h ^ (h >> 29);
  }

  size_t size() const { return parent_.size(); }
  const TKey& key(size_t i) const { return keys_[i]; }
  uint32_t parent(size_t i) const { return parent_[i]; }
  uint16_t move(size_t i) const { return move_[i]; }
  size_t bytes() const {
    return keys_.capacity() * sizeof(TKey) + parent_.capacity() * sizeof(uint32_t) +
           move_.capacity() * sizeof(uint16_t) + table_.capacity() * sizeof(TKey) +
           tableIndex_.capacity() * sizeof(uint32_t);
  }

  void prefetch(uint64_t h) const { __builtin_prefetch(&table_[h & mask_]); }

  // Where a key was found or put: its slot, and whether it was new.
  struct TPlace {
    size_t slot;
    bool added;
  };
  TPlace insert(const TKey& key, uint64_t h, uint32_t parent, uint16_t move) {
    if ((size() + 1) * 8 > table_.size() * 5) grow();
    size_t slot = h & mask_;
    while (!empty(table_[slot])) {
      if (same(table_[slot], key)) return {slot, false};
      slot = (slot + 1) & mask_;
    }
    keys_.push_back(key);
    parent_.push_back(parent);
    move_.push_back(move);
    table_[slot] = key;
    if (withIndex_) tableIndex_[slot] = static_cast<uint32_t>(size() - 1);
    return {slot, true};
  }
  // The index of the position in a slot, in a store made withIndex (kept
  // apart from the keys: a search that only asks whether a position is new
  // never reads it).
  uint32_t indexAt(size_t slot) const { return tableIndex_[slot]; }

 private:
  static bool same(const TKey& a, const TKey& b) {
    for (int i = 0; i < W; ++i)
      if (a[i] != b[i]) return false;
    return true;
  }
  // A key's last word always has a bit to spare, so all ones marks a free slot.
  static bool empty(const TKey& k) { return k[W - 1] == ~uint64_t{0}; }

  void resize(size_t slots) {
    TKey free{};
    free[W - 1] = ~uint64_t{0};
    table_.assign(slots, free);
    if (withIndex_) tableIndex_.assign(slots, 0);
    mask_ = slots - 1;
  }

  void grow() {
    resize(table_.size() * 2);
    constexpr uint32_t kAhead = 16;
    const uint32_t n = static_cast<uint32_t>(keys_.size());
    for (uint32_t i = 0; i < std::min(n, kAhead); ++i) prefetch(hash(keys_[i]));
    for (uint32_t i = 0; i < n; ++i) {
      if (i + kAhead < n) prefetch(hash(keys_[i + kAhead]));
      size_t slot = hash(keys_[i]) & mask_;
      while (!empty(table_[slot])) slot = (slot + 1) & mask_;
      table_[slot] = keys_[i];
      if (withIndex_) tableIndex_[slot] = i;
    }
  }

  std::vector<TKey> keys_;
  std::vector<uint32_t> parent_;
  std::vector<uint16_t> move_;
  TProbeArray<TKey> table_;
  TProbeArray<uint32_t> tableIndex_;
  size_t mask_ = 0;
  bool withIndex_;
};
