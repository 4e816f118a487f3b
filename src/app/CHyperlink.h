#pragma once

#include <QLabel>

namespace vantorel {

class Prompter;

// A text or picture that opens a link when clicked. While the mouse is over
// it, it shows highlighted and the status bar shows the link.
class CHyperlink : public QLabel {
    Q_OBJECT
public:
    CHyperlink(Prompter& prompter, QWidget* parent = nullptr);

    void SetLink(const QString& link) { link_ = link; }
    QString Link() const { return link_; }
    bool Highlighted() const { return hover_; }

    // Opens the link; when the system cannot, says so.
    bool OpenLink();

signals:
    // The status bar text: the link while hovered, empty when left.
    void hoverText(const QString& text);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SetHover(bool hover);

    Prompter& prompter_;
    QString link_;
    bool hover_ = false;
};

inline constexpr const char* kCannotOpenLinkText = "Unable to open the requested URL\n";

}  // namespace vantorel
