// Writes the maximal mission of the benchmarks to the file named by its
// argument, for the start-up benchmark to open.
#include <cstdio>
#include <fstream>

#include "MaximalMission.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: WriteMaximalMission OUT.tie\n");
        return 1;
    }
    const std::vector<uint8_t> bytes = vantorel::bench::MaximalMissionBytes();
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return out ? 0 : 3;
}
