#include "properties/ui/CFGPropertiesPageShip.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPainter>
#include <QPixmap>

#include "catalogue/FormationPictures.h"
#include "platform/qt/QPainterCanvas.h"
#include "properties/logic/FgShipPage.h"
#include "properties/logic/OptionalCraftDialog.h"
#include "properties/ui/PanelGrid.h"

namespace vantorel {

namespace {

using P = FgShipPage;

constexpr int kItemHeight = 36;
constexpr int kDropDownWider = 44;

QIcon FormationIcon(int formation) {
    QPixmap pixmap(kFormationPictureWidth, kFormationPictureHeight);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    QPainterCanvas canvas(&painter);
    DrawFormationPicture(canvas, formation, 0, 0);
    return QIcon(pixmap);
}

void LayOutShip(CControlPanel& panel) {
    PanelGrid g(panel);
    g.Add(P::kName, 0, 0, 3);
    g.Add(P::kClass, 1, 0, 2);
    g.Put(P::kOptionalCraft, 1, 3, 1, 1, Qt::AlignLeft);
    g.Add(P::kIff, 2, 0);
    g.Add(P::kColour, 2, 2);
    g.Add(P::kTeam, 3, 0, 3);
    g.Add(P::kPilot, 4, 0);
    g.Add(P::kPlayerShipIndex, 4, 2);
    g.Add(P::kFormation, 5, 0, 3);
    g.Add(P::kSpacing, 6, 0);
    g.Add(P::kOrientation, 6, 2);
    g.Add(P::kWaves, 7, 0);
    g.Add(P::kNumber, 7, 2);
    g.Grid().setColumnStretch(1, 1);
    g.Grid().setColumnStretch(3, 1);
    g.Grid().setRowStretch(8, 1);
}

void LayOutOptionalCraft(CControlPanel& panel) {
    using D = OptionalCraftDialog;
    PanelGrid g(panel);
    g.Add(D::kCategory, 0, 0, 3);
    g.Put(D::kEntries, 1, 0, 1, 4);
    g.Add(D::kShip, 2, 0, 3);
    g.Add(D::kCount, 3, 0);
    g.Add(D::kWaves, 3, 2);
    g.Put(D::kClear, 4, 1);
    g.Put(D::kClearAll, 4, 3);
    g.Grid().setColumnStretch(1, 1);
    g.Grid().setColumnStretch(3, 1);
    g.Grid().setRowStretch(1, 1);
}

}  // namespace

CFGPropertiesPageShip::CFGPropertiesPageShip(std::unique_ptr<PageModel> model, PageHost& host,
                                             QWidget* parent)
    : CEditPage(std::move(model), host, parent, &LayOutShip) {
    if (auto* combo = qobject_cast<QComboBox*>(Panel().Control(P::kFormation)->Widget())) {
        combo->setIconSize(QSize(kFormationPictureWidth, kFormationPictureHeight));
        for (int i = 0; i < combo->count(); ++i) {
            combo->setItemIcon(i, FormationIcon(i));
            const int width = combo->fontMetrics().horizontalAdvance(combo->itemText(i));
            combo->setItemData(i, QSize(kFormationPictureWidth + width + 16, kItemHeight),
                               Qt::SizeHintRole);
        }
    }
}

void CFGPropertiesPageShip::Decorate() {
    if (auto* combo = qobject_cast<QComboBox*>(Panel().Control(P::kFormation)->Widget()))
        combo->view()->setMinimumWidth(combo->width() + kDropDownWider);
}

void CFGPropertiesPageShip::OnButton(int id) {
    if (id == P::kOptionalCraft) RunDialog("optional-craft");
}

CControlPanel::Layout CFGPropertiesPageShip::DialogLayout(const std::string& name) {
    if (name == "optional-craft") return &LayOutOptionalCraft;
    return {};
}

}  // namespace vantorel
