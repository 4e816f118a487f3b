#pragma once

// What a test of a page or dialog model stands on: a document with fake
// settings and questions, a page context over it, and a new mission whose
// flight groups the test makes itself, with the history forgotten so that
// the test's own edits are the only ones.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "document/LevelDocument.h"
#include "properties/logic/PageContext.h"
#include "properties/logic/PageModel.h"
#include "support/FakePrompter.h"
#include "support/FakeSettings.h"

namespace vantorel::testing {

inline ControlValue Index(int i) {
    return ControlValue{i, {}, {}};
}
inline ControlValue Text(std::string t) {
    return ControlValue{-1, std::move(t), {}};
}
inline ControlValue States(std::vector<int> s) {
    return ControlValue{-1, {}, std::move(s)};
}

class PageTest : public ::testing::Test {
protected:
    // A new mission with `count` flight groups, each set up by `make`.
    void NewMission(int count, const std::function<void(FlightGroup&, int)>& make) {
        settings.SetInt("Settings", "InitialFG", 0);
        doc.OnNewDocument();
        for (int i = 0; i < count; ++i) make(*doc.AddFlightGroup(), i);
        doc.ForgetHistory(false);
    }
    FlightGroupRecord& Rec(int i) { return doc.GetMission().FlightGroups[size_t(i)]->File; }
    void Select(std::initializer_list<int> which) {
        for (auto& fg : doc.GetMission().FlightGroups) fg->Selected = 0;
        for (int i : which) doc.GetMission().FlightGroups[size_t(i)]->Selected = 1;
    }
    // A dialog opened as its window opens it: the page loaded, then the dialog.
    std::unique_ptr<PageModel> Open(PageModel& page, const std::string& name,
                                    const std::string& which = {}) {
        page.Load(context);
        auto dialog = page.OpenDialog(context, name, which);
        if (dialog) dialog->Load(context);
        return dialog;
    }
    bool Set(PageModel& p, int id, ControlValue v) { return p.Set(context, id, std::move(v)); }

    FakeSettings settings;
    FakePrompter prompter;
    LevelDocument doc{settings, prompter};
    PageContext context{doc};
};

}  // namespace vantorel::testing
