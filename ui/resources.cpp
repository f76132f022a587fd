// SPDX-License-Identifier: MIT
#include "resources.h"

#include <QPainter>
#include <QSvgRenderer>

namespace quadripolo::ui {

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

}  // namespace quadripolo::ui
