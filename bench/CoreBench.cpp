#include "core/LibraryDocument.h"
#include "core/ProfileLibrary.h"

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

using namespace vantorel;

namespace {

// A full library: 200 locations, the largest the program accepts.
ProfileLibrary fullLibrary() {
    ProfileLibrary library;
    for (int i = 0; i < 200; ++i) {
        library.profiles.push_back(VPNProfile{Uuid::random(), "Location " + std::to_string(i), "Netherlands",
                                              "nl" + std::to_string(i) + ".vpn.example.com", "vpn.example.com",
                                              "customer-0042", Uuid::random(), i % 3 == 0});
    }
    library.selectedID = library.profiles.front().id;
    return library;
}

void encodeFullLibrary(benchmark::State& state) {
    const ProfileLibrary library = fullLibrary();
    for (auto _ : state) {
        benchmark::DoNotOptimize(LibraryDocument::encode(library));
    }
}
BENCHMARK(encodeFullLibrary);

void decodeFullLibrary(benchmark::State& state) {
    const std::string bytes = LibraryDocument::encode(fullLibrary());
    for (auto _ : state) {
        benchmark::DoNotOptimize(LibraryDocument::decode(bytes));
    }
}
BENCHMARK(decodeFullLibrary);

// Baseline for the one above: the JSON parse alone, without the strict reading into records.
void parseFullLibraryBaseline(benchmark::State& state) {
    const std::string bytes = LibraryDocument::encode(fullLibrary());
    for (auto _ : state) {
        benchmark::DoNotOptimize(nlohmann::json::parse(bytes));
    }
}
BENCHMARK(parseFullLibraryBaseline);

void validateFullLibrary(benchmark::State& state) {
    const ProfileLibrary library = fullLibrary();
    for (auto _ : state) {
        benchmark::DoNotOptimize(library.validated());
    }
}
BENCHMARK(validateFullLibrary);

} // namespace

BENCHMARK_MAIN();
