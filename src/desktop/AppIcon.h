#pragma once
// The application's icon, built into the program.
#include <QIcon>
#include <QPixmap>

QIcon BedAppIcon();
// The 64-pixel picture of the about box.
QPixmap BedAppPicture();
