#pragma once

// The help window: a few paragraphs about the program, shown modally from the main window's "Help".

#include "ui/Window.h"

class QPushButton;
class QTextEdit;

namespace corvane::ui {

class THelpForm : public FixedDialog {
    Q_OBJECT

public:
    explicit THelpForm(QWidget* parent = nullptr);

    // The help text, one line per paragraph.
    static QStringList HelpLines();

    QTextEdit* RichEdit1;
    QPushButton* Button1; // "OK"

public slots:
    void Button1Click();

private:
    void FormCreate();
};

extern THelpForm* HelpForm;

} // namespace corvane::ui
