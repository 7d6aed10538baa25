// The benchmark's shared parts: a generated roster, a timer, and the sections that each file
// registers. Run: ./build/bench/zorvel_bench [entries] [section...]
#pragma once

#include <chrono>
#include <map>
#include <string>
#include <vector>

namespace bench {

// A roster of `count` realistic Japanese entries, the same for every run.
std::vector<std::u16string> MakeRoster(int count);

template <class F>
double Millis(F&& f) {
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

// A section prints its figures and returns false when a result came out wrong.
using Section = bool (*)(const std::vector<std::u16string>& roster);
std::map<std::string, Section>& Sections();
struct Register {
    Register(const char* name, Section section) { Sections()[name] = section; }
};

}  // namespace bench
