#include "ui/Look.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QProxyStyle>
#include <QStyleFactory>

namespace corvane::ui {

namespace {

QFont PixelFont(const QString& family, int pixels, bool bold = false) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Check boxes, radio buttons and tabs as small as the classic ones, so that every caption fits the
// control sizes of the layouts and the three tabs fit left of "Help".
class ClassicStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return 13;
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
            return 4;
        case PM_TabBarTabHSpace:
            return 12;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

void RegisterSubstituteFonts() {
#ifndef Q_OS_WIN
    // "MS Sans Serif" is a Windows font. Debian's fonts-wine package has an outline font of that name
    // with the same metrics, outside the folders the system searches; without it, Liberation Sans
    // (fonts-liberation2) comes closest.
    const QString wineFont = QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf");
    if (QFile::exists(wineFont))
        QFontDatabase::addApplicationFont(wineFont);
#endif
    QFont::insertSubstitutions(
        QStringLiteral("MS Sans Serif"),
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    QFont::insertSubstitutions(QStringLiteral("Arial Black"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

} // namespace

void ApplyClassicLook(QApplication& application) {
    RegisterSubstituteFonts();
    application.setStyle(new ClassicStyle(QStyleFactory::create(QStringLiteral("Windows"))));
    QApplication::setFont(WindowFont());
}

QFont WindowFont() {
    return PixelFont(QStringLiteral("MS Sans Serif"), 11);
}
QFont CodeFont() {
    return PixelFont(QStringLiteral("Courier New"), 11);
}
QFont BoldWindowFont(int pixels) {
    // The outline "MS Sans Serif" that stands in on Linux has no bold face, and Qt does not thicken it:
    // bold text then takes the bold of the font with Arial's metrics.
    static const bool hasBold = QFontDatabase::styles(QStringLiteral("MS Sans Serif"))
                                    .join(QLatin1Char(' '))
                                    .contains(QLatin1String("Bold"));
    return PixelFont(hasBold ? QStringLiteral("MS Sans Serif") : QStringLiteral("Liberation Sans"), pixels,
                     true);
}

QFont ResaleTextFont() {
    return BoldWindowFont(12);
}
QFont ResaleHeadingFont() {
    return PixelFont(QStringLiteral("Arial Black"), 21, true);
}

} // namespace corvane::ui
