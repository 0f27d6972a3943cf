// Shows each window of the program in turn and saves a picture of it: one per page of the main window,
// with sample values on the first, then the result, help and resale-rights windows.

#include "ui/Main.h"

#include "generate/SingleItem.h"
#include "ui/Help.h"
#include "ui/Look.h"
#include "ui/Program.h"
#include "ui/Result.h"
#include "ui/Unit2.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <cstdio>

namespace {

void Save(QWidget& window, const QDir& folder, const QString& name) {
    window.show();
    window.raise();
    QApplication::processEvents();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: corvane-screenshots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));
    corvane::ui::ApplyClassicLook(application);
    corvane::ui::CreateForms();
    using namespace corvane::ui;

    corvane::SingleItemButton sample;
    sample.Email = "sales@example.com";
    sample.Name = "Hand-thrown coffee mug";
    sample.Number = "MUG-7";
    sample.Price = "24.00";
    sample.Success = "https://example.com/thanks.html";
    sample.Cancelled = "https://example.com/cancelled.html";
    sample.ImageChoice = 6;
    sample.Shipping = true;
    MainForm->FillSingleItemPage(sample);

    const char* pages[] = {"single-item-page", "subscription-page", "shopping-cart-page"};
    for (int page = 0; page < MainForm->PageControl1->count(); ++page) {
        MainForm->PageControl1->setCurrentIndex(page);
        Save(*MainForm, folder, QLatin1String(pages[page]));
    }
    MainForm->PageControl1->setCurrentIndex(0);

    ResultForm->ResultBox->SetCode(
        QString::fromStdString(corvane::GenerateSingleItemCode(MainForm->ReadSingleItemPage())));
    Save(*ResultForm, folder, QStringLiteral("result-window"));
    ResultForm->hide();
    Save(*HelpForm, folder, QStringLiteral("help-window"));
    HelpForm->hide();
    Save(*Form2, folder, QStringLiteral("resale-rights-window"));

    corvane::ui::DestroyForms();
    return 0;
}
