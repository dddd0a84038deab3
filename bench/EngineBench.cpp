// make bench: the engine's speed and memory on long decks, beside cat writing
// the same bytes, and the two paths of the Fw.d writer on ten million values.
//
//   quillon_bench <build folder> <deck script>
//
// Each case makes its deck with the script, runs QlEngl and QlMetr on it and
// cat on each listing, and reports wall time, listing bytes per second, peak
// memory (the largest resident set of the program) and the time as a
// multiple of cat's. Every program runs kRuns times, each time into a new
// file; the least wall time counts, so that a busy moment of the machine
// does not.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "fixedform/RecordWriter.hpp"

namespace {

namespace fs = std::filesystem;
namespace ff = quillon::fixedform;

struct Measure {
    bool ok = false;
    double seconds = 0.0;
    long peakKilobytes = 0;
};

// Runs the program with its arguments, standard output to `output` when it
// is not empty.
Measure Run(const std::vector<std::string>& args, const std::string& output = "") {
    Measure m;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0) return m;
    if (pid == 0) {
        if (!output.empty()) {
            const int fd = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0 || dup2(fd, 1) < 0) _exit(127);
            close(fd);
        }
        const int quiet = open("/dev/null", O_WRONLY);
        if (quiet >= 0 && output.empty()) dup2(quiet, 1);
        std::vector<char*> argv;
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return m;
    m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    m.peakKilobytes = usage.ru_maxrss;
    m.ok = WIFEXITED(status) && (WEXITSTATUS(status) == 0 || WEXITSTATUS(status) == 4);
    return m;
}

constexpr int kRuns = 5;

// The least wall time and the largest peak of kRuns runs, each writing a
// new `output` (the freeing of an earlier file is not to count).
Measure RunBest(const std::vector<std::string>& args, const fs::path& output,
                bool toStandardOutput) {
    Measure best;
    for (int run = 0; run < kRuns; ++run) {
        std::error_code gone;
        fs::remove(output, gone);
        const Measure m = Run(args, toStandardOutput ? output.string() : std::string());
        if (!m.ok) return m;
        if (!best.ok || m.seconds < best.seconds) best.seconds = m.seconds;
        best.peakKilobytes = std::max(best.peakKilobytes, m.peakKilobytes);
        best.ok = true;
    }
    return best;
}

struct Case {
    int girders, bents, points;
};

void BenchDeck(const fs::path& build, const std::string& script, const Case& c) {
    const fs::path folder = build / "bench";
    fs::create_directories(folder);
    const std::string name =
        std::to_string(c.girders) + "x" + std::to_string(c.bents) + "x" + std::to_string(c.points);
    const fs::path deck = folder / (name + ".dat");
    if (!Run({"sh", script, std::to_string(c.girders), std::to_string(c.bents),
              std::to_string(c.points)},
             deck.string())
             .ok) {
        std::printf("%-10s the deck script failed\n", name.c_str());
        return;
    }
    for (const char* program : {"QlEngl", "QlMetr"}) {
        const fs::path listing = folder / (name + "-" + program + ".lis");
        const Measure engine = RunBest(
            {(build / "bin" / program).string(), deck.string(), listing.string()}, listing, false);
        std::error_code ec;
        const double bytes = static_cast<double>(fs::file_size(listing, ec));
        const fs::path copy = folder / (name + "-" + program + ".cat");
        const Measure cat = RunBest({"cat", listing.string()}, copy, true);
        std::error_code gone;
        fs::remove(copy, gone);
        if (!engine.ok || !cat.ok || ec) {
            std::printf("%-10s %-7s did not run\n", name.c_str(), program);
            continue;
        }
        std::printf(
            "%-10s %-7s %8.3f s %10.0f bytes %7.1f MB/s  peak %7.1f MB  cat %7.3f s  "
            "%6.1fx cat\n",
            name.c_str(), program, engine.seconds, bytes, bytes / engine.seconds / 1e6,
            static_cast<double>(engine.peakKilobytes) / 1024.0, cat.seconds,
            engine.seconds / std::max(cat.seconds, 1e-6));
    }
}

// Listing-like values (lengths, stations, slopes at every magnitude the
// tables meet) in the edits the tables print.
void BenchNumberWriter(long count) {
    struct Edit {
        int width, decimals;
    };
    const Edit edits[] = {{9, 2}, {9, 4}, {10, 4}, {10, 6}, {11, 4}, {12, 4}, {13, 4}, {17, 4}};
    std::mt19937_64 random(1);
    std::uniform_real_distribution<double> magnitude(-6.0, 6.0);
    std::uniform_int_distribution<int> pick(0, 7);
    std::vector<double> values(static_cast<size_t>(count));
    std::vector<int> which(static_cast<size_t>(count));
    for (long i = 0; i < count; ++i) {
        const double v = std::pow(10.0, magnitude(random));
        values[static_cast<size_t>(i)] = (i % 2 == 0) ? v : -v;
        which[static_cast<size_t>(i)] = pick(random);
    }
    long differ = 0;
    size_t sink = 0;
    auto timed = [&](auto&& write) {
        const auto start = std::chrono::steady_clock::now();
        for (long i = 0; i < count; ++i) {
            const Edit& e = edits[which[static_cast<size_t>(i)]];
            sink += write(values[static_cast<size_t>(i)], e.width, e.decimals).size();
        }
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    const double fast = timed([](double v, int w, int d) { return ff::FormatF(v, w, d); });
    const double exact = timed([](double v, int w, int d) { return ff::FormatFExact(v, w, d); });
    for (long i = 0; i < count; ++i) {
        const Edit& e = edits[which[static_cast<size_t>(i)]];
        const double v = values[static_cast<size_t>(i)];
        if (ff::FormatF(v, e.width, e.decimals) != ff::FormatFExact(v, e.width, e.decimals))
            ++differ;
    }
    std::printf(
        "Fw.d on %ld values: fast path %.3f s, exact expansion %.3f s (%.1fx); %ld "
        "texts differ%s\n",
        count, fast, exact, exact / std::max(fast, 1e-9), differ,
        sink == 0 ? " (nothing written)" : "");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: quillon_bench <build folder> <deck script>\n");
        return 2;
    }
    const fs::path build = argv[1];
    const std::string script = argv[2];
    std::printf("deck: girder lines x bent lines x points a span\n");
    for (const Case& c : {Case{99, 80, 10}, Case{10, 80, 10}, Case{99, 80, 20}, Case{99, 80, 40}})
        BenchDeck(build, script, c);
    BenchNumberWriter(10000000);
    return 0;
}
