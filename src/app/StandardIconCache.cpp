#include "app/StandardIconCache.h"

#include <QApplication>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOption>

#include "ui/PaintedIconEngine.h"

namespace vantorel {

StandardIconCache::StandardIconCache(QStyle* base) : QProxyStyle(base) {}

QIcon StandardIconCache::standardIcon(StandardPixmap pixmap, const QStyleOption* option,
                                      const QWidget* widget) const {
    // Only pictures that are fixed images, one per layout direction, are
    // kept: whatever else a style draws may follow the option's state.
    switch (pixmap) {
        case SP_TitleBarMinButton:
        case SP_TitleBarMaxButton:
        case SP_TitleBarCloseButton:
        case SP_TitleBarNormalButton:
        case SP_ToolBarHorizontalExtensionButton:
        case SP_ToolBarVerticalExtensionButton:
            break;
        default:
            return QProxyStyle::standardIcon(pixmap, option, widget);
    }
    const Qt::LayoutDirection direction =
        option ? option->direction : QGuiApplication::layoutDirection();
    const int key = int(pixmap) * 2 + (direction == Qt::RightToLeft ? 1 : 0);
    auto it = icons_.constFind(key);
    if (it != icons_.constEnd()) return *it;
    const QPointer<QStyle> base = baseStyle();
    QIcon icon(new PaintedIconEngine([base, pixmap, direction] {
        if (!base) return QIcon();
        QStyleOption only;
        only.direction = direction;
        return base->standardIcon(pixmap, &only);
    }));
    icons_.insert(key, icon);
    return icon;
}

void StandardIconCache::InstallIfFusion() {
    if (QApplication::style()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) != 0)
        return;
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(new StandardIconCache(fusion));
}

}  // namespace vantorel
