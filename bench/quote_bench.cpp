#include <benchmark/benchmark.h>

#include <unistd.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <streambuf>
#include <string>
#include <vector>

#include "engine.h"
#include "order_code.h"
#include "posix_settings_store.h"
#include "quote_session.h"

namespace {

constexpr std::size_t kCodes = 1'000'000;

// Discards the output, as writing to /dev/null would, without a system call.
class NullBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// A bill of materials: every catalogue combination the calculator offers, at
// a few lengths, over and over.
const std::filesystem::path& CodeFile(bool csv) {
  static const auto make = [](bool withHeader) {
    const auto path =
        std::filesystem::temp_directory_path() /
        ("lumor_quote_bench_" + std::to_string(getpid()) + (withHeader ? ".csv" : ".txt"));
    std::ofstream out(path, std::ios::binary);
    if (withHeader) out << "code,quantity\n";
    const char* connectors[] = {"SC", "SA", "FC", "FA", "LC", "LA", "ST", "E2", "EA"};
    const char* cables[] = {"0900", "1700", "1800", "2000", "2200",
                            "2400", "2600", "2800", "3000", "Fig-0"};
    const char* fibres[] = {"SM", "M1", "M2"};
    const char* lengths[] = {"10", "2.5", "100", "1000"};
    std::size_t n = 0;
    while (n < kCodes) {
      for (const char* length : lengths) {
        for (const char* cable : cables) {
          for (const char* fibre : fibres) {
            for (const char* left : connectors) {
              for (const char* right : connectors) {
                if (n == kCodes) break;
                out << (n % 7 == 0 ? "T" : "C") << (cable[0] == 'F' ? "-D-" : "-S-") << fibre << '-'
                    << left << '-' << length << "-SL" << cable << '-'
                    << (n % 7 == 0 ? "XX" : right);
                if (withHeader) out << ',' << (n % 5 + 1);
                out << '\n';
                ++n;
              }
            }
          }
        }
      }
    }
    return path;
  };
  static const std::filesystem::path text = make(false);
  static const std::filesystem::path table = make(true);
  static const struct Cleanup {
    ~Cleanup() {
      std::filesystem::remove(text);
      std::filesystem::remove(table);
    }
  } cleanup;
  return csv ? table : text;
}

lumor::Engine& PricingEngine(lumor::SettingsStore& store) {
  static lumor::Engine engine(store);
  engine.LoadDefaults();
  engine.DiscountPercent = 12.5;
  return engine;
}

void PriceFile(benchmark::State& state, bool csv) {
  const auto& path = CodeFile(csv);
  NullBuffer null;
  std::ostream sink(&null);
  lumor::PosixSettingsStore store;
  auto& engine = PricingEngine(store);
  for (auto _ : state) {
    std::ifstream in(path, std::ios::binary);
    lumor::quote::QuoteSession session(
        engine, csv ? lumor::quote::OutputFormat::kCsv : lumor::quote::OutputFormat::kText, sink,
        sink);
    session.PriceInput("bench", in, false);
    session.Finish();
    if (session.Rejected() != 0) state.SkipWithError("a generated code was rejected");
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kCodes));
}

// The reference: the engine alone reading and pricing the same codes from
// memory, which no reader or writer can beat.
void BM_EngineOnly(benchmark::State& state) {
  std::ifstream in(CodeFile(false), std::ios::binary);
  std::vector<std::string> codes;
  for (std::string line; std::getline(in, line);) codes.push_back(line);
  lumor::PosixSettingsStore store;
  auto& engine = PricingEngine(store);
  for (auto _ : state) {
    for (const std::string& text : codes) {
      lumor::OrderCode code;
      if (lumor::ReadOrderCode(text, code)) state.SkipWithError("a generated code was rejected");
      lumor::SelectOrderCode(code, engine.SelectionState);
      engine.BuildOrderLine();
      benchmark::DoNotOptimize(engine.OrderLine.data());
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * codes.size()));
}
BENCHMARK(BM_EngineOnly)->Unit(benchmark::kMillisecond);

void BM_PriceCodeListToText(benchmark::State& state) { PriceFile(state, false); }
BENCHMARK(BM_PriceCodeListToText)->Unit(benchmark::kMillisecond);

void BM_PriceCsvToCsv(benchmark::State& state) { PriceFile(state, true); }
BENCHMARK(BM_PriceCsvToCsv)->Unit(benchmark::kMillisecond);

}  // namespace
