#include "ui/Result.h"

#include "files/FileError.h"
#include "files/PlatformFiles.h"
#include "ui/Controls.h"
#include "ui/Desktop.h"
#include "ui/Dialogs.h"
#include "ui/Look.h"

#include <QDir>
#include <QHideEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTextCursor>

namespace corvane::ui {

TResultForm* ResultForm = nullptr;

void CodeBox::SetCode(const QString& code) {
    code_ = code;
    setPlainText(code);
}

QMimeData* CodeBox::createMimeDataFromSelection() const {
    const QTextCursor cursor = textCursor();
    auto* data = new QMimeData;
    const bool all =
        cursor.selectionStart() == 0 && cursor.selectionEnd() >= document()->characterCount() - 1;
    // The selection's own text keeps no-break spaces, and gives the separators back as U+2029.
    data->setText(all ? code_ : cursor.selectedText());
    return data;
}

TResultForm::TResultForm(QWidget* parent) : FixedDialog(parent) {
    setObjectName(QStringLiteral("ResultForm"));
    setWindowTitle(QStringLiteral("Here's your generated code..."));
    MakeFixedWindow(*this, QSize(282, 326), false);

    Label1 = AddLabel(this, "Label1", QStringLiteral("Your Button's Code:"), {8, 4});
    ResultBox = new CodeBox(this);
    ResultBox->setObjectName(QStringLiteral("ResultBox"));
    ResultBox->setGeometry(4, 24, 273, 281);
    ResultBox->setReadOnly(true);
    ResultBox->setFont(CodeFont());
    ResultBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    ResultBox->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    ResultBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ResultBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The buttons' top row is the box's lowest; they lie over it.
    Button1 = AddButton(this, "Button1", QStringLiteral("Copy All"), {4, 304, 89, 17});
    Button2 = AddButton(this, "Button2", QStringLiteral("Test"), {96, 304, 89, 17});
    CloseButton = AddButton(this, "CloseButton", QStringLiteral("Close"), {188, 304, 89, 17});
    SetTabOrder({ResultBox, Button1, Button2, CloseButton});
    ResultBox->setFocus();

    connect(Button1, &QPushButton::clicked, this, &TResultForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TResultForm::Button2Click);
    connect(CloseButton, &QPushButton::clicked, this, &TResultForm::CloseButtonClick);
    FormCreate();
}

void TResultForm::FormCreate() {
    CentreOnScreen(*this);
}

void TResultForm::ShowCode(const QString& code) {
    ResultBox->SetCode(code);
    exec();
}

QString TResultForm::GetTempFile() {
    return QDir::tempPath() + QStringLiteral("/paypal.html");
}

void TResultForm::Button1Click() {
    if (!PutOnClipboard(ResultBox->Code())) {
        ShowError(this, QStringLiteral("Cannot open clipboard"));
        return;
    }
    ResultBox->setFocus();
    ResultBox->selectAll();
}

void TResultForm::Button2Click() {
    const QString path = QDir::toNativeSeparators(GetTempFile());
    const std::string bytes = BytesFromText(ResultBox->Code());
    // The temporary folder is shared by all users: never write through a link planted at the name.
    platform::OutputFile file;
    if (!file.CreateOrTruncate(BytesFromText(path))) {
        ShowError(this, QStringLiteral("Cannot create file ") + path);
        return;
    }
    madeTestFile_ = true;
    const bool written = file.Write(bytes);
    if (!file.SyncAndClose() || !written) {
        ShowError(this, QString::fromLatin1(FileError::StreamWrite().what()));
        return;
    }
    ShellOpen(QUrl::fromLocalFile(GetTempFile()));
}

void TResultForm::CloseButtonClick() {
    close();
}

void TResultForm::hideEvent(QHideEvent* event) {
    // A minimized window is hidden by the system, not closed: it keeps its test file.
    if (!event->spontaneous())
        FormHide();
    FixedDialog::hideEvent(event);
}

void TResultForm::FormHide() {
    // Whatever else stands at that name, a folder or another program's file, is not this window's.
    if (madeTestFile_)
        platform::RemoveFile(BytesFromText(QDir::toNativeSeparators(GetTempFile())));
    madeTestFile_ = false;
}

} // namespace corvane::ui
