#include "wizards/ui/CWizardPage.h"

#include <QHBoxLayout>
#include <QRadioButton>

namespace vantorel {

CWizardPage::CWizardPage(const QString& caption, WizardMotif motif, QWidget* parent)
    : QWizardPage(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(14);
    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Picture"));
    picture_->setFixedSize(kWizardPictureWidth, kWizardPictureHeight);
    row->addWidget(picture_, 0, Qt::AlignTop);
    column_ = new QVBoxLayout;
    column_->setSpacing(6);
    row->addLayout(column_, 1);

    caption_ = new QLabel(caption, this);
    caption_->setObjectName(QStringLiteral("Caption"));
    QFont bold = caption_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    caption_->setFont(bold);
    column_->addWidget(caption_);
    column_->addSpacing(10);
    SetMotif(motif);
}

void CWizardPage::SetMotif(WizardMotif motif) {
    picture_->setPixmap(WizardPicture(motif));
}

QLabel* CWizardPage::AddText(const QString& text) {
    auto* label = new QLabel(text, this);
    label->setWordWrap(true);
    column_->addWidget(label);
    if (text.contains(QLatin1Char('&')))
        pendingBuddy_ = label;
    else
        label->setTextFormat(Qt::PlainText);
    return label;
}

void CWizardPage::AddControl(QWidget* control) {
    column_->addWidget(control);
    if (pendingBuddy_) {
        pendingBuddy_->setBuddy(control);
        pendingBuddy_ = nullptr;
    }
}

QButtonGroup* CWizardPage::AddChoices(std::initializer_list<std::pair<QString, int>> choices,
                                      int value) {
    auto* group = new QButtonGroup(this);
    for (const auto& [text, id] : choices) {
        auto* radio = new QRadioButton(text, this);
        group->addButton(radio, id);
        radio->setChecked(id == value);
        AddControl(radio);
    }
    return group;
}

CWizardChoicePage::CWizardChoicePage(const QString& caption, WizardMotif motif,
                                     const QString& question,
                                     std::initializer_list<std::pair<QString, int>> choices,
                                     int value, QWidget* parent)
    : CWizardPage(caption, motif, parent) {
    AddText(question);
    choices_ = AddChoices(choices, value);
    Column()->addStretch(1);
}

CWizardFinishedPage::CWizardFinishedPage(const QString& caption, WizardMotif motif,
                                         const QString& heading, const QString& text,
                                         QWidget* parent)
    : CWizardPage(caption, motif, parent) {
    QLabel* first = AddText(heading);
    QFont bold = first->font();
    bold.setBold(true);
    first->setFont(bold);
    Column()->addSpacing(8);
    AddText(text);
    Column()->addStretch(1);
}

}  // namespace vantorel
