#include "ui/Window.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace corvane::ui {

QPoint CentreOnScreen(QSize screen, QSize window) {
    return {screen.width() / 2 - window.width() / 2, screen.height() / 2 - window.height() / 2};
}

namespace {

QMargins& LearnedFrame() {
    static QMargins frame;
    return frame;
}

// The frame of `window` as the system reports it; nothing while it is not framed.
QMargins FrameOf(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

// Where the frame of `window`, with `frame` around its client area, stands in the middle of the screen.
QPoint CentredFramePosition(const QWidget& window, QMargins frame) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? CentreOnScreen(screen->geometry().size(), window.size().grownBy(frame))
                             : window.pos();
}

// Puts the frame of `window`, taken to be `frame`, at the middle of the screen, by placing the client area
// inside it: move() would place the frame Qt last knew, which is none before the system has framed the
// window, and Qt would shift the window again once it learns the frame.
void PlaceWithFrame(QWidget& window, QMargins frame) {
    const QPoint client = CentredFramePosition(window, frame) + QPoint(frame.left(), frame.top());
    window.setGeometry(QRect(client, window.size()));
}

// Watches a window placed before the system framed it, until it reports the frame: then places it once
// more by its real outer size, and goes.
class FramePlacement : public QObject {
public:
    explicit FramePlacement(QWidget& window) : QObject(&window), window_(window) {
        setObjectName(QString::fromLatin1(Name));
        window.installEventFilter(this);
    }
    // Found by name: findChild would need a meta-object of its own to tell this class from others.
    static bool Watches(const QWidget& window) {
        return window.findChild<QObject*>(QString::fromLatin1(Name), Qt::FindDirectChildrenOnly) != nullptr;
    }

    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Hide:
            // Shown once without a frame the system reports (no window manager, or one that draws no
            // frame of its own): placed as well as it can be, and never again.
            Done();
            return false;
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Paint:
        case QEvent::UpdateRequest:
        case QEvent::WindowActivate:
            break;
        default:
            return false;
        }
        const QMargins frame = FrameOf(window_);
        if (frame.isNull()) {
            // Not framed yet: as it is shown, the frame of an earlier window is the best guess.
            if (event->type() == QEvent::Show && !LearnedFrame().isNull())
                PlaceWithFrame(window_, LearnedFrame());
            return false;
        }
        if (LearnedFrame().isNull())
            LearnedFrame() = frame;
        PlaceWithFrame(window_, frame);
        Done();
        return false;
    }

    void Done() {
        window_.removeEventFilter(this);
        deleteLater();
    }

private:
    static constexpr const char* Name = "corvane-frame-placement";
    QWidget& window_;
};

} // namespace

void CentreOnScreen(QWidget& window) {
    const QMargins frame = FrameOf(window);
    PlaceWithFrame(window, frame.isNull() ? LearnedFrame() : frame);
    if (frame.isNull() && !FramePlacement::Watches(window))
        new FramePlacement(window);
}

QMargins KnownWindowFrame() {
    return LearnedFrame();
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

QPushButton* EnterButton(const QWidget& window, QPushButton* defaultButton) {
    // A button on a page that is not shown can still be the window's focus widget, where no window
    // manager moves the focus: it does not answer Enter. The default button counts where it would be
    // seen with the window, so that its frame is drawn before the window first shows.
    if (auto* focused = qobject_cast<QPushButton*>(window.focusWidget());
        focused != nullptr && focused->isVisible() && focused->isEnabled())
        return focused;
    if (defaultButton != nullptr && defaultButton->isVisibleTo(&window) && defaultButton->isEnabled())
        return defaultButton;
    return nullptr;
}

bool PressButtonForEnter(QWidget& window, QPushButton* defaultButton) {
    QPushButton* button = EnterButton(window, defaultButton);
    if (button != nullptr)
        button->click();
    return button != nullptr;
}

} // namespace corvane::ui
