#pragma once

#include <QLineEdit>

namespace vantorel {

// An edit box that takes a signed decimal number as it is typed: digits and
// backspace pass; a minus sign only at the start; one decimal point, and a
// point typed just in front of the one there steps over it. Anything else
// is refused with a beep. Pasted text is not filtered.
class CNumberEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CNumberEdit(QWidget* parent = nullptr) : QLineEdit(parent) {}

    // Whether a point may be typed at all (whole numbers take none).
    void SetDecimal(bool decimal) { decimal_ = decimal; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool decimal_ = true;
};

}  // namespace vantorel
