// libFuzzer target: any 820 bytes as a briefing's command block. A block
// that decodes encodes back to the same bytes, and its list written alone
// (the words after it zeroed, as an edit writes it) decodes to the same
// events; one that does not decode says why. The sentences and the check
// take either kind.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "catalogue/BriefingText.h"
#include "document/MissionCheck.h"
#include "mission/BriefingCommands.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vantorel;
    Mission mission;
    BriefingCommandBlock& block = mission.Briefings[0].Commands;
    std::memcpy(block.data(), data, std::min(size, block.size()));
    const BriefingDecode d = DecodeBriefing(block);
    if (d.Script) {
        if (EncodeBriefing(*d.Script) != block) std::abort();
        BriefingScript bare = *d.Script;
        bare.Area.fill(0);
        const BriefingDecode again = DecodeBriefing(EncodeBriefing(bare));
        if (!again.Script || again.Script->Events != d.Script->Events) std::abort();
    } else if (d.Reason.empty()) {
        std::abort();
    }
    mission.AppendFlightGroup();
    (void)BriefingReportText(mission, 0);
    (void)CheckMission(mission);
    return 0;
}
