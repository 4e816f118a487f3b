#pragma once

#include <QDialog>
#include <vector>

#include "document/RecoveryFolder.h"

class QListWidget;

namespace vantorel {

// Offered at start-up when the last run ended without saving or closing its
// missions: each copy with the file it belongs to and when it was made.
// Restore brings back the checked copies, Discard throws them away, and
// Later keeps them all for the next start.
class CRecoveryDlg : public QDialog {
    Q_OBJECT
public:
    enum Choice { kLater = 0, kRestore = 1, kDiscard = 2 };

    CRecoveryDlg(const std::vector<RecoveryEntry>& entries, QWidget* parent = nullptr);

    // The entries checked when the dialog ended.
    std::vector<RecoveryEntry> Checked() const;
    QListWidget* List() const { return list_; }

private:
    std::vector<RecoveryEntry> entries_;
    QListWidget* list_;
};

// The line that names one copy.
QString RecoveryLine(const RecoveryEntry& entry);

}  // namespace vantorel
