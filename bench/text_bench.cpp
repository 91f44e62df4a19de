// Growth of the walking text operations: each must stay linear, so 10 MB may cost at most
// 12 times what 1 MB costs. Inputs are built deterministically, ASCII or a double-byte mix.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "text/case.h"
#include "text/find.h"
#include "text/replace.h"
#include "text/spaces.h"
#include "text/split.h"

namespace zerulin {
namespace {

enum Mix { kAscii = 0, kDoubleByte = 1 };

// About `size` bytes of header-like lines between leading and trailing spaces; the double-byte
// mix puts GBK characters (whose second bytes include ';' and capitals) and full-width spaces
// between the ASCII pieces.
Text MakeInput(int64_t size, Mix mix) {
  static const char* const kAsciiPieces[] = {"Set-Cookie: ", "name=Value", "; ",  "path=/",
                                             "\r\n",         "  ",         "ABC", "x;y"};
  static const char* const kDoublePieces[] = {"\xD6\xD0\xCE\xC4", "\xB0;", "\xA1\xA1",
                                              "\xC3\x41",         "; ",    "Role=",
                                              "\xB5\xC8\xBC\xB6", "\r\n"};
  const char* const* pieces = mix == kAscii ? kAsciiPieces : kDoublePieces;
  std::string text = "  ";
  text.reserve(static_cast<size_t>(size) + 32);
  uint32_t state = 12345;
  while (static_cast<int64_t>(text.size()) < size) {
    state = state * 1103515245u + 12345u;
    text += pieces[(state >> 16) % 8];
  }
  text += " \xA1\xA1";
  return Text(std::move(text));
}

template <typename Operation>
void Run(benchmark::State& state, Operation operation) {
  const Text input = MakeInput(state.range(0), static_cast<Mix>(state.range(1)));
  for (auto _ : state) benchmark::DoNotOptimize(operation(input));
  state.SetBytesProcessed(state.iterations() * TextLength(input));
  state.SetLabel(state.range(1) == kAscii ? "ascii" : "double-byte");
}

// A sought text that does not occur, so the whole input is walked.
void BM_FindText(benchmark::State& state) {
  Run(state, [](const Text& text) { return FindText(text, "user-agent:", {}, true); });
}

void BM_FindTextReverse(benchmark::State& state) {
  Run(state, [](const Text& text) { return FindTextReverse(text, ";"); });
}

// Case-insensitive (the default), with an occurrence every few dozen bytes.
void BM_ReplaceSubtext(benchmark::State& state) {
  Run(state, [](const Text& text) { return ReplaceSubtext(text, "set-cookie:", "X:"); });
}

void BM_SplitText(benchmark::State& state) {
  Run(state, [](const Text& text) { return SplitText(text, ";"); });
}

// The input ends in spaces, so the walk for the end covers all of it.
void BM_TrimBothEnds(benchmark::State& state) {
  Run(state, [](const Text& text) { return TrimBothEnds(text); });
}

void BM_ToLowerCase(benchmark::State& state) {
  Run(state, [](const Text& text) { return ToLowerCase(text); });
}

void Sizes(benchmark::internal::Benchmark* bench) {
  for (int64_t mix : {kAscii, kDoubleByte}) {
    for (int64_t size : {int64_t{1} << 20, int64_t{10} << 20}) bench->Args({size, mix});
  }
  bench->ArgNames({"bytes", "mix"})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_FindText)->Apply(Sizes);
BENCHMARK(BM_FindTextReverse)->Apply(Sizes);
BENCHMARK(BM_ReplaceSubtext)->Apply(Sizes);
BENCHMARK(BM_SplitText)->Apply(Sizes);
BENCHMARK(BM_TrimBothEnds)->Apply(Sizes);
BENCHMARK(BM_ToLowerCase)->Apply(Sizes);

}  // namespace
}  // namespace zerulin

BENCHMARK_MAIN();
