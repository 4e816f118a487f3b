#pragma once

#include <QLineEdit>
#include <functional>

class QAction;
class QListWidget;

namespace vantorel {

// The Find box above a list of the level sheet. Typing narrows the list to
// the rows whose text (what `rowText` gives for the row) holds what was
// typed, in any case; Enter selects every row shown (in a list of one
// choice, the first row shown); Escape, or the button at its end, empties
// the box. Typing only hides rows: it changes neither the selection nor the
// mission.
class CListFindBox : public QLineEdit {
    Q_OBJECT
public:
    using RowText = std::function<QString(int row)>;
    CListFindBox(QListWidget* list, RowText rowText, const QString& placeholder,
                 QWidget* parent = nullptr);

    // The list was filled anew: the rows that do not match hide again.
    void Refilter();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SelectShown();

    QListWidget* list_;
    RowText rowText_;
    QAction* clear_;
};

}  // namespace vantorel
