#pragma once

// What the window tests share: the program's windows made as the program makes them, stand-ins for the
// desktop and the dialogs that record what they were asked, and a private temporary folder.

#include "ui/Dialogs.h"

#include <QMap>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

class QPushButton;
class QWidget;

namespace corvane::test {

// Records every message, file-dialog and input-box request; file dialogs answer from a queue.
class RecordingDialogs : public ui::DialogHandler {
public:
    struct Message {
        ui::MessageKind kind;
        QString text;
    };
    struct InputBoxRequest {
        QString caption, prompt, text;
    };

    void Message(QWidget* parent, ui::MessageKind kind, const QString& text) override;
    std::optional<QString> FileName(QWidget* parent, ui::FileDialogKind kind,
                                    const QString& initial) override;
    void InputBox(QWidget* parent, const QString& caption, const QString& prompt,
                  const QString& text) override;

    std::vector<struct Message> messages;
    std::vector<InputBoxRequest> inputBoxes;
    std::vector<QString> fileDialogInitialNames;
    QStringList fileNameAnswers; // in turn; an empty one, or none left: the user cancels
    std::function<void(const QString&)> whenFileChosen; // runs as the dialog closes on a name
};

// The program's windows, the classic look, a private TMPDIR, and the stand-ins, for one test class.
class UiFixture {
public:
    UiFixture();
    ~UiFixture();

    RecordingDialogs dialogs;
    std::vector<QUrl> openedUrls;
    bool clipboardAvailable = true;
    QString clipboardText;
    QTemporaryDir temporaryFolder;
};

// The bytes of a file, "(missing)" when it cannot be read; and a file made of `bytes`.
QByteArray FileBytes(const QString& path);
void WriteFile(const QString& path, const QByteArray& bytes);

// Presses a page's "Make Button" and returns the code that the result window showed.
QString ShownCode(QPushButton* makeButton);

// Runs `action` as soon as a modal window shows (the result or help window), then closes that window.
// Returns at once; the caller then does what opens the window.
void WhenModalShown(std::function<void(QWidget&)> action);

// Rows of a control table for QtTest: the control's name is the row's name. A label's geometry gives only
// its place: labels size themselves to their caption.
void AddControlColumns();
void AddControlRow(const char* name, const char* parent, const char* kind, QRect geometry,
                   const char* caption = "");
// Checks the control of the current row within `window`: parent, kind, place and size, caption, and that
// the caption fits.
void CheckControl(const QWidget* window);

// Every text, tick and list selection of a page, by control name, to compare whole states.
QMap<QString, QVariant> PageState(const QWidget* page);

// The tab order: the widgets from `first` on in the keyboard focus chain, up to `first` again, that take
// the focus and lie within `scope`, by their object names. Of a group of radio buttons Tab stops only at
// the ticked one, but each keeps its place in the order.
QStringList FocusChainNames(QWidget* first, QWidget* scope);

// The next widget after `widget` in the focus chain that takes focus by Tab, visible or not.
QWidget* NextInTabOrder(QWidget* widget);

} // namespace corvane::test
