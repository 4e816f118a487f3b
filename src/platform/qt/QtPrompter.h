#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/Prompter.h"

namespace vantorel {

// Message boxes, captioned "Quarrow" unless asked otherwise, owned by the
// given window (or the active one).
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* owner = nullptr) : owner_(owner) {}
    void SetOwner(QWidget* owner) { owner_ = owner; }
    using Prompter::Show;
    PromptAnswer Show(const std::string& text, PromptIcon icon, PromptButtons buttons,
                      const std::string& caption) override;

private:
    QPointer<QWidget> owner_;
};

}  // namespace vantorel
