#pragma once

// Every message box, file dialog and input box of the program is shown through here, so that tests can
// answer them without a person (SetDialogHandlerForTesting).

#include <QString>
#include <optional>

class QWidget;

namespace corvane::ui {

enum class MessageKind {
    Notice, // no icon
    Error,  // the stop icon
};

enum class FileDialogKind { Save, Open };

class DialogHandler {
public:
    virtual ~DialogHandler() = default;
    virtual void Message(QWidget* parent, MessageKind kind, const QString& text) = 0;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> FileName(QWidget* parent, FileDialogKind kind, const QString& initial) = 0;
    virtual void InputBox(QWidget* parent, const QString& caption, const QString& prompt,
                          const QString& text) = 0;
};

// The error box of a failed file, stream or clipboard operation: its message, with the full stop that
// the error box adds, beside the stop icon.
void ShowError(QWidget* parent, const QString& message);

// A notice in a message box without icon.
void ShowNotice(QWidget* parent, const QString& text);

// The save or open dialog for button files, opening on `initial`; nothing when cancelled.
std::optional<QString> AskFileName(QWidget* parent, FileDialogKind kind, const QString& initial);

// A modal box with `caption`, `prompt` and `text` in a selectable edit line; what it holds when closed
// is not used.
void ShowInputBox(QWidget* parent, const QString& caption, const QString& prompt, const QString& text);

// The open or save dialog of button files, remembering the full path last chosen in it: it opens on that
// name next time, whichever page uses it.
class FileDialog {
public:
    explicit FileDialog(FileDialogKind kind) : kind_(kind) {}

    // The chosen path, or nothing when the user cancels. A name without an extension gets ".crv": when
    // saving always, when opening if no file has the name as typed.
    std::optional<QString> Execute(QWidget* parent);
    const QString& FileName() const { return fileName_; }

private:
    FileDialogKind kind_;
    QString fileName_;
};

// Routes every request to `handler` instead of a window; nullptr restores the real dialogs.
void SetDialogHandlerForTesting(DialogHandler* handler);

} // namespace corvane::ui
