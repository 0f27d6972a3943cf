#pragma once

// The resale-rights window: a notice about reselling the program, shown beside the main window, with a
// button that opens the program's resale page in the browser.

#include <QWidget>

class QLabel;
class QPushButton;
class QTextEdit;

namespace corvane::ui {

class TForm2 : public QWidget {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);

    static QStringList ResaleLines();
    static QUrl ResalePage();

    // Shows the window without waiting for it, or brings it to the front when it is already shown.
    void ShowModeless();

    QTextEdit* Memo1;
    QPushButton* Button1; // "Click Here For Resale Rights!"
    QLabel* Label1;

public slots:
    void Button1Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
};

extern TForm2* Form2;

} // namespace corvane::ui
