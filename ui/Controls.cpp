#include "ui/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringDecoder>
#include <limits>

namespace corvane::ui {

namespace {

template <typename Widget> Widget* Named(Widget* widget, const char* name, QRect geometry) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

} // namespace

QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, QPoint at) {
    auto* label = Named(new QLabel(caption, parent), name, QRect(at, QSize()));
    label->adjustSize();
    return label;
}

QLabel* AddPicture(QWidget* parent, const char* name, const QString& resource, QPoint at) {
    auto* picture = new QLabel(parent);
    const QPixmap pixmap(resource, "BMP"); // named, so that no reader has to guess the format
    picture->setPixmap(pixmap);
    return Named(picture, name, QRect(at, pixmap.size()));
}

QLineEdit* AddEdit(QWidget* parent, const char* name, QRect geometry) {
    auto* edit = Named(new QLineEdit(parent), name, geometry);
    edit->setMaxLength(std::numeric_limits<int>::max()); // no limit of the program's own
    return edit;
}

QCheckBox* AddCheckBox(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    return Named(new QCheckBox(caption, parent), name, geometry);
}

QRadioButton* AddRadioButton(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    return Named(new QRadioButton(caption, parent), name, geometry);
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* button = Named(new QPushButton(caption, parent), name, geometry);
    button->setAutoDefault(false);
    return button;
}

QGroupBox* AddGroupBox(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    return Named(new QGroupBox(caption, parent), name, geometry);
}

QComboBox* AddList(QWidget* parent, const char* name, QRect geometry) {
    auto* list = Named(new QComboBox(parent), name, geometry);
    list->setEditable(false);
    return list;
}

void SetTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous != nullptr)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

namespace {

// Only the ticked button of a group is a tab stop.
void FollowTick(QRadioButton* button) {
    button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void FollowTicks(const QWidget* group) {
    for (QRadioButton* button : group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly))
        FollowTick(button);
}

// The next radio button of `from`'s group in tab order, forwards or backwards, round at the ends.
QRadioButton* NextInGroup(QRadioButton* from, bool forwards) {
    for (QWidget* widget = from;;) {
        widget = forwards ? widget->nextInFocusChain() : widget->previousInFocusChain();
        if (widget == from)
            return nullptr;
        auto* button = qobject_cast<QRadioButton*>(widget);
        if (button != nullptr && button->parentWidget() == from->parentWidget() && button->isEnabled() &&
            !button->isHidden())
            return button;
    }
}

class RadioKeys : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        // A button that is being destroyed is no radio button any more, and has no group to look at.
        auto* button = qobject_cast<QRadioButton*>(watched);
        if (button == nullptr)
            return false;
        if (event->type() == QEvent::FocusOut) {
            // Focus given to an unticked button (a click on it about to tick it, or a program) made it a
            // tab stop for a moment: the ticks decide again.
            FollowTicks(button->parentWidget());
            return false;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        bool forwards;
        switch (key->key()) {
        case Qt::Key_Right:
        case Qt::Key_Down:
            forwards = true;
            break;
        case Qt::Key_Left:
        case Qt::Key_Up:
            forwards = false;
            break;
        default:
            return false;
        }
        if (QRadioButton* next = NextInGroup(button, forwards)) {
            next->setFocus(forwards ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            next->click();
        }
        return true;
    }
};

} // namespace

void UseWindowsRadioKeys(QWidget& window) {
    auto* keys = new RadioKeys(&window);
    for (QRadioButton* button : window.findChildren<QRadioButton*>()) {
        FollowTick(button);
        QObject::connect(button, &QRadioButton::toggled, button, [button] { FollowTick(button); });
        button->installEventFilter(keys);
    }
}

QString PictureResource(std::string_view servicePath) {
    // "/images/x-click-but23.gif" is drawn as ":/pictures/x-click-but23.bmp".
    const std::size_t nameStart = servicePath.rfind('/') + 1;
    const std::string_view name = servicePath.substr(nameStart, servicePath.rfind('.') - nameStart);
    return QStringLiteral(":/pictures/") +
           QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) + QStringLiteral(".bmp");
}

QString TextFromBytes(std::string_view bytes) {
    QStringDecoder decoder(QStringDecoder::System, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string BytesFromText(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

std::string Bytes(const QLineEdit* edit) {
    return BytesFromText(edit->text());
}

void SetBytes(QLineEdit* edit, const std::string& bytes) {
    edit->setText(TextFromBytes(bytes));
}

} // namespace corvane::ui
