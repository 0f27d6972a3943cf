#pragma once

// The classic look of the program's windows: the fonts, with substitutes where the system lacks them,
// and control metrics close to those the layouts were drawn for.

#include <QFont>

class QApplication;
class QWidget;

namespace corvane::ui {

// Chooses the fonts, with stand-ins where the system lacks them, sets the classic style, and makes the
// window font the default. Call it once, before any window is made.
void ApplyClassicLook(QApplication& application);

// "MS Sans Serif" of 8 points (a character height of 11 pixels), or its substitute.
QFont WindowFont();

// The window font in bold, at `pixels` character height (11 for 8 points).
QFont BoldWindowFont(int pixels = 11);

// Gives `window` the look of a tool window: a thin fixed frame and a title bar with only a close box,
// small where the system has small ones; a window of its own that the main window can come in front of.
void MakeToolWindow(QWidget& window);

// The fonts of the few controls that set their own.
QFont CodeFont();          // "Courier New", 11 pixels
QFont ResaleTextFont();    // "MS Sans Serif", bold, 12 pixels
QFont ResaleHeadingFont(); // "Arial Black", bold, 21 pixels

} // namespace corvane::ui
