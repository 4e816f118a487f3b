#pragma once

#include <cstdint>
#include <initializer_list>

#include "mission/BriefingCommands.h"

namespace vantorel::testing {

// A command block written word by word, the way the game lays it out, so
// tests state the bytes rather than make them with the encoder they test.
class BlockWriter {
public:
    // An event's time, type and parameters, after the last one.
    BlockWriter& Event(uint16_t time, uint16_t type, std::initializer_list<int> params = {}) {
        Word(time);
        Word(type);
        for (int p : params) Word(uint16_t(int16_t(p)));
        return *this;
    }
    // The counts at 4 and 6, the running time at 0 and a team's byte at 810.
    BlockWriter& Counts(int timeZeroWords, uint32_t listWords) {
        Put(4, uint16_t(timeZeroWords));
        Put(6, uint16_t(listWords & 0xFFFF));
        Put(8, uint16_t(listWords >> 16));
        return *this;
    }
    BlockWriter& RunningTime(uint16_t ticks) {
        Put(0, ticks);
        return *this;
    }
    BlockWriter& Team(int team, uint8_t value = 1) {
        block[810 + size_t(team)] = value;
        return *this;
    }
    // A word of the event area (0 to 399), wherever the list ends.
    BlockWriter& AreaWord(int word, uint16_t value) {
        Put(10 + 2 * size_t(word), value);
        return *this;
    }
    int Words() const { return next_; }

    BriefingCommandBlock block{};

private:
    void Word(uint16_t v) { AreaWord(next_++, v); }
    void Put(size_t at, uint16_t v) {
        block[at] = uint8_t(v & 0xFF);
        block[at + 1] = uint8_t(v >> 8);
    }
    int next_ = 0;
};

}  // namespace vantorel::testing
