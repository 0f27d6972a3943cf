#include "ui/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
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
