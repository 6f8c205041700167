// Digest throughput on 16 KiB buffers: each engine and OpenSSL's EVP digest of the same
// algorithm in the same run, followed by a table of the ratios. Run it with
// OPENSSL_ia32cap=0:0 in the environment to compare against OpenSSL's generic code paths.
#include <benchmark/benchmark.h>
#include <openssl/evp.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "digest/Md5Sha1.h"
#include "digest/Sha2.h"
#include "digest/Sha3.h"

namespace {

using keyloom::IDigestPtr;
using keyloom::THashBytes;

constexpr std::size_t kBufferBytes = 16 * 1024;

struct Algorithm {
  const char* name;
  std::function<IDigestPtr()> make;
  const char* openssl_name;
};

const std::vector<Algorithm>& Algorithms() {
  static const std::vector<Algorithm> list = {
      {"MD5", [] { return std::make_shared<keyloom::TMD5>(); }, "MD5"},
      {"SHA1", [] { return std::make_shared<keyloom::TSHA1>(); }, "SHA1"},
      {"SHA2_256", [] { return std::make_shared<keyloom::TSHA2_256>(); }, "SHA256"},
      {"SHA2_384", [] { return std::make_shared<keyloom::TSHA2_384>(); }, "SHA384"},
      {"SHA2_512", [] { return std::make_shared<keyloom::TSHA2_512>(); }, "SHA512"},
      {"SHA3_256", [] { return std::make_shared<keyloom::TSHA3_256>(); }, "SHA3-256"},
      {"SHA3_384", [] { return std::make_shared<keyloom::TSHA3_384>(); }, "SHA3-384"},
      {"SHA3_512", [] { return std::make_shared<keyloom::TSHA3_512>(); }, "SHA3-512"},
  };
  return list;
}

THashBytes Buffer() {
  THashBytes buffer(kBufferBytes);
  for (std::size_t i = 0; i < buffer.size(); ++i)
    buffer[i] = static_cast<std::uint8_t>(i * 131 + 7);
  return buffer;
}

void Ours(benchmark::State& state, const Algorithm& algorithm) {
  const THashBytes buffer = Buffer();
  const IDigestPtr engine = algorithm.make();
  for (auto _ : state) {
    auto result = engine->DigestOfBytes(buffer);
    benchmark::DoNotOptimize(result);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBufferBytes));
}

void OpenSsl(benchmark::State& state, const Algorithm& algorithm) {
  const THashBytes buffer = Buffer();
  EVP_MD* md = EVP_MD_fetch(nullptr, algorithm.openssl_name, nullptr);
  EVP_MD_CTX* context = EVP_MD_CTX_new();
  unsigned char out[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  for (auto _ : state) {
    EVP_DigestInit_ex(context, md, nullptr);
    EVP_DigestUpdate(context, buffer.data(), buffer.size());
    EVP_DigestFinal_ex(context, out, &length);
    benchmark::DoNotOptimize(out);
  }
  EVP_MD_CTX_free(context);
  EVP_MD_free(md);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBufferBytes));
}

// Prints the usual console lines and remembers each run's throughput for the ratio table.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      // With --benchmark_repetitions the median stands for the benchmark.
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type != Run::RT_Iteration && !median) continue;
      const auto it = run.counters.find("bytes_per_second");
      if (it == run.counters.end()) continue;
      const std::string name = median ? run.run_name.str() : run.benchmark_name();
      if (median || medians.count(name) == 0) rates[name] = it->second.value;
      if (median) medians.insert(name);
    }
  }
  std::map<std::string, double> rates;
  std::set<std::string> medians;
};

}  // namespace

int main(int argc, char** argv) {
  for (const Algorithm& algorithm : Algorithms()) {
    benchmark::RegisterBenchmark((std::string("Keyloom/") + algorithm.name).c_str(), Ours,
                                 algorithm);
    benchmark::RegisterBenchmark((std::string("OpenSSL/") + algorithm.name).c_str(), OpenSsl,
                                 algorithm);
  }
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);

  const char* caps = std::getenv("OPENSSL_ia32cap");
  std::printf("\nOPENSSL_ia32cap=%s\n", caps != nullptr ? caps : "(not set)");
  std::printf("%-10s %14s %14s %8s\n", "Algorithm", "Keyloom MB/s", "OpenSSL MB/s", "Ratio");
  for (const Algorithm& algorithm : Algorithms()) {
    const auto ours = reporter.rates.find(std::string("Keyloom/") + algorithm.name);
    const auto theirs = reporter.rates.find(std::string("OpenSSL/") + algorithm.name);
    if (ours == reporter.rates.end() || theirs == reporter.rates.end()) continue;
    std::printf("%-10s %14.1f %14.1f %8.3f\n", algorithm.name, ours->second / 1e6,
                theirs->second / 1e6, ours->second / theirs->second);
  }
  benchmark::Shutdown();
  return 0;
}
