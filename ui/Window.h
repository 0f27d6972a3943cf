#pragma once

// What all four windows share: where they are placed, the program's title, the classic look, and the
// dialog base that neither closes on Esc nor lets Enter press a button that does not have the focus.

#include <QDialog>
#include <QMargins>
#include <QPoint>
#include <QSize>
#include <QString>

class QWidget;

namespace corvane::ui {

// The top-left corner that puts a window of outer size `window` in the middle of a screen of size
// `screen`. Each half is taken on its own, truncating, and nothing is clamped: a window larger than
// the screen gets a negative position.
QPoint CentreOnScreen(QSize screen, QSize window);

// Places `window` by CentreOnScreen on the primary screen, by its outer size: its size and its frame. Where
// the frame is known only once the system has framed a window (X11), the frame of the first window framed
// stands for all; a window placed before any was framed is placed again, once, as it is first shown, and
// never after: a window the user has moved stays where it was left.
void CentreOnScreen(QWidget& window);

// The frame the system gives a window, as far as it is known: nothing before one has been framed.
QMargins KnownWindowFrame();

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

// The push button that Enter presses in `window`: the focused one if it can be seen and is enabled, else
// `defaultButton` if it can. Nothing when neither.
class QPushButton* EnterButton(const QWidget& window, class QPushButton* defaultButton);

// Enter as the classic windows handle it: presses EnterButton. Returns whether a button was pressed.
bool PressButtonForEnter(QWidget& window, class QPushButton* defaultButton);

} // namespace corvane::ui
