#pragma once

#include <QButtonGroup>
#include <QLabel>
#include <QVBoxLayout>
#include <QWizardPage>
#include <initializer_list>
#include <utility>

#include "wizards/ui/WizardPictures.h"

namespace vantorel {

// A page of either wizard: the picture on the left, and on the right the
// page's caption over its question and choices. A page only shows choices
// and reports the one made; what follows from it is the wizard's flow.
class CWizardPage : public QWizardPage {
    Q_OBJECT
public:
    CWizardPage(const QString& caption, WizardMotif motif, QWidget* parent = nullptr);

    QString Caption() const { return caption_->text(); }
    void SetMotif(WizardMotif motif);

protected:
    QVBoxLayout* Column() const { return column_; }
    // A line of text; a "&" in it gives the next control a shortcut.
    QLabel* AddText(const QString& text);
    // Adds a control under the texts (a text waiting for its control gets
    // this one).
    void AddControl(QWidget* control);
    // Radio buttons, one per (text, value); the one of `value` is checked.
    QButtonGroup* AddChoices(std::initializer_list<std::pair<QString, int>> choices, int value);

private:
    QLabel* picture_;
    QLabel* caption_;
    QVBoxLayout* column_;
    QLabel* pendingBuddy_ = nullptr;
};

// A page that asks one question with radio buttons.
class CWizardChoicePage : public CWizardPage {
    Q_OBJECT
public:
    CWizardChoicePage(const QString& caption, WizardMotif motif, const QString& question,
                      std::initializer_list<std::pair<QString, int>> choices, int value,
                      QWidget* parent = nullptr);

    int Value() const { return choices_->checkedId(); }
    QButtonGroup* Choices() const { return choices_; }

private:
    QButtonGroup* choices_;
};

// The last page: what happens on Finish.
class CWizardFinishedPage : public CWizardPage {
    Q_OBJECT
public:
    CWizardFinishedPage(const QString& caption, WizardMotif motif, const QString& heading,
                        const QString& text, QWidget* parent = nullptr);
};

}  // namespace vantorel
