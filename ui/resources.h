// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace quadripolo::ui {

// The schematic of the circuit, drawn at its natural size.
inline constexpr QSize kSchematicSize{717, 208};

// The sun icon of both windows and of the program.
QIcon applicationIcon();

// The schematic rendered at its natural size for a screen of the given pixel ratio.
QPixmap schematicPicture(qreal devicePixelRatio);

}  // namespace quadripolo::ui
