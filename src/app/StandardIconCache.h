#pragma once

#include <QHash>
#include <QIcon>
#include <QProxyStyle>

namespace vantorel {

// Fusion makes some of its standard pictures anew each time a widget asks:
// the title bar buttons every dock widget asks for, decoded from images,
// and the extension arrow every toolbar and the menu bar ask for, read from
// PNG files through a search that loads every image plugin installed. This
// style keeps each such picture after the first asking, and reads it only
// when it is first drawn or measured (the extension arrow is drawn only on a
// window too narrow for its toolbars). The pictures themselves are Fusion's;
// everything else is the style it wraps.
class StandardIconCache : public QProxyStyle {
    Q_OBJECT
public:
    explicit StandardIconCache(QStyle* base);

    QIcon standardIcon(StandardPixmap pixmap, const QStyleOption* option,
                       const QWidget* widget) const override;

    // Wraps the application's style when it is Fusion; any other style, a
    // platform's own above all, is left as it is.
    static void InstallIfFusion();

private:
    mutable QHash<int, QIcon> icons_;
};

}  // namespace vantorel
