// zefnote-bench: drives the portable engine without a window and prints one
// JSON object per scenario run.
#include "bench_scenario.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#endif

namespace {

struct Scenario {
    const char* usage;
    BenchRun run;
};

std::map<std::string, Scenario>& Scenarios() {
    static std::map<std::string, Scenario> all;
    return all;
}

std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

void Usage(std::FILE* to) {
    std::fprintf(to, "usage: zefnote-bench SCENARIO ARGS...\nscenarios:\n");
    for (const auto& [name, s] : Scenarios()) std::fprintf(to, "  %s %s\n", name.c_str(), s.usage);
}

} // namespace

BenchRegistration::BenchRegistration(const char* name, const char* usage, BenchRun run) {
    Scenarios()[name] = Scenario{usage, run};
}

bool BenchArgs::Has(const std::string& name) const {
    for (const auto& o : options)
        if (o == name || o.rfind(name + "=", 0) == 0) return true;
    return false;
}

std::string BenchArgs::Value(const std::string& name, const std::string& Default) const {
    for (const auto& o : options)
        if (o.rfind(name + "=", 0) == 0) return o.substr(name.size() + 1);
    return Default;
}

void BenchReport::Add(const std::string& key, double value) {
    std::ostringstream s;
    s.precision(6);
    s << std::fixed << value;
    fields_.emplace_back(key, s.str());
}

void BenchReport::Add(const std::string& key, std::int64_t value) {
    fields_.emplace_back(key, std::to_string(value));
}

void BenchReport::Add(const std::string& key, const std::string& value) {
    fields_.emplace_back(key, JsonString(value));
}

std::string BenchReport::Json(const std::string& scenario) const {
    std::string out = "{\"scenario\":" + JsonString(scenario);
    for (const auto& [k, v] : fields_) out += "," + JsonString(k) + ":" + v;
    out += ",\"peak_rss_bytes\":" + std::to_string(PeakResidentBytes()) + "}";
    return out;
}

std::int64_t PeakResidentBytes() {
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS pmc;
    if (GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc))
        return static_cast<std::int64_t>(pmc.PeakWorkingSetSize);
    return 0;
#else
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stoll(line.substr(6)) * 1024;
    return 0;
#endif
}

bool ReadWholeFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    in.seekg(0, std::ios::end);
    std::streamoff size = in.tellg();
    if (size < 0) return false;
    out.resize(static_cast<size_t>(size));
    in.seekg(0);
    in.read(out.data(), size);
    return static_cast<bool>(in) || in.gcount() == size;
}

// Options take their value as "--name=value"; a following word is taken as
// the value of an option when the option is listed in the scenario usage as
// "--name N" or "--name X".
int main(int argc, char** argv) {
    if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
        Usage(argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    auto it = Scenarios().find(argv[1]);
    if (it == Scenarios().end()) {
        std::fprintf(stderr, "zefnote-bench: unknown scenario '%s'\n", argv[1]);
        Usage(stderr);
        return 2;
    }
    const std::string usage = it->second.usage;
    BenchArgs args;
    for (int i = 2; i < argc; ++i) {
        std::string a = argv[i];
        if (a.rfind("--", 0) == 0 && a.find('=') == std::string::npos) {
            // "--wrap N" style: the usage names a value after the option.
            size_t at = usage.find(a + " ");
            bool takesValue = at != std::string::npos && at + a.size() + 1 < usage.size() &&
                              usage[at + a.size() + 1] != '-' && usage[at + a.size() + 1] != '[' &&
                              usage[at + a.size() + 1] != ']';
            if (takesValue && i + 1 < argc) {
                args.options.push_back(a + "=" + argv[++i]);
                continue;
            }
            args.options.push_back(a);
        } else if (a.rfind("--", 0) == 0) {
            args.options.push_back(a);
        } else {
            args.positional.push_back(a);
        }
    }
    BenchReport report;
    int rc = it->second.run(args, report);
    if (rc == 0) std::printf("%s\n", report.Json(it->first).c_str());
    return rc;
}
