#pragma once

// Building windows control by control: each control gets its name (the tests find controls by it), its
// parent, its place and size in pixels, and its caption.

#include <QRect>
#include <QString>
#include <initializer_list>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace corvane::ui {

// A label that sizes itself to its caption.
QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, QPoint at);
// A picture at its own size, from the program's resources.
QLabel* AddPicture(QWidget* parent, const char* name, const QString& resource, QPoint at);
QLineEdit* AddEdit(QWidget* parent, const char* name, QRect geometry);
QCheckBox* AddCheckBox(QWidget* parent, const char* name, const QString& caption, QRect geometry);
QRadioButton* AddRadioButton(QWidget* parent, const char* name, const QString& caption, QRect geometry);
QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, QRect geometry);
QGroupBox* AddGroupBox(QWidget* parent, const char* name, const QString& caption, QRect geometry);
// A drop-down list the user can only pick from.
QComboBox* AddList(QWidget* parent, const char* name, QRect geometry);

// Makes the keyboard focus go through `widgets` in this order.
void SetTabOrder(std::initializer_list<QWidget*> widgets);

// The radio buttons under `window` as Windows has them. The radio buttons of one parent are a group; of
// each group Tab reaches only the ticked button, and the arrow keys move to the next (Right, Down) or the
// previous (Left, Up) button of the group in tab order, round at the ends, and tick it.
void UseWindowsRadioKeys(QWidget& window);

// The resource of a stock button picture, by its path on the service ("/images/x-click-but23.gif").
QString PictureResource(std::string_view servicePath);

// Text and its bytes in the system's 8-bit encoding, with every character kept: a U+FEFF at the start,
// which Qt's own conversion would drop as a byte order mark, included.
QString TextFromBytes(std::string_view bytes);
std::string BytesFromText(const QString& text);

// Edit-box text and the bytes of a record, in the system's 8-bit encoding.
std::string Bytes(const QLineEdit* edit);
void SetBytes(QLineEdit* edit, const std::string& bytes);

} // namespace corvane::ui
