#include "ui/Look.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QPainter>
#include <QPixmapCache>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

namespace corvane::ui {

namespace {

QFont PixelFont(const QString& family, int pixels, bool bold = false) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The fonts the layouts were drawn for are Windows fonts. Elsewhere the program names its stand-ins
// directly, rather than leaving the search for a substitute to the system, which is slow and less
// predictable: Liberation Sans and Liberation Mono (fonts-liberation2) have the metrics of Arial and
// Courier New.
struct FontFamilies {
    QString window = QStringLiteral("MS Sans Serif");
    QString bold = QStringLiteral("MS Sans Serif");
    QString code = QStringLiteral("Courier New");
    QString heading = QStringLiteral("Arial Black");
};

FontFamilies& Families() {
    static FontFamilies families;
    return families;
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

    // The default button has a dark frame around its bevel, as on Windows. The base style draws that frame
    // only around buttons that also leave room for it (auto-default ones, which only dialogs have).
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        if (element == CE_PushButtonBevel && button != nullptr &&
            (button->features & QStyleOptionButton::DefaultButton)) {
            QStyleOptionButton framed = *button;
            framed.features |= QStyleOptionButton::AutoDefaultButton;
            QProxyStyle::drawControl(element, &framed, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    // The indicators of check boxes and radio buttons are drawn once per look and then copied: a page
    // has a score of them, and drawing each anew is a noticeable part of the start-up.
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_FrameDefaultButton) { // black, as the window frame colour of the classic look
            painter->save();
            painter->setPen(option->palette.color(QPalette::WindowText));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
            painter->restore();
            return;
        }
        if (element != PE_IndicatorCheckBox && element != PE_IndicatorRadioButton) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const QString key = QStringLiteral("corvane-indicator-%1-%2-%3x%4-%5")
                                .arg(element)
                                .arg(static_cast<uint>(option->state & IndicatorStates))
                                .arg(option->rect.width())
                                .arg(option->rect.height())
                                .arg(option->palette.cacheKey());
        QPixmap pixmap;
        if (!QPixmapCache::find(key, &pixmap)) {
            pixmap = QPixmap(option->rect.size() * painter->device()->devicePixelRatio());
            pixmap.setDevicePixelRatio(painter->device()->devicePixelRatio());
            pixmap.fill(Qt::transparent);
            QPainter cachePainter(&pixmap);
            // The indicators are drawn from the basic option alone; a plain copy, typed as such, keeps
            // any style from reading it as a larger one.
            QStyleOption copy = *option;
            copy.type = QStyleOption::SO_Default;
            copy.version = QStyleOption::Version;
            copy.rect = QRect(QPoint(0, 0), option->rect.size());
            QProxyStyle::drawPrimitive(element, &copy, &cachePainter, widget);
            cachePainter.end();
            QPixmapCache::insert(key, pixmap);
        }
        painter->drawPixmap(option->rect.topLeft(), pixmap);
    }

private:
    static constexpr State IndicatorStates{State_On | State_Off | State_NoChange | State_Enabled |
                                           State_Sunken | State_MouseOver | State_HasFocus};
};

void ChooseFonts() {
#ifndef Q_OS_WIN
    FontFamilies& families = Families();
    families.code = QStringLiteral("Liberation Mono");
    families.heading = QStringLiteral("Liberation Sans");
    // Debian's fonts-wine package has an outline "MS Sans Serif" with the metrics of the Windows font,
    // outside the folders the system searches. It has no bold face, and Qt does not thicken it.
    const QString wineFont = QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf");
    const bool standIn = QFile::exists(wineFont) && QFontDatabase::addApplicationFont(wineFont) >= 0;
    families.window = standIn ? families.window : QStringLiteral("Liberation Sans");
    families.bold = QStringLiteral("Liberation Sans");
#endif
}

} // namespace

void ApplyClassicLook(QApplication& application) {
    ChooseFonts();
    application.setStyle(new ClassicStyle(QStyleFactory::create(QStringLiteral("Windows"))));
    QApplication::setFont(WindowFont());
}

void MakeToolWindow(QWidget& window) {
    constexpr Qt::WindowFlags closeBoxOnly =
        Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
#ifdef Q_OS_WIN
    // Without an owner, a tool window with its small title bar stacks like any other window.
    window.setWindowFlags(Qt::Tool | closeBoxOnly);
#else
    // Under X11 Qt makes every tool window a transient of the whole program, which most window managers
    // keep above all of the program's windows: a plain window, then, with the close box only.
    window.setWindowFlags(Qt::Window | closeBoxOnly);
#endif
}

QFont WindowFont() {
    return PixelFont(Families().window, 11);
}
QFont BoldWindowFont(int pixels) {
    return PixelFont(Families().bold, pixels, true);
}
QFont CodeFont() {
    return PixelFont(Families().code, 11);
}
QFont ResaleTextFont() {
    return BoldWindowFont(12);
}
QFont ResaleHeadingFont() {
    return PixelFont(Families().heading, 21, true);
}

} // namespace corvane::ui
