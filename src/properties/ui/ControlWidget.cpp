#include "properties/ui/ControlWidget.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabBar>

#include "properties/ui/CNumberEdit.h"
#include "properties/ui/CNumberSpin.h"

namespace vantorel {

namespace {

QString Qs(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// A check box that steps unchecked, checked, then (when it offers it)
// indeterminate, as the boxes of the game's own tools do.
class CycleCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {
        switch (checkState()) {
            case Qt::Unchecked:
                setCheckState(Qt::Checked);
                break;
            case Qt::Checked:
                setCheckState(isTristate() ? Qt::PartiallyChecked : Qt::Unchecked);
                break;
            default:
                setCheckState(Qt::Unchecked);
                break;
        }
    }
};

// A box that takes no typing does not look like one that does: it has the
// window's background, as a label has.
void ShowReadOnly(QWidget* box, bool readOnly) {
    if (box->property("shownReadOnly").toBool() == readOnly) return;
    box->setProperty("shownReadOnly", readOnly);
    QPalette p = box->parentWidget() ? box->parentWidget()->palette() : QApplication::palette(box);
    if (readOnly) p.setColor(QPalette::Base, p.color(QPalette::Window));
    box->setPalette(p);
}

int CheckIndex(Qt::CheckState s) {
    return s == Qt::Checked ? 1 : s == Qt::PartiallyChecked ? 2 : 0;
}
Qt::CheckState CheckStateOf(int index) {
    return index == 1 ? Qt::Checked : index == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}

}  // namespace

QString ToWidgetText(const std::string& text) {
    QString s = Qs(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

std::string FromWidgetText(const QString& text) {
    return text.toStdString();
}

ControlWidget::ControlWidget(const ControlState& state, QWidget* parent)
    : QObject(parent), id_(state.id), kind_(state.kind) {
    multiline_ = state.multiline;
    multiSelect_ = state.multiSelect;
    listBox_ = state.listBox;
    editable_ = state.editable;
    Build(state, parent);
    widget_->setObjectName(QStringLiteral("control%1").arg(id_));
    Push(state);
}

bool ControlWidget::Tall() const {
    return list_ != nullptr || plain_ != nullptr;
}

void ControlWidget::Build(const ControlState& s, QWidget* parent) {
    const bool ownCaption = s.kind == ControlKind::Check || s.kind == ControlKind::Button ||
                            s.kind == ControlKind::Radio || s.kind == ControlKind::Label;
    if (!ownCaption && !s.label.empty()) {
        label_ = new QLabel(Qs(s.label), parent);
        label_->setTextFormat(Qt::PlainText);
    }
    if (!s.suffix.empty()) suffix_ = new QLabel(Qs(s.suffix), parent);

    switch (s.kind) {
        case ControlKind::List:
            if (s.listBox || s.multiSelect) {
                list_ = new QListWidget(parent);
                list_->setSelectionMode(s.multiSelect ? QAbstractItemView::ExtendedSelection
                                                      : QAbstractItemView::SingleSelection);
                list_->setUniformItemSizes(true);
                connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
                    ControlValue v;
                    if (multiSelect_) {
                        for (int r = 0; r < list_->count(); ++r)
                            if (list_->item(r)->isSelected()) v.states.push_back(r);
                    } else {
                        v.index = list_->currentRow();
                        const auto sel = list_->selectedItems();
                        v.index = sel.isEmpty() ? -1 : list_->row(sel.first());
                    }
                    Report(v);
                });
                connect(list_, &QListWidget::itemDoubleClicked, this,
                        [this] { emit activated(id_); });
                widget_ = list_;
            } else {
                combo_ = new QComboBox(parent);
                combo_->setEditable(s.editable);
                combo_->setMaxVisibleItems(20);
                if (s.editable) {
                    combo_->setInsertPolicy(QComboBox::NoInsert);
                    connect(combo_->lineEdit(), &QLineEdit::textEdited, this,
                            [this](const QString& t) {
                                Report(ControlValue{-1, t.toStdString(), {}});
                            });
                    connect(combo_, &QComboBox::activated, this, [this](int i) {
                        Report(ControlValue{i, combo_->itemText(i).toStdString(), {}});
                    });
                } else {
                    connect(combo_, &QComboBox::activated, this, [this](int i) {
                        Report(ControlValue{i, {}, {}});
                    });
                }
                widget_ = combo_;
            }
            break;
        case ControlKind::Text:
            if (s.multiline) {
                plain_ = new QPlainTextEdit(parent);
                plain_->setTabChangesFocus(true);
                connect(plain_, &QPlainTextEdit::textChanged, this,
                        [this] { ReportText(plain_->toPlainText()); });
                widget_ = plain_;
            } else {
                line_ = new QLineEdit(parent);
                connect(line_, &QLineEdit::textEdited, this, &ControlWidget::ReportText);
                widget_ = line_;
            }
            // A text its field cannot hold (a '$' in a free text) is refused
            // as the box is left, as a number is.
            widget_->installEventFilter(this);
            break;
        case ControlKind::Number:
            if (s.HasSpin()) {
                spin_ = new CNumberSpin(parent);
                spin_->SetRange(s.spinMin, s.spinMax);
                connect(spin_, &CNumberSpin::textEdited, this, &ControlWidget::ReportText);
                widget_ = spin_;
                // The spin's own edit has the keyboard.
                spin_->findChild<QLineEdit*>()->installEventFilter(this);
            } else {
                auto* edit = new CNumberEdit(parent);
                edit->SetDecimal(s.decimal);
                line_ = edit;
                connect(line_, &QLineEdit::textEdited, this, &ControlWidget::ReportText);
                widget_ = line_;
            }
            widget_->installEventFilter(this);
            break;
        case ControlKind::Check:
            check_ = new CycleCheckBox(Qs(s.label), parent);
            connect(check_, &QCheckBox::clicked, this, [this] {
                Report(ControlValue{CheckIndex(check_->checkState()), {}, {}});
            });
            widget_ = check_;
            break;
        case ControlKind::Radio: {
            if (s.tabs) {
                tabs_ = new QTabBar(parent);
                tabs_->setDrawBase(false);
                for (const auto& item : s.items) tabs_->addTab(Qs(item));
                connect(tabs_, &QTabBar::currentChanged, this, [this](int i) {
                    Report(ControlValue{i, {}, {}});
                });
                widget_ = tabs_;
                break;
            }
            group_ = new QGroupBox(Qs(s.label), parent);
            auto* layout = s.items.size() <= 3 ? static_cast<QBoxLayout*>(new QHBoxLayout(group_))
                                               : static_cast<QBoxLayout*>(new QVBoxLayout(group_));
            buttons_ = new QButtonGroup(group_);
            for (size_t i = 0; i < s.items.size(); ++i) {
                auto* b = new QRadioButton(Qs(s.items[i]), group_);
                if (i < s.buttonIds.size())
                    b->setObjectName(QStringLiteral("control%1").arg(s.buttonIds[i]));
                buttons_->addButton(b, int(i));
                layout->addWidget(b);
            }
            layout->addStretch();
            connect(buttons_, &QButtonGroup::idClicked, this, [this](int i) {
                Report(ControlValue{i, {}, {}});
            });
            widget_ = group_;
            break;
        }
        case ControlKind::CheckList:
            list_ = new QListWidget(parent);
            list_->setSelectionMode(QAbstractItemView::SingleSelection);
            connect(list_, &QListWidget::itemChanged, this, [this] {
                ControlValue v;
                for (int r = 0; r < list_->count(); ++r)
                    v.states.push_back(CheckIndex(list_->item(r)->checkState()));
                Report(v);
            });
            widget_ = list_;
            break;
        case ControlKind::Button:
            push_ = new QPushButton(Qs(s.label), parent);
            connect(push_, &QPushButton::clicked, this, [this] { emit activated(id_); });
            widget_ = push_;
            break;
        case ControlKind::Label:
            text_ = new QLabel(parent);
            text_->setTextFormat(Qt::PlainText);
            text_->setWordWrap(true);
            widget_ = text_;
            break;
    }
    if (label_) label_->setBuddy(widget_);
    // A word after the box may carry the mnemonic ("&min").
    if (suffix_) suffix_->setBuddy(widget_);
}

bool ControlWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // A menu or another program taking the keyboard is no leaving: the
        // user comes back to the box as it was.
        const Qt::FocusReason why = static_cast<QFocusEvent*>(event)->reason();
        if (why != Qt::PopupFocusReason && why != Qt::ActiveWindowFocusReason) emit left(id_);
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // In a box of several lines Enter is a line break, not leaving.
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !plain_) emit left(id_);
    }
    return QObject::eventFilter(watched, event);
}

void ControlWidget::ReportText(const QString& text) {
    if (plain_ && maxLength_ > 0) {
        // The box takes no more than it holds; a text that is already longer
        // (from the file) may stay, but not grow.
        const auto length = [](const QString& t) { return t.size() + t.count(QLatin1Char('\n')); };
        if (length(text) > maxLength_ && length(text) > length(lastText_)) {
            QSignalBlocker block(plain_);
            const int pos = plain_->textCursor().position();
            plain_->setPlainText(lastText_);
            QTextCursor c = plain_->textCursor();
            c.setPosition(std::min(pos, int(lastText_.size())));
            plain_->setTextCursor(c);
            QApplication::beep();
            return;
        }
    }
    lastText_ = text;
    Report(ControlValue{-1, FromWidgetText(text), {}});
}

void ControlWidget::SetItems(const std::vector<std::string>& items) {
    if (items == items_) return;
    items_ = items;
    if (combo_) {
        combo_->clear();
        for (const auto& i : items) combo_->addItem(Qs(i));
    } else if (list_) {
        list_->clear();
        for (const auto& i : items) list_->addItem(Qs(i));
    }
}

void ControlWidget::Push(const ControlState& s) {
    if (!widget_) return;
    QSignalBlocker block(widget_);
    maxLength_ = s.maxLength;
    switch (s.kind) {
        case ControlKind::List:
            SetItems(s.items);
            if (combo_) {
                if (editable_) {
                    if (combo_->currentIndex() != s.value.index)
                        combo_->setCurrentIndex(s.value.index);
                    const QString t = Qs(s.value.text);
                    combo_->lineEdit()->setMaxLength(
                        s.maxLength > 0 && t.size() <= s.maxLength ? s.maxLength : 32767);
                    if (combo_->currentText() != t) combo_->setEditText(t);
                } else if (combo_->currentIndex() != s.value.index) {
                    combo_->setCurrentIndex(s.value.index);
                }
            } else if (list_) {
                QSignalBlocker blockModel(list_->selectionModel());
                if (multiSelect_) {
                    std::vector<bool> on(size_t(list_->count()), false);
                    for (int p : s.value.states)
                        if (p >= 0 && p < list_->count()) on[size_t(p)] = true;
                    bool differs = false;
                    for (int r = 0; r < list_->count() && !differs; ++r)
                        differs = list_->item(r)->isSelected() != on[size_t(r)];
                    // The whole selection in runs of rows, in one call. Set
                    // item by item, each change walks the selection built so
                    // far, and the selection model keeps the last change
                    // apart: the next Shift-click drops it, and a row
                    // deselected here came back selected.
                    if (differs) {
                        QItemSelection want;
                        QAbstractItemModel* model = list_->model();
                        for (int r = 0; r < list_->count(); ++r) {
                            if (!on[size_t(r)]) continue;
                            int last = r;
                            while (last + 1 < list_->count() && on[size_t(last + 1)]) ++last;
                            want.select(model->index(r, 0), model->index(last, 0));
                            r = last;
                        }
                        list_->selectionModel()->select(want, QItemSelectionModel::ClearAndSelect);
                    }
                } else if (s.value.index >= 0 && s.value.index < list_->count()) {
                    list_->setCurrentRow(s.value.index);
                } else {
                    list_->clearSelection();
                    list_->setCurrentRow(-1);
                }
                list_->viewport()->update();
            }
            break;
        case ControlKind::Text:
            if (plain_) {
                const QString t = ToWidgetText(s.value.text);
                if (plain_->toPlainText() != t) plain_->setPlainText(t);
                lastText_ = t;
                plain_->setReadOnly(s.readOnly);
                ShowReadOnly(plain_, s.readOnly);
            } else {
                const QString t = Qs(s.value.text);
                if (line_->text() != t) line_->setText(t);
                // A limit shorter than a text from the file would cut it.
                line_->setMaxLength(s.maxLength > 0 && t.size() <= s.maxLength ? s.maxLength
                                                                               : 32767);
                line_->setReadOnly(s.readOnly);
                ShowReadOnly(line_, s.readOnly);
            }
            break;
        case ControlKind::Number:
            if (spin_) {
                spin_->SetRange(s.spinMin, s.spinMax);
                spin_->SetText(Qs(s.value.text));
            } else if (line_->text() != Qs(s.value.text)) {
                line_->setText(Qs(s.value.text));
            }
            break;
        case ControlKind::Check:
            check_->setTristate(s.tristate);
            check_->setCheckState(CheckStateOf(s.value.index));
            check_->setText(Qs(s.label));
            break;
        case ControlKind::Radio: {
            if (tabs_) {
                if (tabs_->currentIndex() != s.value.index) tabs_->setCurrentIndex(s.value.index);
                break;
            }
            // No button checked needs the group to let go for a moment.
            const bool none = s.value.index < 0;
            buttons_->setExclusive(!none);
            for (QAbstractButton* b : buttons_->buttons()) {
                QSignalBlocker blockButton(b);
                b->setChecked(buttons_->id(b) == s.value.index);
            }
            buttons_->setExclusive(true);
            break;
        }
        case ControlKind::CheckList: {
            if (s.items != items_) {
                items_ = s.items;
                list_->clear();
                for (const auto& i : s.items) {
                    auto* item = new QListWidgetItem(Qs(i), list_);
                    Qt::ItemFlags f =
                        Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
                    if (s.tristate) f |= Qt::ItemIsUserTristate;
                    item->setFlags(f);
                    // Without a state the item would show no box at all.
                    item->setCheckState(Qt::Unchecked);
                }
            }
            for (int r = 0; r < list_->count() && size_t(r) < s.value.states.size(); ++r) {
                const Qt::CheckState want = CheckStateOf(s.value.states[size_t(r)]);
                if (list_->item(r)->checkState() != want) list_->item(r)->setCheckState(want);
            }
            break;
        }
        case ControlKind::Button:
            // A button its page gave a picture shows the picture; the
            // caption then tells what it does when the pointer rests on it.
            if (push_->icon().isNull())
                push_->setText(Qs(s.label));
            else
                push_->setToolTip(Qs(s.label).remove(QLatin1Char('&')));
            break;
        case ControlKind::Label:
            // The caption stands in until there is a text; records that
            // differ show nothing.
            text_->setText(Qs(s.value.text.empty() && !s.mixed ? s.label : s.value.text));
            break;
    }
    const bool enabled = s.enabled;
    widget_->setEnabled(enabled);
    widget_->setVisible(s.visible);
    if (label_) {
        label_->setEnabled(enabled);
        label_->setVisible(s.visible);
        if (label_->text() != Qs(s.label) && !s.label.empty()) label_->setText(Qs(s.label));
    }
    if (suffix_) {
        suffix_->setEnabled(enabled);
        suffix_->setVisible(s.visible);
    }
}

void ControlWidget::Focus(int selectionStart, int selectionEnd) {
    if (!widget_) return;
    widget_->setFocus();
    if (plain_) {
        // The model counts CR LF as two characters; the widget one.
        const QString t = plain_->toPlainText();
        auto widgetPos = [&](int modelPos) {
            int pos = 0, model = 0;
            while (pos < t.size() && model < modelPos) {
                model += t[pos] == QLatin1Char('\n') ? 2 : 1;
                ++pos;
            }
            return pos;
        };
        QTextCursor c = plain_->textCursor();
        c.setPosition(widgetPos(selectionStart));
        c.setPosition(selectionEnd < 0 ? int(t.size()) : widgetPos(selectionEnd),
                      QTextCursor::KeepAnchor);
        plain_->setTextCursor(c);
        plain_->ensureCursorVisible();
    } else if (line_) {
        const int end = selectionEnd < 0 ? int(line_->text().size()) : selectionEnd;
        line_->setSelection(selectionStart, end - selectionStart);
    } else if (spin_) {
        spin_->selectAll();
    }
}

QAbstractButton* ControlWidget::RadioButton(int index) const {
    return buttons_ ? buttons_->button(index) : nullptr;
}

}  // namespace vantorel
