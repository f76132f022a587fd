// SPDX-License-Identifier: MIT
#include "fonts.h"

#include <QStringList>

namespace quadripolo::ui {

namespace {

// Sizes in pixels, since every position is in pixels too: 8.25 pt and 9 pt at 96 dpi.
constexpr int kControlPixelSize = 11;
constexpr int kUnitPixelSize = 12;

// The face the windows are drawn in.
constexpr char kControlFamily[] = "MS Sans Serif";

}  // namespace

void installFontSubstitutions() {
    QFont::insertSubstitutions(QString::fromLatin1(kControlFamily),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
}

QFont controlFont(FontStyle style) {
    QFont font(QString::fromLatin1(kControlFamily));
    font.setStyleHint(QFont::SansSerif);
    switch (style) {
        case FontStyle::Bold:
            font.setPixelSize(kControlPixelSize);
            font.setWeight(QFont::Bold);
            break;
        case FontStyle::Regular:
            font.setPixelSize(kControlPixelSize);
            font.setWeight(QFont::Normal);
            break;
        case FontStyle::Unit:
            font.setPixelSize(kUnitPixelSize);
            font.setWeight(QFont::Bold);
            break;
    }
    return font;
}

}  // namespace quadripolo::ui
