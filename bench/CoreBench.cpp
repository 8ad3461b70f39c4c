#include "FullLibrary.h"
#include "core/LibraryDocument.h"
#include "core/ProfileRepository.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <unistd.h>

using namespace vantorel;

namespace {

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

// A folder of its own in the system's temporary folder, on the disk the saves go to.
struct Folder {
    std::filesystem::path path;
    Folder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vantorel-bench-XXXXXX").string();
        path = ::mkdtemp(pattern.data());
    }
    ~Folder() { std::filesystem::remove_all(path); }
};

// The whole save of a full library: check, encode, and the atomic write with its two fsyncs.
void saveFullLibrary(benchmark::State& state) {
    const Folder folder;
    NoVault vault;
    const ProfileRepository repository(folder.path / "locations-v1.json", vault);
    const ProfileLibrary library = fullLibrary();
    for (auto _ : state) {
        if (!repository.save(library)) {
            state.SkipWithError("save failed");
        }
    }
}
BENCHMARK(saveFullLibrary)->Unit(benchmark::kMillisecond);

// Its floor: the same bytes written to a temporary file in the same folder, fsynced, renamed over
// the document, and the folder fsynced, with nothing else around it.
void saveFloorBaseline(benchmark::State& state) {
    const Folder folder;
    const std::string bytes = LibraryDocument::encode(fullLibrary());
    const auto temporary = folder.path / ".locations-floor.tmp";
    const auto document = folder.path / "locations-v1.json";
    const int directory = ::open(folder.path.c_str(), O_RDONLY | O_DIRECTORY);
    for (auto _ : state) {
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != ssize_t(bytes.size()) || ::fsync(fd) != 0 ||
            ::close(fd) != 0 || ::rename(temporary.c_str(), document.c_str()) != 0 || ::fsync(directory) != 0) {
            state.SkipWithError("write failed");
        }
    }
    ::close(directory);
}
BENCHMARK(saveFloorBaseline)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
