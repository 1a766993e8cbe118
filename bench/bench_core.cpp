// The list operations that grow with the list, each beside its floor: the least work any implementation of
// the operation must do on the same bytes. The ratios are printed after the benchmarks, from the medians of
// the repetitions.
//
// veradex-bench [--write-lists DIR] [--medians FILE] [benchmark flags]
//   --write-lists DIR  writes the benchmark lists (list-N.csv, shuffled-N.csv) to DIR and exits
//   --medians FILE     also writes "name median-ns peak-bytes" lines, for the comparison with GNU sort
#include "GenusIndex.h"
#include "HeapCounter.h"
#include "KanaIndex.h"
#include "ListFile.h"
#include "Lists.h"
#include "Search.h"
#include "Sjis.h"
#include "SpeciesCount.h"
#include "Texts.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kSizes[] = {11999, 1000000};

// Sets the "peak" counter: the most heap memory one iteration held above what was in use before it.
class PeakMeter {
public:
    explicit PeakMeter(benchmark::State& state) : state_(state) {}
    ~PeakMeter() { state_.counters["peak"] = double(most_); }
    void begin() { base_ = heap::startPeak(); }
    void end() { most_ = std::max(most_, heap::peak() - base_); }

private:
    benchmark::State& state_;
    std::int64_t base_ = 0, most_ = 0;
};

// Runs `once` a few times unmeasured: the first rounds of a large operation touch heap pages that later
// rounds reuse.
template <typename F> void warmUp(F&& once) {
    for (int i = 0; i < 3; ++i)
        once();
}

const bench::List& listFor(const benchmark::State& state) {
    return bench::list(int(state.range(0)));
}

QByteArray nativePath(const QString& path) {
    return path.toLocal8Bit();
}

// Load: the file into the table and the row copies.
void load(benchmark::State& state) {
    const bench::List& l = listFor(state);
    auto once = [&] {
        ListTable table;
        RowTexts texts;
        benchmark::DoNotOptimize(loadListFile(l.path, table, texts));
    };
    warmUp(once);
    PeakMeter meter(state);
    for (auto _ : state) {
        meter.begin();
        once();
        meter.end();
    }
}

// Its floor: the file's bytes read into memory and every line end found with memchr.
void loadFloor(benchmark::State& state) {
    const QByteArray path = nativePath(listFor(state).path);
    auto once = [&] {
        const int fd = open(path.constData(), O_RDONLY);
        struct stat st {};
        fstat(fd, &st);
        const auto size = size_t(st.st_size);
        std::unique_ptr<char[]> bytes(new char[size]);
        size_t got = 0;
        while (got < size) {
            const ssize_t n = read(fd, bytes.get() + got, size - got);
            if (n <= 0)
                break;
            got += size_t(n);
        }
        close(fd);
        size_t lines = 0;
        for (const char *p = bytes.get(), *end = p + got; p < end; ++lines) {
            const auto* lf = static_cast<const char*>(memchr(p, '\n', size_t(end - p)));
            p = lf ? lf + 1 : end;
        }
        benchmark::DoNotOptimize(lines);
    };
    warmUp(once);
    PeakMeter meter(state);
    for (auto _ : state) {
        meter.begin();
        once();
        meter.end();
    }
}

QString savePath(const bench::List& l, const char* name) {
    return l.path + QLatin1String(name);
}

// Save: the table written as the file, atomically and durably (temporary file, fsync, rename).
void save(benchmark::State& state) {
    const bench::List& l = listFor(state);
    const QString path = savePath(l, ".saved");
    auto once = [&] {
        if (!saveListFile(path, l.table, l.rowCount))
            state.SkipWithError("the save failed");
    };
    warmUp(once);
    PeakMeter meter(state);
    for (auto _ : state) {
        meter.begin();
        once();
        meter.end();
    }
}

// Its floors: the same bytes, already in memory, written with one write; with and without an fsync.
void saveFloor(benchmark::State& state, bool sync) {
    const bench::List& l = listFor(state);
    const QByteArray bytes = listFileBytes(l.table, l.rowCount);
    const QByteArray path = nativePath(savePath(l, ".floor"));
    auto once = [&] {
        const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size())
            state.SkipWithError("the write failed");
        if (sync)
            fsync(fd);
        close(fd);
    };
    warmUp(once);
    PeakMeter meter(state);
    for (auto _ : state) {
        meter.begin();
        once();
        meter.end();
    }
}

// Patterns that occur nowhere in the generated lists (checked), so the search runs to the last row.
QByteArray missPattern(bool kana) {
    return kana ? sjis::constant(u"ヂョヂョ") : QByteArray("Zzyzx");
}

void searchMiss(benchmark::State& state, bool kana) {
    const bench::List& l = listFor(state);
    const QByteArray pattern = missPattern(kana);
    PeakMeter meter(state);
    for (auto _ : state) {
        meter.begin();
        const SearchHit hit = findDown(l.table, pattern, 1, l.rowCount);
        if (hit.found())
            state.SkipWithError("the pattern occurs in the list");
        benchmark::DoNotOptimize(hit);
        meter.end();
    }
}

// Its floor: one memmem over the file's bytes.
void searchMissFloor(benchmark::State& state, bool kana) {
    const bench::List& l = listFor(state);
    const QByteArray pattern = missPattern(kana);
    for (auto _ : state) {
        const void* at =
            memmem(l.bytes.constData(), size_t(l.bytes.size()), pattern.constData(), size_t(pattern.size()));
        if (at)
            state.SkipWithError("the pattern occurs in the list");
        benchmark::DoNotOptimize(at);
    }
}

// Every occurrence of `needle` in the file's bytes, by memmem or, for one byte, memchr.
size_t countAll(const QByteArray& bytes, const QByteArray& needle) {
    size_t n = 0;
    const char* p = bytes.constData();
    const char* end = p + bytes.size();
    while (const void* at = needle.size() == 1
                                ? memchr(p, needle[0], size_t(end - p))
                                : memmem(p, size_t(end - p), needle.constData(), size_t(needle.size()))) {
        ++n;
        p = static_cast<const char*>(at) + needle.size();
    }
    return n;
}

void kanaIndex(benchmark::State& state) {
    const bench::List& l = listFor(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(buildKanaIndex(l.table, l.rowCount));
}

void kanaIndexFloor(benchmark::State& state) {
    const bench::List& l = listFor(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(countAll(l.bytes, texts::headingMarker()));
}

// The shipped genus index: its names begin no generated row, so every row is tried.
GenusNames shippedGenusNames() {
    const auto names =
        readGenusIndexFile(QString::fromUtf8(VERADEX_DATA_DIR "/リストデータ/属名インデックス.txt"));
    if (!names) {
        std::fprintf(stderr, "veradex-bench: the shipped genus index cannot be read\n");
        std::exit(1);
    }
    return *names;
}

void genusRows(benchmark::State& state) {
    const bench::List& l = listFor(state);
    const GenusNames names = shippedGenusNames();
    for (auto _ : state)
        benchmark::DoNotOptimize(findGenusRows(l.table, l.rowCount, names));
}

// The floor of the passes that visit every row: every line end found with memchr.
void lineScan(benchmark::State& state) {
    const bench::List& l = listFor(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(countAll(l.bytes, QByteArray("\n")));
}

void speciesCount(benchmark::State& state) {
    const bench::List& l = listFor(state);
    PeakMeter meter(state);
    for (auto _ : state) {
        meter.begin();
        benchmark::DoNotOptimize(countSpecies(l.texts, l.rowCount));
        meter.end();
    }
}

// The sort by column 1 of a list in random order, and of a list already sorted.
void sort(benchmark::State& state, bool shuffled) {
    const bench::List& l = listFor(state);
    const ListTable& from = shuffled ? l.shuffled : l.table;
    PeakMeter meter(state);
    ListTable table;
    for (auto _ : state) {
        state.PauseTiming();
        table = from;
        state.ResumeTiming();
        meter.begin();
        table.sortByColumn1(l.rowCount);
        meter.end();
    }
}

struct Comparison {
    const char* operation;
    const char* floor;
    double goal; // 0: no goal, the floor is shown for scale
};

const Comparison kComparisons[] = {
    {"Load", "LoadFloor", 6},
    {"Save", "SaveFloor/write+fsync", 3},
    {"Save", "SaveFloor/write", 0},
    {"SearchMiss/kana", "SearchMissFloor/kana", 6},
    {"SearchMiss/latin", "SearchMissFloor/latin", 6},
    {"KanaIndex", "KanaIndexFloor", 0},
    {"GenusRows", "LineScan", 0},
    {"SpeciesCount", "LineScan", 0},
};

void registerAll() {
    auto add = [](const char* name, auto&& fn) {
        auto* b = benchmark::RegisterBenchmark(name, fn);
        for (int rows : kSizes)
            b->Arg(rows);
        // A warm-up first, so that the first touch of the heap falls on no measured iteration.
        b->Unit(benchmark::kMicrosecond)->UseRealTime()->MinWarmUpTime(0.3);
    };
    add("Load", load);
    add("LoadFloor", loadFloor);
    add("Save", save);
    add("SaveFloor/write", [](benchmark::State& s) { saveFloor(s, false); });
    add("SaveFloor/write+fsync", [](benchmark::State& s) { saveFloor(s, true); });
    add("SearchMiss/kana", [](benchmark::State& s) { searchMiss(s, true); });
    add("SearchMissFloor/kana", [](benchmark::State& s) { searchMissFloor(s, true); });
    add("SearchMiss/latin", [](benchmark::State& s) { searchMiss(s, false); });
    add("SearchMissFloor/latin", [](benchmark::State& s) { searchMissFloor(s, false); });
    add("KanaIndex", kanaIndex);
    add("KanaIndexFloor", kanaIndexFloor);
    add("GenusRows", genusRows);
    add("LineScan", lineScan);
    add("SpeciesCount", speciesCount);
    add("Sort/shuffled", [](benchmark::State& s) { sort(s, true); });
    add("Sort/sorted", [](benchmark::State& s) { sort(s, false); });
}

// The console report, followed by the ratio table over the medians (or the single runs without repetitions).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(std::string mediansFile) : mediansFile_(std::move(mediansFile)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (!median && run.run_type == Run::RT_Aggregate)
                continue;
            Result& r = results_[run.run_name.function_name + "/" + run.run_name.args];
            if (r.fromMedian && !median)
                continue;
            r.fromMedian = median;
            r.ns = run.real_accumulated_time / double(run.iterations) * 1e9;
            r.cpuNs = run.cpu_accumulated_time / double(run.iterations) * 1e9;
            const auto peak = run.counters.find("peak");
            r.peak = peak == run.counters.end() ? -1 : double(peak->second);
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        // A Markdown table, so that a run can be pasted into the performance notes as it is.
        std::printf(
            "\n| operation | rows | time | floor | ratio | goal | ratio (CPU time) | peak heap | floor "
            "measured |\n|---|---:|---:|---:|---:|---|---:|---:|---|\n");
        for (const Comparison& c : kComparisons) {
            for (int rows : kSizes) {
                const Result* op = find(c.operation, rows);
                const Result* fl = find(c.floor, rows);
                if (!op || !fl)
                    continue;
                const double ratio = op->ns / fl->ns;
                char goal[32] = "-";
                if (c.goal > 0)
                    std::snprintf(goal, sizeof goal, "%s %g",
                                  ratio <= c.goal ? "met, <=" : "MISSED, <=", c.goal);
                std::printf("| %s | %d | %s | %s | %.2f | %s | %.2f | %s | %s |\n", c.operation, rows,
                            duration(op->ns).c_str(), duration(fl->ns).c_str(), ratio, goal,
                            op->cpuNs / fl->cpuNs, bytes(op->peak).c_str(), c.floor);
            }
        }
        for (const char* name : {"Sort/shuffled", "Sort/sorted"})
            for (int rows : kSizes)
                if (const Result* op = find(name, rows))
                    std::printf("| %s | %d | %s | GNU sort | see below | | | %s | |\n", name, rows,
                                duration(op->ns).c_str(), bytes(op->peak).c_str());
        std::printf("\nTimes are wall-clock medians of %s.\n",
                    anyMedian() ? "the repetitions" : "single runs (pass --benchmark_repetitions)");
        if (!mediansFile_.empty()) {
            if (FILE* f = std::fopen(mediansFile_.c_str(), "w")) {
                for (const auto& [name, r] : results_)
                    std::fprintf(f, "%s %.0f %.0f\n", name.c_str(), r.ns, r.peak);
                std::fclose(f);
            }
        }
    }

private:
    struct Result {
        double ns = 0, cpuNs = 0, peak = -1;
        bool fromMedian = false;
    };

    const Result* find(const char* name, int rows) const {
        const auto it = results_.find(std::string(name) + "/" + std::to_string(rows));
        return it == results_.end() ? nullptr : &it->second;
    }
    bool anyMedian() const {
        return std::any_of(results_.begin(), results_.end(),
                           [](const auto& e) { return e.second.fromMedian; });
    }
    static std::string duration(double ns) {
        char buf[32];
        if (ns >= 1e6)
            std::snprintf(buf, sizeof buf, "%.2f ms", ns / 1e6);
        else
            std::snprintf(buf, sizeof buf, "%.1f us", ns / 1e3);
        return buf;
    }
    static std::string bytes(double b) {
        if (b < 0)
            return "-";
        char buf[32];
        if (b >= 1 << 20)
            std::snprintf(buf, sizeof buf, "%.1f MiB", b / (1 << 20));
        else
            std::snprintf(buf, sizeof buf, "%.1f KiB", b / 1024);
        return buf;
    }

    std::string mediansFile_;
    std::map<std::string, Result> results_;
};

// First touching a page costs far more on some virtual machines (10 to 20 us per 4 KiB page where this was
// written) than on bare metal, and whether a buffer gets fresh pages depends on what the allocator freed
// before. So that an operation and its floor are measured alike, all memory comes from one heap whose pages
// were touched once up front and are kept: no mmap for large blocks, no trimming.
void warmHeap() {
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
    constexpr size_t kWarm = size_t(1) << 30;
    if (char* block = static_cast<char*>(std::malloc(kWarm))) {
        for (size_t i = 0; i < kWarm; i += 4096)
            block[i] = 1;
        std::free(block);
    }
}

// Removes "--name VALUE" from the arguments and returns VALUE, or an empty string.
std::string takeOption(int& argc, char** argv, const char* name) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0) {
            std::string value = argv[i + 1];
            for (int j = i; j + 2 <= argc; ++j)
                argv[j] = argv[j + 2];
            argc -= 2;
            return value;
        }
    }
    return {};
}

} // namespace

int main(int argc, char** argv) {
    warmHeap();
    if (!sjis::available()) {
        std::fprintf(stderr, "veradex-bench: the %s converter is missing\n", sjis::kCodecName);
        return 1;
    }
    const std::string listsDir = takeOption(argc, argv, "--write-lists");
    if (!listsDir.empty()) {
        for (int rows : kSizes)
            if (!bench::writeLists(QString::fromLocal8Bit(listsDir.c_str()), rows))
                return 1;
        return 0;
    }
    const std::string medians = takeOption(argc, argv, "--medians");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    registerAll();
    RatioReporter reporter(medians);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
