#include "UiTestSupport.h"

#include "ui/Desktop.h"
#include "ui/Look.h"
#include "ui/Program.h"
#include "ui/Result.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <QtTest>

namespace corvane::test {

void RecordingDialogs::Message(QWidget*, ui::MessageKind kind, const QString& text) {
    messages.push_back({kind, text});
}

std::optional<QString> RecordingDialogs::FileName(QWidget*, ui::FileDialogKind, const QString& initial) {
    fileDialogInitialNames.push_back(initial);
    const QString answer = fileNameAnswers.isEmpty() ? QString() : fileNameAnswers.takeFirst();
    if (answer.isEmpty())
        return std::nullopt;
    if (whenFileChosen)
        whenFileChosen(answer);
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

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QString ShownCode(QPushButton* makeButton) {
    QString shown;
    WhenModalShown([&shown](QWidget& window) {
        if (&window == ui::ResultForm)
            shown = ui::ResultForm->ResultBox->Code();
    });
    makeButton->click();
    return shown;
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

void AddControlColumns() {
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
}

void AddControlRow(const char* name, const char* parent, const char* kind, QRect geometry,
                   const char* caption) {
    QTest::newRow(name) << QString::fromLatin1(parent) << QString::fromLatin1(kind) << geometry
                        << QString::fromLatin1(caption);
}

void CheckControl(const QWidget* window) {
    QFETCH(QString, parent);
    QFETCH(QString, kind);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const QWidget* control = window->findChild<QWidget*>(name);
    QVERIFY2(control != nullptr, qPrintable(name));
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(control->metaObject()->className(), kind);
    QCOMPARE(control->pos(), geometry.topLeft());
    if (auto* label = qobject_cast<const QLabel*>(control); label && !caption.isEmpty()) {
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->size(), label->sizeHint()); // sized to its caption
        return;
    }
    QCOMPARE(control->size(), geometry.size());
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) {
        QCOMPARE(button->text(), caption);
        // Push buttons ask for a minimum width beyond their caption's; the caption itself must fit.
        const int needed = qobject_cast<const QPushButton*>(button)
                               ? button->fontMetrics().horizontalAdvance(caption) + 8
                               : button->sizeHint().width();
        QVERIFY2(needed <= geometry.width(), "the caption does not fit");
    } else if (auto* box = qobject_cast<const QGroupBox*>(control)) {
        QCOMPARE(box->title(), caption);
    }
}

QMap<QString, QVariant> PageState(const QWidget* page) {
    QMap<QString, QVariant> state;
    for (const QLineEdit* edit : page->findChildren<QLineEdit*>())
        state[edit->objectName()] = edit->text();
    for (const QAbstractButton* button : page->findChildren<QAbstractButton*>())
        if (button->isCheckable())
            state[button->objectName()] = button->isChecked();
    for (const QComboBox* list : page->findChildren<QComboBox*>())
        state[list->objectName()] = list->currentIndex();
    return state;
}

QStringList FocusChainNames(QWidget* first, QWidget* scope) {
    QStringList names;
    QWidget* widget = first;
    do {
        if (widget->focusPolicy() != Qt::NoFocus && scope->isAncestorOf(widget))
            names << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != first);
    return names;
}

QWidget* NextInTabOrder(QWidget* widget) {
    QWidget* next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

} // namespace corvane::test
