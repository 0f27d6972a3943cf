#pragma once

// What all four windows share: where they are placed, the program's title, the classic look, and the
// dialog base that neither closes on Esc nor lets Enter press a button that does not have the focus.

#include <QDialog>
#include <QPoint>
#include <QSize>
#include <QString>

class QWidget;

namespace corvane::ui {

// The top-left corner that puts a window of outer size `window` in the middle of a screen of size
// `screen`. Each half is taken on its own, truncating, and nothing is clamped: a window larger than
// the screen gets a negative position.
QPoint CentreOnScreen(QSize screen, QSize window);

// Places `window` by CentreOnScreen on the primary screen, with the window's outer size as far as the
// system knows it while the window is hidden.
void CentreOnScreen(QWidget& window);

// The program's title from the path of its program file: the file name cut at its first full stop,
// every character after the first in lower case.
QString ProgramTitle(const QString& programFilePath);

// The title of the running program, for the captions of message boxes.
QString ProgramTitle();

// Gives `window` a fixed client size and a title bar with a close box and, when `minimizable`, a
// minimize box; never a maximize box.
void MakeFixedWindow(QWidget& window, QSize client, bool minimizable);

// A dialog without default or cancel button: Esc does nothing, and Enter presses a push button only
// when that button has the focus.
class FixedDialog : public QDialog {
public:
    explicit FixedDialog(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

// Enter as the classic windows handle it: the focused push button, else `defaultButton` if given.
// Returns whether a button was pressed.
bool PressButtonForEnter(QWidget& window, class QPushButton* defaultButton);

} // namespace corvane::ui
