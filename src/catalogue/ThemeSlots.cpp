#include "catalogue/ThemeSlots.h"

namespace vantorel {

std::array<ThemeSlot, kThemeSlotCount>& ThemeSlots() {
    static std::array<ThemeSlot, kThemeSlotCount> slots;
    return slots;
}

}  // namespace vantorel
