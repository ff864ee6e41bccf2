// The drawn tool icons: sharp at any scale and in the colours of a light or dark palette.
#include "ToolIcons.h"

#include <QApplication>
#include <QPalette>

#include <gtest/gtest.h>

namespace {

// The average lightness of the icon's opaque pixels.
double InkLightness(const QImage& image) {
    double sum = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QColor c = image.pixelColor(x, y); c.alpha() > 200) {
                sum += c.lightnessF();
                ++count;
            }
    return count ? sum / count : -1;
}

}  // namespace

TEST(ToolIcons, DrawnAtTheScaleAndInThePaletteAskedFor) {
    const QIcon icon = ToolIcon(TToolGlyph::Cut);  // ink only
    const QPixmap twice = icon.pixmap(QSize(20, 20), 2.0);
    EXPECT_EQ(twice.size(), QSize(40, 40));  // drawn for the screen's pixels, not scaled up
    EXPECT_DOUBLE_EQ(twice.devicePixelRatio(), 2.0);
    const QPalette saved = QApplication::palette();
    QPalette dark = saved;
    dark.setColor(QPalette::ButtonText, QColor(0xEF, 0xF0, 0xF1));
    dark.setColor(QPalette::Button, QColor(0x2A, 0x2E, 0x32));
    dark.setColor(QPalette::Base, QColor(0x1E, 0x21, 0x24));
    QPalette light = saved;
    light.setColor(QPalette::ButtonText, Qt::black);
    light.setColor(QPalette::Button, QColor(0xEF, 0xEF, 0xEF));
    QApplication::setPalette(light);
    const double onLight = InkLightness(icon.pixmap(QSize(20, 20), 2.0).toImage());
    QApplication::setPalette(dark);
    const double onDark = InkLightness(icon.pixmap(QSize(20, 20), 2.0).toImage());
    QApplication::setPalette(saved);
    EXPECT_LT(onLight, 0.3);
    EXPECT_GT(onDark, 0.7);
}
