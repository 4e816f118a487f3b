// libFuzzer target: any bytes read as a team theme file give a slot whose
// name is cut to its length, whose names are whole lines, and whose lists
// never hold more names than the file has lines; the name lists built from
// the slot can be offered for every craft type.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "catalogue/CraftTypes.h"
#include "catalogue/NameLists.h"
#include "catalogue/TeamThemes.h"
#include "catalogue/ThemeSlots.h"

using namespace vantorel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;  // a memory file needs at least one byte
    std::FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!file) std::abort();
    ThemeSlot slot;
    const bool ok = ReadThemeFile(file, slot);
    std::fclose(file);
    if (!ok) std::abort();  // memory never fails to read

    const size_t lines = size_t(std::count(data, data + size, '\n')) + 1;
    if (slot.ThemeName.size() > kThemeNameMaxLength) std::abort();
    // A name needs its own line below the theme name and a count line.
    const size_t names = slot.FirstNames.size() + slot.SecondNames.size();
    if (names > 0 && names + 2 > lines) std::abort();
    for (const auto* list : {&slot.FirstNames, &slot.SecondNames})
        for (const std::string& name : *list)
            if (name.find('\n') != std::string::npos) std::abort();

    // What the rest of the program does with a loaded slot.
    ThemeSlots()[size_t(data[0] % kThemeSlotCount)] = slot;
    const int team = data[0] % kThemeSlotCount;
    for (int kind = kNameListThemeFirst; kind <= kNameListThemeSecond; ++kind) {
        const int count = NameListCount(team, kind);
        for (int i = -1; i <= count; ++i) NameListEntry(team, i, kind);
    }
    // One craft type of each naming class, and one the game does not know.
    static const std::vector<int> kTypes = [] {
        std::vector<int> types{-1, CraftTypeCount};
        for (int type = 0; type < CraftTypeCount; ++type)
            if (std::none_of(types.begin(), types.end(),
                             [&](int t) { return NamingClassOf(t) == NamingClassOf(type); }))
                types.push_back(type);
        return types;
    }();
    for (int type : kTypes) OfferedNames(team, type);
    ThemeSlots()[size_t(team)] = ThemeSlot{};
    return 0;
}
