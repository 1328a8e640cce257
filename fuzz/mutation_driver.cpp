// A small stand-in for libFuzzer, linked with a target's
// LLVMFuzzerTestOneInput where clang's fuzzer is not at hand (the sanitizer
// build of the tests): every input of the corpus folders runs once, then
// random mutations of them run until the time or run budget is spent. It has
// no coverage guidance; it is the quick pass, the clang build the long one.
//
//   fuzz_wav_pass [-seconds=N] [-runs=N] [-seed=N] corpus_dir...
//
// A failing input is written to "crash-input" in the current folder before
// the sanitizer ends the program.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));

namespace {

using Bytes = std::vector<uint8_t>;
Bytes current;

void saveCurrent() {
  std::ofstream("crash-input", std::ios::binary).write(reinterpret_cast<const char*>(current.data()),
                                                       static_cast<std::streamsize>(current.size()));
}

void runOne(const Bytes& input) {
  current = input;
  LLVMFuzzerTestOneInput(current.data(), current.size());
}

// One to four edits of the kinds that break binary readers: flipped bits,
// boundary values, inserted, deleted or repeated runs, cut ends, and a
// splice with another input.
Bytes mutate(Bytes in, const std::vector<Bytes>& corpus, std::mt19937_64& rng, size_t maxSize) {
  auto below = [&](size_t n) { return n == 0 ? size_t{0} : static_cast<size_t>(rng() % n); };
  static const uint8_t kBoundary[] = {0, 1, 0x7F, 0x80, 0xFF, 10, 13, 9, 12};
  const int edits = 1 + static_cast<int>(below(4));
  for (int e = 0; e < edits; ++e) {
    const size_t at = below(in.size() + 1);
    switch (below(7)) {
      case 0:
        if (!in.empty()) in[below(in.size())] ^= static_cast<uint8_t>(1u << below(8));
        break;
      case 1:
        if (!in.empty()) in[below(in.size())] = kBoundary[below(std::size(kBoundary))];
        break;
      case 2: {
        const size_t n = 1 + below(16);
        for (size_t i = 0; i < n; ++i) in.insert(in.begin() + static_cast<std::ptrdiff_t>(at), static_cast<uint8_t>(rng()));
        break;
      }
      case 3:
        if (at < in.size()) in.erase(in.begin() + static_cast<std::ptrdiff_t>(at),
                                     in.begin() + static_cast<std::ptrdiff_t>(std::min(in.size(), at + 1 + below(64))));
        break;
      case 4:
        if (at < in.size()) {
          const Bytes run(in.begin() + static_cast<std::ptrdiff_t>(at),
                          in.begin() + static_cast<std::ptrdiff_t>(std::min(in.size(), at + 1 + below(32))));
          in.insert(in.begin() + static_cast<std::ptrdiff_t>(below(in.size() + 1)), run.begin(), run.end());
        }
        break;
      case 5:
        in.resize(below(in.size() + 1));
        break;
      default: {
        const Bytes& other = corpus[below(corpus.size())];
        const size_t from = below(other.size() + 1);
        in.resize(std::min(in.size(), at));
        in.insert(in.end(), other.begin() + static_cast<std::ptrdiff_t>(from), other.end());
        break;
      }
    }
  }
  if (in.size() > maxSize) in.resize(maxSize);
  return in;
}

}  // namespace

int main(int argc, char** argv) {
  double seconds = 10;
  long long runs = -1;
  uint64_t seed = 1;
  std::vector<Bytes> corpus;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("-seconds=", 0) == 0) seconds = std::stod(arg.substr(9));
    else if (arg.rfind("-runs=", 0) == 0) runs = std::stoll(arg.substr(6));
    else if (arg.rfind("-seed=", 0) == 0) seed = std::stoull(arg.substr(6));
    else
      for (const auto& entry : std::filesystem::directory_iterator(arg))
        if (entry.is_regular_file()) {
          std::ifstream in(entry.path(), std::ios::binary);
          corpus.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
  }
  if (__sanitizer_set_death_callback) __sanitizer_set_death_callback(saveCurrent);
  if (corpus.empty()) corpus.push_back({});
  size_t maxSize = 4096;
  for (const Bytes& b : corpus) maxSize = std::max(maxSize, 2 * b.size());

  long long done = 0;
  for (const Bytes& b : corpus) runOne(b), ++done;
  std::mt19937_64 rng(seed);
  const auto start = std::chrono::steady_clock::now();
  auto elapsed = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
  while ((runs < 0 || done < runs) && elapsed() < seconds) {
    runOne(mutate(corpus[rng() % corpus.size()], corpus, rng, maxSize));
    ++done;
  }
  std::printf("%lld runs in %.1f s (seed %llu)\n", done, elapsed(), static_cast<unsigned long long>(seed));
  return 0;
}
