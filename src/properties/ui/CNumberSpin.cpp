#include "properties/ui/CNumberSpin.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <algorithm>

namespace vantorel {

CNumberSpin::CNumberSpin(QWidget* parent) : QAbstractSpinBox(parent) {
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setAccelerated(true);
    connect(lineEdit(), &QLineEdit::textEdited, this, &CNumberSpin::textEdited);
}

void CNumberSpin::SetRange(int minimum, int maximum) {
    if (minimum_ == minimum && maximum_ == maximum) return;
    minimum_ = minimum;
    maximum_ = maximum;
    updateGeometry();
}

QString CNumberSpin::Text() const {
    return lineEdit()->text();
}

void CNumberSpin::SetText(const QString& text) {
    if (lineEdit()->text() != text) lineEdit()->setText(text);
}

void CNumberSpin::stepBy(int steps) {
    bool ok = false;
    const int now = Text().toInt(&ok);
    // An empty box starts from the end of the range the step comes from.
    const long long base = ok ? now : (steps > 0 ? minimum_ - 1 : maximum_ + 1);
    const int next = int(std::clamp<long long>(base + steps, minimum_, maximum_));
    const QString text = QString::number(next);
    if (text == Text()) return;
    lineEdit()->setText(text);
    lineEdit()->selectAll();
    emit textEdited(text);
}

QSize CNumberSpin::sizeHint() const {
    ensurePolished();
    const QFontMetrics fm(font());
    // Five digits fit, whatever the range: a box whose range follows the
    // records (a ship index of 1 to 4) must not be narrower than its text,
    // and a number typed past the range shows whole until it is refused.
    const int digits = std::max({fm.horizontalAdvance(QString::number(minimum_)),
                                 fm.horizontalAdvance(QString::number(maximum_)),
                                 fm.horizontalAdvance(QStringLiteral("00000"))});
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    QSize content(digits + fm.horizontalAdvance(QLatin1Char('0')) + 4,
                  QAbstractSpinBox::sizeHint().height());
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, content, this);
}

QSize CNumberSpin::minimumSizeHint() const {
    return sizeHint();
}

QAbstractSpinBox::StepEnabled CNumberSpin::stepEnabled() const {
    if (isReadOnly()) return StepNone;
    bool ok = false;
    const int now = Text().toInt(&ok);
    if (!ok) return StepUpEnabled | StepDownEnabled;
    StepEnabled e = StepNone;
    if (now < maximum_) e |= StepUpEnabled;
    if (now > minimum_) e |= StepDownEnabled;
    return e;
}

QValidator::State CNumberSpin::validate(QString& input, int&) const {
    static const QRegularExpression number(QStringLiteral("^-?[0-9]*$"));
    return number.match(input).hasMatch() ? QValidator::Acceptable : QValidator::Invalid;
}

}  // namespace vantorel
