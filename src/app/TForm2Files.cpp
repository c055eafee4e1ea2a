// The graphic window's File menu: open and save the image as a bitmap or
// JPEG file, and print it pixel by pixel.

#include "app/ErrorReport.h"
#include "app/Dialogs.h"
#include "app/FileDrop.h"
#include "app/FileFilter.h"
#include "app/TForm2Controls.h"
#include "app/TForm2.h"
#include "data/Errors.h"
#include "data/Messages.h"
#include "editor/GraphicEditor.h"
#include "editor/ImageFileCommands.h"
#include "editor/ImagePrint.h"
#include "plot/PlotCanvas.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScopeGuard>

namespace {

constexpr std::string_view kOpenFilter = "JPEG File |*.jpg|Bitmap Files|*.bmp|All Files|*.*";
constexpr std::string_view kSaveFilter = "JPEG Files|*.jpg|Bitmap Files|*.bmp|All Files|*.*";

// The dialogs append the default extension to a name typed without one; the
// handlers do the same for names that come from elsewhere, so "graph" is
// always the bitmap graph.bmp.
QString withDefaultExtension(const QString& path)
{
    return QFileInfo(path).fileName().contains(QLatin1Char('.')) ? path : path + QStringLiteral(".bmp");
}

std::string fileSystemName(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

struct TForm2::FileMenu {
    QFileDialog* OpenDialog1 = nullptr;
    QFileDialog* SaveDialog1 = nullptr;
    FileChooser chooseFile;
    PrintChooser choosePrinter;
    // The image file as chosen; imageFileName holds its upper-cased form.
    std::string imagePath;
};

void TForm2::setFileChooser(FileChooser chooser)
{
    files_->chooseFile = std::move(chooser);
}

void TForm2::setPrintChooser(PrintChooser chooser)
{
    files_->choosePrinter = std::move(chooser);
}

void TForm2::wireFileMenu()
{
    files_ = std::make_shared<FileMenu>();
    files_->chooseFile = [](QFileDialog& dialog) { return runFileDialog(dialog); };
    files_->choosePrinter = [this](QPrinter& printer) {
        // Without a printer the dialog would offer nothing to print on.
        if (QPrinterInfo::defaultPrinter().isNull())
            throw KurvixError(std::string(Messages::NoDefaultPrinter));
        QPrintDialog dialog(&printer, this);
        dialog.setOptions(QAbstractPrintDialog::PrintDialogOptions());
        return dialog.exec() == QDialog::Accepted;
    };
    const std::pair<QAction*, void (TForm2::*)()> items[] = {
        {ui_->Open1, &TForm2::Open1Click},
        {ui_->Save1, &TForm2::Save1Click},
        {ui_->Saveas1, &TForm2::Saveas1Click},
        {ui_->Printbitbybit1, &TForm2::Printbitbybit1Click},
    };
    for (const auto& [action, handler] : items)
        connectGuarded(action, &QAction::triggered, this, handler);

    // A bitmap or JPEG file dropped on the window opens as "&Open Image"
    // opens it; other files are not taken.
    new FileDrop(
        this,
        [](const QStringList& paths) {
            const QString name = paths.front().toLower();
            return name.endsWith(QLatin1String(".bmp")) || name.endsWith(QLatin1String(".jpg"))
                || name.endsWith(QLatin1String(".jpeg"));
        },
        [this](const QStringList& paths, Qt::KeyboardModifiers) {
            openImage(paths.front());
            if (paths.size() > 1)
                showMessage(this, Messages::message(Messages::OnlyFirstFileOpened, {std::to_string(paths.size())}));
        });
}

QFileDialog& TForm2::imageDialog(QFileDialog::AcceptMode mode)
{
    const bool save = mode == QFileDialog::AcceptSave;
    QFileDialog*& dialog = save ? files_->SaveDialog1 : files_->OpenDialog1;
    if (!dialog) {
        dialog = new QFileDialog(this, save ? QStringLiteral("Save Image") : QStringLiteral("Open Image"));
        dialog->setObjectName(save ? QStringLiteral("SaveDialog1") : QStringLiteral("OpenDialog1"));
        dialog->setAcceptMode(mode);
        dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog->setNameFilters(qtFileFilter(save ? kSaveFilter : kOpenFilter).split(QStringLiteral(";;")));
        dialog->setDefaultSuffix(QStringLiteral("bmp"));
    }
    return *dialog;
}

void TForm2::Open1Click()
{
    QFileDialog& dialog = imageDialog(QFileDialog::AcceptOpen);
    if (!state_.imageOpenName.empty())
        dialog.selectFile(QFile::decodeName(QByteArray::fromStdString(state_.imageOpenName)));
    const QString chosen = files_->chooseFile(dialog);
    if (!chosen.isEmpty())
        openImage(chosen);
}

void TForm2::openImage(const QString& chosen)
{
    // A file chosen as it is opens as it is, also without an extension.
    const QString path = QFileInfo::exists(chosen) ? chosen : withDefaultExtension(chosen);
    files_->imagePath = fileSystemName(path);
    openImageFile(*plot_, state_, files_->imagePath);
    editor_->imageReplaced();
    refreshImage();
}

bool TForm2::chooseSaveName()
{
    QFileDialog& dialog = imageDialog(QFileDialog::AcceptSave);
    if (!files_->imagePath.empty())
        dialog.selectFile(QFile::decodeName(QByteArray::fromStdString(files_->imagePath)));
    const QString chosen = files_->chooseFile(dialog);
    if (chosen.isEmpty())
        return false;
    files_->imagePath = fileSystemName(withDefaultExtension(chosen));
    rememberImageName(state_, files_->imagePath);
    return true;
}

void TForm2::Save1Click()
{
    // Reading a data file forgets the image file's name.
    if (state_.imageFileName.empty() && !chooseSaveName())
        return;
    if (files_->imagePath.empty())
        files_->imagePath = state_.imageFileName;
    rememberImageName(state_, state_.imageFileName);
    saveImageFile(*plot_, state_, files_->imagePath);
}

void TForm2::Saveas1Click()
{
    if (!chooseSaveName())
        return;
    saveImageFile(*plot_, state_, files_->imagePath);
}

void TForm2::Printbitbybit1Click()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!files_->choosePrinter(printer))
        return;
    QLabel* wait = ui_->Pnwait;
    wait->show();
    wait->raise();
    // The handler keeps the event loop until the job ends; paint the notice now.
    wait->repaint();
    const auto hideWait = qScopeGuard([wait] { wait->hide(); });
    QPainter painter;
    if (!painter.begin(&printer))
        throw KurvixError(std::string(Messages::PrinterNotStarted));
    printImagePixels(plot_->canvas().image(), painter);
    painter.end();
}
