#pragma once

#include "properties/logic/PageModel.h"

namespace vantorel {

// A tab that has no controls yet.
class EmptyPage final : public PageModel {
public:
    explicit EmptyPage(std::string title) : PageModel(title, title + " Properties") {}

protected:
    void OnLoad(PageContext&) override {}
};

}  // namespace vantorel
