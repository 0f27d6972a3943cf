#include "UiTestSupport.h"

#include "ui/Desktop.h"
#include "ui/Look.h"
#include "ui/Program.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>

namespace corvane::test {

void RecordingDialogs::Message(QWidget*, ui::MessageKind kind, const QString& text) {
    messages.push_back({kind, text});
}

std::optional<QString> RecordingDialogs::FileName(QWidget*, ui::FileDialogKind, const QString& initial) {
    fileDialogInitialNames.push_back(initial);
    const QString answer = fileNameAnswers.isEmpty() ? QString() : fileNameAnswers.takeFirst();
    if (answer.isEmpty())
        return std::nullopt;
    return answer;
}

void RecordingDialogs::InputBox(QWidget*, const QString& caption, const QString& prompt,
                                const QString& text) {
    inputBoxes.push_back({caption, prompt, text});
}

UiFixture::UiFixture() {
    // The test file of the result window goes to the temporary folder: a private one per test run.
    qputenv("TMPDIR", temporaryFolder.path().toLocal8Bit());
    ui::ApplyClassicLook(*qApp);
    ui::SetDialogHandlerForTesting(&dialogs);
    ui::SetShellOpenerForTesting([this](const QUrl& url) { openedUrls.push_back(url); });
    ui::SetClipboardForTesting([this](const QString& text) {
        if (clipboardAvailable)
            clipboardText = text;
        return clipboardAvailable;
    });
    ui::CreateForms();
}

UiFixture::~UiFixture() {
    ui::DestroyForms();
    ui::SetDialogHandlerForTesting(nullptr);
    ui::SetShellOpenerForTesting({});
    ui::SetClipboardForTesting({});
}

void WhenModalShown(std::function<void(QWidget&)> action) {
    auto* timer = new QTimer;
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr)
            return;
        timer->stop();
        timer->deleteLater();
        action(*modal);
        modal->close();
    });
    timer->start();
}

QStringList FocusChainNames(QWidget* first, QWidget* scope) {
    QStringList names;
    QWidget* widget = first;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && scope->isAncestorOf(widget))
            names << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != first);
    return names;
}

} // namespace corvane::test
