#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "mission/ByteRecord.h"
#include "mission/Trigger.h"

namespace vantorel {

// Views onto sub-records that live inside a larger record (orders and goals
// inside a flight group, goal sets inside a team's global goals). B is
// `uint8_t` for a writable view and `const uint8_t` for a read-only one.
template <class B>
class RecordView {
public:
    explicit RecordView(B* p) : p_(p) {}
    B* Data() const { return p_; }

protected:
    static constexpr bool kWritable = !std::is_const_v<B>;
    B* p_;
};

template <class B>
class OrderView : public RecordView<B> {
    using RecordView<B>::p_;

public:
    static constexpr int kSize = 82;
    using RecordView<B>::RecordView;

#define VANTOREL_U8(name, off)                                           \
    uint8_t name() const {                                               \
        return p_[off];                                                  \
    }                                                                    \
    void Set##name(uint8_t v) const requires(RecordView<B>::kWritable) { \
        p_[off] = v;                                                     \
    }
    VANTOREL_U8(Command, 0x00)
    VANTOREL_U8(Throttle, 0x01)
    VANTOREL_U8(Parameter1, 0x02)
    VANTOREL_U8(Parameter2, 0x03)
    VANTOREL_U8(Target3Type, 0x06)
    VANTOREL_U8(Target4Type, 0x07)
    VANTOREL_U8(Target3, 0x08)
    VANTOREL_U8(Target4, 0x09)
    VANTOREL_U8(Target34AndOr, 0x0A)
    VANTOREL_U8(Target1Type, 0x0C)
    VANTOREL_U8(Target1, 0x0D)
    VANTOREL_U8(Target2Type, 0x0E)
    VANTOREL_U8(Target2, 0x0F)
    VANTOREL_U8(Target12AndOr, 0x10)
    VANTOREL_U8(Speed, 0x12)

    static constexpr int kDescriptionOffset = 0x13;
    static constexpr int kDescriptionSize = 16;
    std::string Description() const {
        return ReadFixedText(p_ + kDescriptionOffset, kDescriptionSize);
    }
    void SetDescription(std::string_view s) const requires(RecordView<B>::kWritable) {
        WriteFixedText(p_ + kDescriptionOffset, kDescriptionSize, s);
    }
};

template <class B>
class FgGoalView : public RecordView<B> {
    using RecordView<B>::p_;

public:
    static constexpr int kSize = 78;
    using RecordView<B>::RecordView;

    VANTOREL_U8(Argument, 0x00)
    VANTOREL_U8(Condition, 0x01)
    VANTOREL_U8(Amount, 0x02)
    VANTOREL_U8(Team, 0x05)
    VANTOREL_U8(TimeLimit, 0x0D)
    int8_t Points() const { return int8_t(p_[0x03]); }
    void SetPoints(int8_t v) const requires(RecordView<B>::kWritable) { p_[0x03] = uint8_t(v); }
};

// One of the three goal sets (Primary, Prevent, Secondary) of a team.
template <class B>
class GoalSetView : public RecordView<B> {
    using RecordView<B>::p_;

public:
    static constexpr int kSize = 42;
    using RecordView<B>::RecordView;

    static constexpr int kTriggerOffsets[4] = {0, 4, 11, 15};
    Trigger GetTrigger(int i) const { return Trigger::ReadFrom(p_ + kTriggerOffsets[i]); }
    void SetTrigger(int i, const Trigger& t) const requires(RecordView<B>::kWritable) {
        t.WriteTo(p_ + kTriggerOffsets[i]);
    }
    VANTOREL_U8(AndOr12, 10)
    VANTOREL_U8(AndOr34, 21)
    VANTOREL_U8(AndOr1234, 39)
    int8_t Points() const { return int8_t(p_[41]); }
    void SetPoints(int8_t v) const requires(RecordView<B>::kWritable) { p_[41] = uint8_t(v); }
#undef VANTOREL_U8
};

using Order = OrderView<uint8_t>;
using ConstOrder = OrderView<const uint8_t>;
using FgGoal = FgGoalView<uint8_t>;
using ConstFgGoal = FgGoalView<const uint8_t>;
using GoalSet = GoalSetView<uint8_t>;
using ConstGoalSet = GoalSetView<const uint8_t>;

}  // namespace vantorel
