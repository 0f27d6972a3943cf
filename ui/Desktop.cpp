#include "ui/Desktop.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>

namespace corvane::ui {

namespace {

std::function<void(const QUrl&)>& ShellOpener() {
    static std::function<void(const QUrl&)> opener;
    return opener;
}

std::function<bool(const QString&)>& Clipboard() {
    static std::function<bool(const QString&)> clipboard;
    return clipboard;
}

} // namespace

void ShellOpen(const QUrl& url) {
    if (ShellOpener())
        ShellOpener()(url);
    else
        QDesktopServices::openUrl(url);
}

bool PutOnClipboard(const QString& text) {
    if (Clipboard())
        return Clipboard()(text);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text, QClipboard::Clipboard);
    // The system gives no answer when it refuses the clipboard; reading it back tells.
    return clipboard->text(QClipboard::Clipboard) == text;
}

void SetShellOpenerForTesting(std::function<void(const QUrl&)> opener) {
    ShellOpener() = std::move(opener);
}

void SetClipboardForTesting(std::function<bool(const QString&)> clipboard) {
    Clipboard() = std::move(clipboard);
}

} // namespace corvane::ui
