#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's pictures, built into it, so that they look the same on every
// machine whatever icon theme it has (or none).
namespace Images {

// Every image button's picture is this many pixels square.
inline constexpr int ButtonSize = 48;

// A main-menu button's picture, by its file name in the button set (without
// ".png"). A name that is not in the set gives a null icon.
QIcon button(const QString &name);

// The program's icon in every size it is drawn at, for its windows.
QIcon program();

// The backdrop that every screen stretches over its client area.
const QPixmap &background();

}
