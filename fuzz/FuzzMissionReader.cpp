// libFuzzer target: any bytes given to the reader are either refused with a
// message or read into a mission that the writer takes (nothing read is too
// large for its field) and writes back to a file the reader accepts again,
// unchanged: write(read(write(read(x)))) == write(read(x)), as roundtrip
// writes it.
#include <cstdint>
#include <cstdlib>

#include "document/MissionReader.h"
#include "document/MissionWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vantorel::Mission m;
    vantorel::ReadResult r = vantorel::ReadMission({data, size}, m);
    if (!r.ok) {
        if (r.error.empty()) std::abort();
        return 0;
    }
    if (!vantorel::WriteRefusal(m).empty()) std::abort();
    std::vector<uint8_t> first = vantorel::WriteMission(m);
    vantorel::Mission again;
    if (!vantorel::ReadMission(first, again).ok) std::abort();
    if (vantorel::WriteMission(again) != first) std::abort();
    return 0;
}
