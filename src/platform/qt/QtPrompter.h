#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/Prompter.h"

namespace vantorel {

// Message boxes, always captioned "Quarrow", owned by the given window (or
// the active one).
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* owner = nullptr) : owner_(owner) {}
    void SetOwner(QWidget* owner) { owner_ = owner; }
    PromptAnswer Show(const std::string& text, PromptIcon icon, PromptButtons buttons) override;

private:
    QPointer<QWidget> owner_;
};

}  // namespace vantorel
