// Timings on a generated roster (100,000 entries unless told otherwise): every registered
// section, or only those named.
//
//   ./build/bench/zorvel_bench [entries] [section...]
#include "Bench.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace bench {

std::map<std::string, Section>& Sections() {
    static std::map<std::string, Section> sections;
    return sections;
}

}  // namespace bench

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    const std::vector<std::u16string> lines = bench::MakeRoster(count);
    std::size_t chars = 0;
    for (const auto& l : lines) chars += l.size();
    std::printf("roster: %d entries, %.1f characters per line\n", count,
                static_cast<double>(chars) / count);
    bool ok = true;
    for (const auto& [name, section] : bench::Sections()) {
        bool wanted = argc <= 2;
        for (int i = 2; i < argc; ++i) wanted = wanted || name == argv[i];
        if (!wanted) continue;
        std::printf("--- %s\n", name.c_str());
        if (!section(lines)) {
            std::printf("%s: WRONG RESULT\n", name.c_str());
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
