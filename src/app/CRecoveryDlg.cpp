#include "app/CRecoveryDlg.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantorel {

QString RecoveryLine(const RecoveryEntry& e) {
    const QString where = e.originalPath.empty()
                              ? QStringLiteral("never saved")
                              : QDir::toNativeSeparators(QString::fromStdString(e.originalPath));
    const QString when =
        QDateTime::fromSecsSinceEpoch(e.savedAt).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    return QStringLiteral("%1 (%2), copied %3").arg(QString::fromStdString(e.title), where, when);
}

CRecoveryDlg::CRecoveryDlg(const std::vector<RecoveryEntry>& entries, QWidget* parent)
    : QDialog(parent), entries_(entries), list_(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Recover Missions"));
    auto* text = new QLabel(
        QStringLiteral("The editor ended without saving these missions. Their last copies can be "
                       "restored; a restored mission opens unsaved, under its own name, and "
                       "nothing is written until you save it."),
        this);
    text->setWordWrap(true);
    for (const RecoveryEntry& e : entries_) {
        auto* item = new QListWidgetItem(RecoveryLine(e), list_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* restore =
        buttons->addButton(QStringLiteral("&Restore"), QDialogButtonBox::AcceptRole);
    QPushButton* discard =
        buttons->addButton(QStringLiteral("&Discard"), QDialogButtonBox::DestructiveRole);
    QPushButton* later = buttons->addButton(QStringLiteral("&Later"), QDialogButtonBox::RejectRole);
    restore->setDefault(true);
    connect(restore, &QPushButton::clicked, this, [this] { done(kRestore); });
    connect(discard, &QPushButton::clicked, this, [this] { done(kDiscard); });
    connect(later, &QPushButton::clicked, this, [this] { done(kLater); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(560, 280);
}

std::vector<RecoveryEntry> CRecoveryDlg::Checked() const {
    std::vector<RecoveryEntry> checked;
    for (int r = 0; r < list_->count() && size_t(r) < entries_.size(); ++r)
        if (list_->item(r)->checkState() == Qt::Checked) checked.push_back(entries_[size_t(r)]);
    return checked;
}

}  // namespace vantorel
