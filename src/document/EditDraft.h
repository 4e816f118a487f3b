#pragma once

#include <map>
#include <memory>
#include <string>
#include <typeindex>
#include <utility>
#include <vector>

#include "document/RecordSwapEdit.h"

namespace vantorel {

// Copies of live records that a page or dialog writes into instead of the
// mission. Each record is copied once, the first time it is asked for, so
// several controls writing one record build one new version of it. At the
// end the copies that differ from their live records become one edit.
class EditDraft {
public:
    EditDraft() = default;
    EditDraft(const EditDraft&) = delete;
    EditDraft& operator=(const EditDraft&) = delete;

    // The draft's copy of the live record, made on first use.
    template <class T>
    T& Edit(T& live) {
        const Key key{&live, std::type_index(typeid(T))};
        auto it = index_.find(key);
        if (it != index_.end()) return static_cast<Held<T>&>(*copies_[it->second]).copy;
        auto held = std::make_unique<Held<T>>(live);
        T& copy = held->copy;
        index_.emplace(key, copies_.size());
        copies_.push_back(std::move(held));
        return copy;
    }

    // What the record reads like with the draft's changes: the copy when
    // there is one, else the live record.
    template <class T>
    const T& Read(const T& live) const {
        auto it = index_.find(Key{&live, std::type_index(typeid(T))});
        if (it == index_.end()) return live;
        return static_cast<const Held<T>&>(*copies_[it->second]).copy;
    }

    // One edit of every copy that differs from its record (empty when none
    // does). The draft is used up.
    std::unique_ptr<RecordSwapEdit> Finish(std::string name) {
        auto edit = std::make_unique<RecordSwapEdit>(std::move(name));
        for (auto& c : copies_) c->MoveInto(*edit);
        copies_.clear();
        index_.clear();
        return edit;
    }

private:
    struct HeldBase {
        virtual ~HeldBase() = default;
        virtual void MoveInto(RecordSwapEdit& edit) = 0;
    };
    template <class T>
    struct Held final : HeldBase {
        explicit Held(T& l) : live(&l), copy(l) {}
        void MoveInto(RecordSwapEdit& edit) override { edit.Add(*live, std::move(copy)); }
        T* live;
        T copy;
    };
    // A record and a record that starts it (a flight group's file record
    // sits at the flight group's own address) are told apart by type.
    using Key = std::pair<const void*, std::type_index>;

    std::vector<std::unique_ptr<HeldBase>> copies_;
    std::map<Key, size_t> index_;
};

}  // namespace vantorel
