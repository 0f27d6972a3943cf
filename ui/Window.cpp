#include "ui/Window.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace corvane::ui {

QPoint CentreOnScreen(QSize screen, QSize window) {
    return {screen.width() / 2 - window.width() / 2, screen.height() / 2 - window.height() / 2};
}

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    // move() places the frame's corner. The frame's size is known once the system has framed the window:
    // before a window is first shown, most systems report no frame and the client size is taken.
    window.move(CentreOnScreen(screen->geometry().size(), window.frameGeometry().size()));
}

QString ProgramTitle(const QString& programFilePath) {
    QString name = QFileInfo(programFilePath).fileName();
    name.truncate(name.indexOf(QLatin1Char('.')) < 0 ? name.size() : name.indexOf(QLatin1Char('.')));
    return name.left(1) + name.mid(1).toLower();
}

QString ProgramTitle() {
    static const QString title = ProgramTitle(QCoreApplication::applicationFilePath());
    return title;
}

void MakeFixedWindow(QWidget& window, QSize client, bool minimizable) {
    Qt::WindowFlags flags = window.windowFlags() & Qt::WindowType_Mask;
    flags |=
        Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimizable)
        flags |= Qt::WindowMinimizeButtonHint;
    window.setWindowFlags(flags);
    window.setFixedSize(client);
}

FixedDialog::FixedDialog(QWidget* parent) : QDialog(parent) {}

void FixedDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept(); // no cancel button: Esc does nothing
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        PressButtonForEnter(*this, nullptr);
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void FixedDialog::showEvent(QShowEvent* event) {
    // QDialog turns every push button into an auto-default one, and would then let Enter press the first
    // of them from anywhere; here only the focused button answers Enter.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    QDialog::showEvent(event);
}

bool PressButtonForEnter(QWidget& window, QPushButton* defaultButton) {
    if (auto* focused = qobject_cast<QPushButton*>(window.focusWidget()); focused && focused->isEnabled()) {
        focused->click();
        return true;
    }
    if (defaultButton != nullptr && defaultButton->isVisible() && defaultButton->isEnabled()) {
        defaultButton->click();
        return true;
    }
    return false;
}

} // namespace corvane::ui
