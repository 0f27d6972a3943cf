#include "ui/Dialogs.h"

#include "files/FileError.h"
#include "ui/Window.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace corvane::ui {

namespace {

// Button files carry the extension .crv; .brn files are listed as well.
const char* const SaveFilter = "Corvane Generator Files (*.crv *.brn)";
const char* const OpenFilter = "Brindle Generator Files (*.crv *.brn)";

// A dialog in the middle of the screen, not over its parent: placed as it shows, when its size is known.
// The parent still owns it, so that it stays above the main window and out of the task bar.
template <typename Dialog> class ScreenCentred : public Dialog {
public:
    using Dialog::Dialog;

protected:
    void showEvent(QShowEvent* event) override {
        Dialog::showEvent(event);
        CentreOnScreen(*this);
    }
};

class SystemDialogs : public DialogHandler {
public:
    void Message(QWidget* parent, MessageKind kind, const QString& text) override {
        ScreenCentred<QMessageBox> box(kind == MessageKind::Error ? QMessageBox::Critical
                                                                  : QMessageBox::NoIcon,
                                       ProgramTitle(), text, QMessageBox::Ok, parent);
        box.exec();
    }

    std::optional<QString> FileName(QWidget* parent, FileDialogKind kind, const QString& initial) override {
        ScreenCentred<QFileDialog> dialog(
            parent, QString(), initial,
            QLatin1String(kind == FileDialogKind::Save ? SaveFilter : OpenFilter));
        dialog.setAcceptMode(kind == FileDialogKind::Save ? QFileDialog::AcceptSave
                                                          : QFileDialog::AcceptOpen);
        // Saving over a file replaces it without a question; opening takes any name, and a missing file
        // is reported when it cannot be read.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QStringLiteral("crv"));
        if (!initial.isEmpty())
            dialog.selectFile(initial);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().constFirst();
    }

    void InputBox(QWidget* parent, const QString& caption, const QString& prompt,
                  const QString& text) override {
        ScreenCentred<QInputDialog> box(parent);
        box.setWindowTitle(caption);
        box.setLabelText(prompt);
        box.setInputMode(QInputDialog::TextInput);
        box.setTextValue(text);
        // The text is there to be copied: it comes selected.
        if (auto* line = box.findChild<QLineEdit*>())
            line->selectAll();
        box.exec();
    }
};

SystemDialogs& System() {
    static SystemDialogs system;
    return system;
}

DialogHandler*& Handler() {
    static DialogHandler* handler = &System();
    return handler;
}

} // namespace

void ShowError(QWidget* parent, const QString& message) {
    Handler()->Message(parent, MessageKind::Error,
                       QString::fromLocal8Bit(ErrorBoxText(message.toLocal8Bit().toStdString())));
}

void ShowNotice(QWidget* parent, const QString& text) {
    Handler()->Message(parent, MessageKind::Notice, text);
}

std::optional<QString> AskFileName(QWidget* parent, FileDialogKind kind, const QString& initial) {
    return Handler()->FileName(parent, kind, initial);
}

void ShowInputBox(QWidget* parent, const QString& caption, const QString& prompt, const QString& text) {
    Handler()->InputBox(parent, caption, prompt, text);
}

std::optional<QString> FileDialog::Execute(QWidget* parent) {
    std::optional<QString> chosen = AskFileName(parent, kind_, fileName_);
    if (!chosen)
        return std::nullopt;
    const QFileInfo file(*chosen);
    if (file.suffix().isEmpty() && !file.fileName().endsWith(QLatin1Char('.')) &&
        (kind_ == FileDialogKind::Save || !file.exists()))
        *chosen += QStringLiteral(".crv");
    fileName_ = *chosen;
    return chosen;
}

void SetDialogHandlerForTesting(DialogHandler* handler) {
    Handler() = handler != nullptr ? handler : &System();
}

} // namespace corvane::ui
