// SPDX-License-Identifier: MIT
// The program's two drawings, the icon and the schematic: drawn from their SVG where Qt SVG is
// at hand, otherwise from their PNG renderings at 1x and 2x made when the program was built.
#include "resources.h"

#ifdef QUADRIPOLO_SVG_DRAWINGS
#include <QPainter>
#include <QSvgRenderer>
#endif

namespace quadripolo::ui {

#ifdef QUADRIPOLO_SVG_DRAWINGS

QIcon applicationIcon() {
    return QIcon(QStringLiteral(":/icons/quadripolo.svg"));
}

QPixmap schematicPicture(qreal devicePixelRatio) {
    QPixmap picture(kSchematicSize * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::white);
    QSvgRenderer renderer(QStringLiteral(":/pictures/schematic.svg"));
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(kSchematicSize)));
    return picture;
}

#else

// A QIcon made from a PNG also takes its "@2x" rendering beside it.
QIcon applicationIcon() {
    return QIcon(QStringLiteral(":/icons/quadripolo.png"));
}

QPixmap schematicPicture(qreal devicePixelRatio) {
    const QIcon renderings(QStringLiteral(":/pictures/schematic.png"));
    return renderings.pixmap(kSchematicSize, devicePixelRatio);
}

#endif

}  // namespace quadripolo::ui
