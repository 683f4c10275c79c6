#pragma once
// The scenarios of zefnote-bench.  Each scenario lives in its own file and
// registers itself with a static BenchRegistration:
//
//   static int RunLoad(const BenchArgs& args, BenchReport& report);
//   static BenchRegistration loadScenario("load", "FILE [--wrap N]", RunLoad);
//
// A scenario returns 0 on success, or prints a message to standard error and
// returns 2 for bad arguments, 1 for a failure.  It fills its report with
// figures; main prints the report as one JSON object on one line, adding the
// scenario name and the peak resident memory of the process.
#include <chrono>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct BenchArgs {
    std::vector<std::string> positional;  // in order, options removed
    std::vector<std::string> options;     // "--name" or "--name=value" as given, in order

    bool Has(const std::string& name) const;
    // The value of "--name VALUE" or "--name=VALUE"; Default when absent.
    std::string Value(const std::string& name, const std::string& Default = "") const;
};

class BenchReport {
public:
    void Add(const std::string& key, double value);
    void Add(const std::string& key, std::int64_t value);
    void Add(const std::string& key, const std::string& value);
    std::string Json(const std::string& scenario) const;

private:
    std::vector<std::pair<std::string, std::string>> fields_;  // key, JSON value
};

using BenchRun = int (*)(const BenchArgs& args, BenchReport& report);

struct BenchRegistration {
    BenchRegistration(const char* name, const char* usage, BenchRun run);
};

// Milliseconds since Start.
class BenchTimer {
public:
    BenchTimer() : start_(std::chrono::steady_clock::now()) {}
    double Ms() const {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_)
            .count();
    }
    void Restart() { start_ = std::chrono::steady_clock::now(); }

private:
    std::chrono::steady_clock::time_point start_;
};

// The largest resident set of this process so far, in bytes (0 when unknown).
std::int64_t PeakResidentBytes();

// Reads a whole file; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& out);
