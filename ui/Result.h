#pragma once

// The result window: shows the code a page has made, copies it, and tests it in the browser through a
// temporary file that is deleted whenever the window hides.

#include "ui/Window.h"

#include <QPlainTextEdit>

class QLabel;
class QPushButton;

namespace corvane::ui {

// The box of the code: it shows the code wrapped, and gives it back exactly as it was put in. The plain
// text of the box itself would not: it turns a no-break space into a blank and a line or paragraph
// separator into a line break.
class CodeBox : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

    void SetCode(const QString& code);
    const QString& Code() const { return code_; }

protected:
    // What Ctrl+C copies: the code itself when all of it is selected, else the selected characters.
    QMimeData* createMimeDataFromSelection() const override;

private:
    QString code_;
};

class TResultForm : public FixedDialog {
    Q_OBJECT

public:
    explicit TResultForm(QWidget* parent = nullptr);

    // Replaces the code in the box and shows the window modally; returns when it has been closed.
    void ShowCode(const QString& code);

    // The full path of the test file: "paypal.html" in the system's temporary folder.
    static QString GetTempFile();

    CodeBox* ResultBox;
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

    bool madeTestFile_ = false; // only a file this window made is deleted
};

// The one result window of the program, created at start-up.
extern TResultForm* ResultForm;

} // namespace corvane::ui
