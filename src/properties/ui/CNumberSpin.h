#pragma once

#include <QAbstractSpinBox>

namespace vantorel {

// A number box with a spin: the arrows, the wheel and the Up and Down keys
// step within the range. Unlike a plain spin box it may be empty, which is
// how a box shows that the selected records differ.
class CNumberSpin : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit CNumberSpin(QWidget* parent = nullptr);

    void SetRange(int minimum, int maximum);
    QString Text() const;
    void SetText(const QString& text);
    void stepBy(int steps) override;
    // Room for the longest number of the range.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user typed or stepped.
    void textEdited(const QString& text);

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& input, int& pos) const override;

private:
    int minimum_ = 0;
    int maximum_ = 0;
};

}  // namespace vantorel
