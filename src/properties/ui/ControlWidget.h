#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

#include "properties/logic/ControlState.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabBar;
class QWidget;

namespace vantorel {

class CNumberSpin;

// The widgets of one control of a page or dialog: it shows a ControlState
// and reports what the user does to it. It never changes the mission; the
// page hands the user's value to its model and pushes the model back.
class ControlWidget : public QObject {
    Q_OBJECT
public:
    ControlWidget(const ControlState& state, QWidget* parent);

    int Id() const { return id_; }
    ControlKind Kind() const { return kind_; }
    // The control itself (combo box, edit, group of radio buttons, ...).
    QWidget* Widget() const { return widget_; }
    // Its caption beside it and the word after it; null when it has none
    // (check boxes, buttons and radio groups carry their own).
    QLabel* Label() const { return label_; }
    QLabel* Suffix() const { return suffix_; }
    // Takes several lines of the page (list boxes, multi-line texts).
    bool Tall() const;

    // Shows the state; signals of the widgets are held back meanwhile.
    void Push(const ControlState& state);
    // Puts the focus here and selects characters of a text (end -1: all).
    void Focus(int selectionStart, int selectionEnd);
    // The radio button of a group, by position.
    QAbstractButton* RadioButton(int index) const;

signals:
    // The user changed the control.
    void changed(int id, const vantorel::ControlValue& value);
    // A button was pressed or a list entry double-clicked.
    void activated(int id);
    // The user left a number box: the focus went elsewhere in the program,
    // or Enter was pressed in it.
    void left(int id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build(const ControlState& s, QWidget* parent);
    void Report(const ControlValue& value) { emit changed(id_, value); }
    void ReportText(const QString& text);
    void SetItems(const std::vector<std::string>& items);

    int id_;
    ControlKind kind_;
    bool multiline_ = false;
    bool multiSelect_ = false;
    bool listBox_ = false;
    bool editable_ = false;
    int maxLength_ = 0;
    std::vector<std::string> items_;
    QString lastText_;  // of a multi-line text, to refuse growing past the limit
    QPointer<QWidget> widget_;
    QLabel* label_ = nullptr;
    QLabel* suffix_ = nullptr;
    QComboBox* combo_ = nullptr;
    QListWidget* list_ = nullptr;
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* plain_ = nullptr;
    CNumberSpin* spin_ = nullptr;
    QCheckBox* check_ = nullptr;
    QGroupBox* group_ = nullptr;
    QButtonGroup* buttons_ = nullptr;
    QPushButton* push_ = nullptr;
    QTabBar* tabs_ = nullptr;
    QLabel* text_ = nullptr;
};

// Texts of the model keep CR LF; widgets use LF.
QString ToWidgetText(const std::string& text);
std::string FromWidgetText(const QString& text);

}  // namespace vantorel
