#pragma once

#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace vantorel {

// The program picture shown while the program starts. It goes away after
// 750 ms, or at once on any key or mouse press anywhere in the program
// (which is swallowed).
class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    CSplashWnd();
    ~CSplashWnd() override;

    // The status line in the black strip at the bottom left.
    void SetStatus(const QString& text);
    QString Status() const { return status_; }

    static void ShowSplash(bool enabled);
    static CSplashWnd* Instance();
    static void SetSplashStatus(const QString& text);
    // Dismisses the splash and destroys its window now, not later: a
    // question about to be shown must not find it still there.
    static void CloseSplash();

signals:
    void dismissed();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Dismiss();

    QPixmap picture_;
    QString status_;
    QTimer timer_;
};

}  // namespace vantorel
