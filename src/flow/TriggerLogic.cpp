#include "flow/TriggerLogic.h"

#include <cstddef>

namespace vantorel {

using std::size_t;

namespace {

// A side of the combination: the triggers in it, whether it can be true, and
// the triggers that explain it when it cannot.
struct Side {
    bool can = true;
    bool onlyFalse = false;  // impossible through "false" conditions alone
    std::vector<int> blame;
};

Side Leaf(int i, const std::array<bool, 4>& can, const std::array<bool, 4>& isFalse) {
    Side s;
    s.can = can[size_t(i)];
    if (!s.can) {
        s.blame = {i};
        s.onlyFalse = isFalse[size_t(i)];
    }
    return s;
}

Side Join(const Side& a, const Side& b, uint8_t andOr) {
    Side s;
    if (JoinsByOr(andOr)) {
        s.can = a.can || b.can;
        if (!s.can) {
            s.blame = a.blame;
            s.blame.insert(s.blame.end(), b.blame.begin(), b.blame.end());
            s.onlyFalse = a.onlyFalse && b.onlyFalse;
        }
        return s;
    }
    s.can = a.can && b.can;
    if (!s.can) {
        const Side& why = (!a.can && (a.onlyFalse || b.can)) ? a : (!b.can ? b : a);
        s.blame = why.blame;
        s.onlyFalse = why.onlyFalse;
    }
    return s;
}

Side Combine(const ConditionSet& set, const std::array<bool, 4>& can,
             const std::array<bool, 4>& isFalse) {
    if (set.count <= 1) return Leaf(0, can, isFalse);
    const Side pair12 = Join(Leaf(0, can, isFalse), Leaf(1, can, isFalse), set.andOr12);
    if (set.count == 2) return pair12;
    const Side pair34 = Join(Leaf(2, can, isFalse), Leaf(3, can, isFalse), set.andOr34);
    return Join(pair12, pair34, set.andOr1234);
}

}  // namespace

bool JoinsByOr(uint8_t andOr) {
    return andOr != kAnd;
}

bool CanBeTrue(const ConditionSet& set, const std::array<bool, 4>& can) {
    // The same joining as Combine, without its story: the fixed point asks
    // this many times over.
    const auto join = [](bool a, bool b, uint8_t andOr) {
        return JoinsByOr(andOr) ? a || b : a && b;
    };
    if (set.count <= 1) return can[0];
    const bool pair12 = join(can[0], can[1], set.andOr12);
    if (set.count == 2) return pair12;
    return join(pair12, join(can[2], can[3], set.andOr34), set.andOr1234);
}

std::vector<int> BlameTriggers(const ConditionSet& set, const std::array<bool, 4>& triggerCanBeTrue,
                               const std::array<bool, 4>& isFalse) {
    return Combine(set, triggerCanBeTrue, isFalse).blame;
}

}  // namespace vantorel
