// The atlas: the whole search of a room with its moves recorded, then the
// moves left from each position counted back from the solved ones.
#include "engine/room_atlas.h"

#include <algorithm>
#include <vector>

#include "engine/breadth_search.h"

namespace {

using namespace breadth_search;

constexpr uint8_t kNoWay = 255;

template <int W>
class TAtlasOf : public TRoomAtlas {
 public:
  using TKey = typename TPositionStore<W>::TKey;

  // keys sorted, each with its moves left.
  TAtlasOf(std::unique_ptr<TRoomModel> model, TEnginePtr engine, std::vector<TKey> keys, std::vector<uint8_t> movesLeft)
      : model_(std::move(model)),
        engine_(std::move(engine)),
        keys_(std::move(keys)),
        movesLeft_(std::move(movesLeft)) {}

  TWay wayFrom(const TEngine& room, TMoveList& moves) const override {
    moves.clear();
    TRoomModel::TState state;
    if (!model_->fromEngine(room, state)) return TWay::unknown;
    model_->canonicalise(state);
    size_t at = indexOf(state);
    if (at == kNowhere) return TWay::unknown;
    if (movesLeft_[at] == kNoWay) return TWay::none;
    std::vector<TRoomModel::TChild> children;
    while (movesLeft_[at] > 0) {
      model_->expand(state, children);
      const auto next = std::find_if(children.begin(), children.end(), [&](TRoomModel::TChild& child) {
        if (child.step == TRoomModel::TStep::uncertain && !playOnEngine(state, child)) return false;
        const size_t i = indexOf(child.next);
        return i != kNowhere && movesLeft_[i] + 1 == movesLeft_[at];
      });
      if (next == children.end()) return TWay::unknown;
      moves.push_back(next->move);
      state = next->next;
      at = indexOf(state);
    }
    return TWay::found;
  }

  long positions() const override { return static_cast<long>(keys_.size()); }

 private:
  static constexpr size_t kNowhere = SIZE_MAX;

  // A move whose outcome hangs on timing the model does not follow, played
  // out by the engine as the search played it.
  bool playOnEngine(const TRoomModel::TState& state, TRoomModel::TChild& child) const {
    model_->toEngine(state, *engine_);
    if (!playMove(*engine_, child.move) || !model_->fromEngine(*engine_, child.next)) return false;
    model_->canonicalise(child.next);
    return true;
  }

  size_t indexOf(const TRoomModel::TState& state) const {
    uint64_t words[TRoomModel::kMaxKeyWords];
    model_->packWords(state, words);
    TKey key;
    std::copy_n(words, W, key.begin());
    const auto found = std::lower_bound(keys_.begin(), keys_.end(), key);
    return found != keys_.end() && *found == key ? static_cast<size_t>(found - keys_.begin()) : kNowhere;
  }

  std::unique_ptr<TRoomModel> model_;
  TEnginePtr engine_;  // the copy the search played on
  std::vector<TKey> keys_;
  std::vector<uint8_t> movesLeft_;
};

// Moves left from each position: none but for the solved ones at first,
// then each position one more than the best of the positions its moves
// lead to, sweeping from the last found to the first (the way moves
// mostly lead) until a sweep changes nothing.
std::vector<uint8_t> countMovesLeft(const std::vector<bool>& solved, const TMoveGraph& graph) {
  const size_t n = solved.size();
  std::vector<uint8_t> movesLeft(n, kNoWay);
  for (size_t i = 0; i < n; ++i)
    if (solved[i]) movesLeft[i] = 0;
  for (bool changed = true; changed;) {
    changed = false;
    for (size_t i = n; i-- > 0;) {
      if (movesLeft[i] == 0) continue;
      uint8_t best = kNoWay;
      for (uint32_t k = graph.first(i); k < graph.first(i + 1); ++k) best = std::min(best, movesLeft[graph.to(k)]);
      if (best < kNoWay - 1 && best + 1 < movesLeft[i]) movesLeft[i] = static_cast<uint8_t>(best + 1), changed = true;
    }
  }
  return movesLeft;
}

template <int W>
std::unique_ptr<TRoomAtlas> mapModel(std::unique_ptr<TRoomModel> model, const TEnginePtr& clone,
                                     const TSolveBudget& budget) {
  using TKey = typename TPositionStore<W>::TKey;
  std::vector<uint8_t> movesLeft;
  std::vector<TKey> keys;
  {
    const std::vector<TEnginePtr> clones = {clone};
    TSearch<W> search(*model, clones, budget, false, true);
    if (!search.run()) return nullptr;
    movesLeft = countMovesLeft(search.solvedFlags(), search.graph());
    keys.reserve(search.store().size());
    for (size_t i = 0; i < search.store().size(); ++i) keys.push_back(search.store().key(i));
  }  // the search's table and moves go here; the atlas keeps only the keys, sorted
  std::vector<uint32_t> order(keys.size());
  for (uint32_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) { return keys[a] < keys[b]; });
  std::vector<TKey> sortedKeys(keys.size());
  std::vector<uint8_t> sortedLeft(keys.size());
  for (size_t j = 0; j < order.size(); ++j) sortedKeys[j] = keys[order[j]], sortedLeft[j] = movesLeft[order[j]];
  return std::make_unique<TAtlasOf<W>>(std::move(model), clone, std::move(sortedKeys), std::move(sortedLeft));
}

}  // namespace

std::unique_ptr<TRoomAtlas> TRoomAtlas::mapClone(const TEnginePtr& clone, const TSolveBudget& budget) {
  if (!roomAtRest(*clone)) settleRoom(*clone);
  auto model = std::make_unique<TRoomModel>(*clone);
  if (!model->ok()) return nullptr;
  TSolveBudget one = budget;
  one.threads = 1;
  const TRoomModel& m = *model;
  return withKeyWords(m, [&]<int W>() { return mapModel<W>(std::move(model), clone, one); });
}

TSolveBudget atlasBudget() {
  TSolveBudget budget;
  budget.maxPositions = 1'000'000;
  budget.maxSeconds = 20;
  budget.threads = 1;
  return budget;
}

void TAtlasMaker::start(const TEngine& room, TSolveBudget budget) {
  cancel();
  cancelled_ = false;
  budget.cancel = &cancelled_;
  TEnginePtr clone = cloneRoom(room);
  making_ = std::async(std::launch::async, [clone, budget] { return TRoomAtlas::mapClone(clone, budget); });
}

void TAtlasMaker::cancel() {
  if (!making_.valid()) return;
  cancelled_ = true;
  making_.wait();
  making_ = {};
}

std::unique_ptr<TRoomAtlas> TAtlasMaker::poll() {
  if (!making_.valid() || making_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return nullptr;
  std::unique_ptr<TRoomAtlas> atlas = making_.get();
  making_ = {};
  return atlas;
}
