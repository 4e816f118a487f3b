#pragma once

#include <QDialog>

namespace vantorel {

class CHyperlink;
class Prompter;

// The About box: the program picture, the project's links, the game's
// credits and the version.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    CAboutDlg(Prompter& prompter, QWidget* parent = nullptr);

    CHyperlink* ProjectLink() const { return project_; }
    CHyperlink* IconLink() const { return icon_; }
    CHyperlink* MakerLink() const { return maker_; }

signals:
    void hoverText(const QString& text);

private:
    CHyperlink* project_;
    CHyperlink* icon_;
    CHyperlink* maker_;
};

}  // namespace vantorel
