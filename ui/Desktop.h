#pragma once

// The two services of the desktop the program uses: opening a file or web address with its associated
// program, and the clipboard. Tests replace both, so that no browser starts and a busy clipboard can be
// simulated.

#include <QString>
#include <QUrl>
#include <functional>

namespace corvane::ui {

// Asks the desktop to open `url` (a local file or a web address); whether it could is not examined.
void ShellOpen(const QUrl& url);

// Puts `text` on the clipboard as plain text; false when the clipboard could not be taken.
bool PutOnClipboard(const QString& text);

// Replace the desktop's services; an empty function restores the real one.
void SetShellOpenerForTesting(std::function<void(const QUrl&)> opener);
void SetClipboardForTesting(std::function<bool(const QString&)> clipboard);

} // namespace corvane::ui
