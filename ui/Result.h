#pragma once

// The result window: shows the code a page has made, copies it, and tests it in the browser through a
// temporary file that is deleted whenever the window hides.

#include "ui/Window.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace corvane::ui {

class TResultForm : public FixedDialog {
    Q_OBJECT

public:
    explicit TResultForm(QWidget* parent = nullptr);

    // Replaces the code in the box and shows the window modally; returns when it has been closed.
    void ShowCode(const QString& code);

    // The full path of the test file: "paypal.html" in the system's temporary folder.
    static QString GetTempFile();

    QPlainTextEdit* ResultBox;
    QPushButton* Button1;     // "Copy All"
    QPushButton* Button2;     // "Test"
    QPushButton* CloseButton; // "Close"
    QLabel* Label1;

public slots:
    void Button1Click();
    void Button2Click();
    void CloseButtonClick();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void FormCreate();
    void FormHide();
};

// The one result window of the program, created at start-up.
extern TResultForm* ResultForm;

} // namespace corvane::ui
