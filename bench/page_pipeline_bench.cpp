// The page pipeline of a role query: a UTF-8 result page to code page 936, the row pattern over
// it, the first four groups of every match. Compared with bench/page_pipeline.py by
// bench/page_pipeline.sh.
//
// Usage: page_pipeline_bench PAGE... [--benchmark_...]   time each page
//        page_pipeline_bench --once PAGE                 one run: seconds, rows, cell digest
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "match/codepage.h"
#include "match/regex_object.h"

namespace zerulin {
namespace {

const Text kRowPattern =
    R"(<td>(.*?)</td>[\s|\S]*?">(.*?)</td>[\s|\S]*?<td>(.*?)</td>[\s|\S]*?<td>(.*?)</td>)"
    R"([\s|\S]*?<td>(.*?)</td>[\s|\S]*?<td>(.*?)</td>)";

using Row = std::array<Text, 4>;

std::vector<Row> RunPipeline(const Bytes& page) {
  Text text = Utf8ToGbk(page);
  RegexObject regex;
  std::vector<Row> rows;
  if (!regex.Create(kRowPattern, text, false, false, true, true)) return rows;
  int count = regex.MatchCount();
  rows.reserve(static_cast<size_t>(count));
  for (int i = 1; i <= count; ++i) {
    Row& row = rows.emplace_back();
    for (int g = 1; g <= 4; ++g) row[g - 1] = regex.SubMatchText(i, g);
  }
  return rows;
}

// FNV-1a (64 bits) over every cell, each followed by a zero byte, as the Python reference does.
uint64_t Digest(const std::vector<Row>& rows) {
  uint64_t value = 0xCBF29CE484222325u;
  for (const Row& row : rows) {
    for (const Text& cell : row) {
      for (unsigned char byte : cell.view()) value = (value ^ byte) * 0x100000001B3u;
      value *= 0x100000001B3u;
    }
  }
  return value;
}

Bytes ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return Bytes(std::move(content).str());
}

// One run on a fresh process heap, as one query on its own thread meets it; a tiny page first
// builds what every later query finds ready (the code page table, the converters).
int RunOnce(const char* path) {
  RunPipeline(Bytes("<td>a</td><td class=\"x\">b</td><td>c</td><td>d</td><td>e</td><td>f</td>"));
  Bytes page = ReadFile(path);
  auto start = std::chrono::steady_clock::now();
  std::vector<Row> rows = RunPipeline(page);
  std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  std::printf("%.6f %zu %016llx\n", seconds.count(), rows.size(),
              static_cast<unsigned long long>(Digest(rows)));
  return 0;
}

}  // namespace
}  // namespace zerulin

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--once") == 0) return zerulin::RunOnce(argv[2]);
  benchmark::Initialize(&argc, argv);
  for (int k = 1; k < argc; ++k) {
    auto page = std::make_shared<zerulin::Bytes>(zerulin::ReadFile(argv[k]));
    benchmark::RegisterBenchmark(argv[k], [page](benchmark::State& state) {
      for (auto _ : state) benchmark::DoNotOptimize(zerulin::RunPipeline(*page));
    })->Unit(benchmark::kMillisecond);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
