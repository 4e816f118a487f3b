#include "app/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/AppPictures.h"
#include "app/CHyperlink.h"

namespace vantorel {

namespace {
constexpr const char* kProjectSite = "https://vantorel.example.org/";
constexpr const char* kProjectMail = "mailto:vantorel@example.org";
// The credit names the game's maker; the link leads to our own page about the game.
constexpr const char* kMakerSite = "https://vantorel.example.org/the-game/";
}  // namespace

CAboutDlg::CAboutDlg(Prompter& prompter, QWidget* parent)
    : QDialog(parent),
      project_(new CHyperlink(prompter, this)),
      icon_(new CHyperlink(prompter, this)),
      maker_(new CHyperlink(prompter, this)) {
    setWindowTitle(QStringLiteral("Aboout..."));
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setPixmap(ProgramPicture());

    project_->setText(QStringLiteral("The Vantorel project"));
    project_->SetLink(QString::fromLatin1(kProjectMail));
    icon_->setPixmap(LinkPicture());
    icon_->SetLink(QString::fromLatin1(kProjectSite));
    icon_->setToolTip(QString::fromLatin1(kProjectSite));

    auto* credit1 = new QLabel(QStringLiteral("X-Wing vs. TIE Fighter and Balance of Power"), this);
    auto* credit2 = new QLabel(QStringLiteral("are games made by"), this);
    maker_->setText(QStringLiteral("LucasArts"));
    maker_->SetLink(QString::fromLatin1(kMakerSite));

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    // The program's own version, as --version prints it: one number, set by the build.
    auto* version = new QLabel(QStringLiteral("Version ") + QStringLiteral(VANTOREL_VERSION), this);
    version->setObjectName(QStringLiteral("version"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(project_, 1);
    top->addWidget(icon_);
    auto* makerRow = new QHBoxLayout;
    makerRow->addWidget(credit2);
    makerRow->addWidget(maker_);
    makerRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addLayout(top);
    layout->addWidget(credit1);
    layout->addLayout(makerRow);
    layout->addWidget(line);
    layout->addWidget(version);
    layout->addWidget(buttons);

    for (CHyperlink* link : {project_, icon_, maker_})
        connect(link, &CHyperlink::hoverText, this, &CAboutDlg::hoverText);
}

}  // namespace vantorel
