#include "AppIcon.h"

#include "Installation.h"

namespace {

QString Resource() { return QString(":/icons/64/%1.png").arg(kBedAppId); }

}  // namespace

QIcon BedAppIcon() { return QIcon(Resource()); }

QPixmap BedAppPicture() { return QPixmap(Resource()); }
