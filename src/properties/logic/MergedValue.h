#pragma once

#include <optional>

namespace vantorel {

// The multi-selection rule, written once: the first record gives the value,
// every further record is compared with the first (not with the one before),
// and once a difference is seen the value stays mixed.
template <class T>
class MergedValue {
public:
    void Add(const T& value) {
        if (!first_)
            first_ = value;
        else if (!mixed_ && !(value == *first_))
            mixed_ = true;
    }
    bool Empty() const { return !first_; }
    bool Mixed() const { return mixed_; }
    // The shared value; none when no record was added or they differ.
    std::optional<T> Value() const { return mixed_ ? std::nullopt : first_; }

private:
    std::optional<T> first_;
    bool mixed_ = false;
};

}  // namespace vantorel
