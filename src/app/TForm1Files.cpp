// The main window's File menu: open, open into a chosen set, save, and the
// close query.

#include "app/Dialogs.h"
#include "app/ErrorReport.h"
#include "app/FileFilter.h"
#include "app/TForm1.h"
#include "commands/FileCommands.h"
#include "data/Messages.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>

namespace {

constexpr char kOpenFilter[] =
    "KWT-Files|*.KWT|ASCII Data|*.ASC|CSV files|*.CSV|Text files|*.txt|Vexon-Files|*.VXN|All files|*.*";
constexpr char kSaveFilter[] = "KWT-File|*.KWT|ASCI-File|*.ASC";

std::string fileSystemName(const QString& path) { return QFile::encodeName(path).toStdString(); }

} // namespace

QFileDialog& TForm1::openDialog()
{
    if (!OpenDialog1) {
        OpenDialog1 = new QFileDialog(this, QStringLiteral("Open"));
        OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
        OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
        OpenDialog1->setFileMode(QFileDialog::ExistingFile);
        OpenDialog1->setNameFilters(qtFileFilter(kOpenFilter).split(QStringLiteral(";;")));
        if (!dialogDirectory_.isEmpty())
            OpenDialog1->setDirectory(dialogDirectory_);
    }
    return *OpenDialog1;
}

QFileDialog& TForm1::saveDialog()
{
    if (!SaveDialog1) {
        SaveDialog1 = new QFileDialog(this, QStringLiteral("Save"));
        SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
        SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
        SaveDialog1->setFileMode(QFileDialog::AnyFile);
        // Saving replaces an existing file of the chosen name without a
        // question, as the program always did.
        SaveDialog1->setOption(QFileDialog::DontConfirmOverwrite);
        SaveDialog1->setNameFilters(qtFileFilter(kSaveFilter).split(QStringLiteral(";;")));
        SaveDialog1->setDefaultSuffix(QString());
        if (!dialogDirectory_.isEmpty())
            SaveDialog1->setDirectory(dialogDirectory_);
    }
    return *SaveDialog1;
}

void TForm1::ffnen1Click()
{
    QFileDialog& dialog = openDialog();
    dialog.selectFile(QFile::decodeName(QByteArray::fromStdString(store_.currentFileName)));
    const QString path = chooseFile_(dialog);
    if (!path.isEmpty())
        openDataFile(path, kFirstSet);
}

void TForm1::Open2nd1Click()
{
    GB2ndfile->show();
    GB2ndfile->raise();
}

void TForm1::Bn2ndokClick()
{
    GB2ndfile->hide();
    const int target = commands::secondFileSet(Ed2nd->text().toStdString());
    // The dialog keeps the name it last had.
    const QString path = chooseFile_(openDialog());
    if (!path.isEmpty())
        openDataFile(path, target);
}

bool TForm1::openDataFile(const QString& path, int loadTargetSet)
{
    return guarded(this, [&] {
        const Outcome outcome = loadTargetSet == kFirstSet
            ? commands::openFile(*ws_, fileSystemName(path))
            : commands::openSecondFile(*ws_, std::to_string(loadTargetSet), fileSystemName(path));
        afterRead(path, outcome);
    });
}

bool TForm1::openDataFile(const std::string& path)
{
    return openDataFile(QFile::decodeName(QByteArray::fromStdString(path)), kFirstSet);
}

void TForm1::afterRead(const QString& path, const Outcome& outcome)
{
    saveFileName_ = QFile::decodeName(QByteArray::fromStdString(store_.currentFileName));
    lastReadPath_ = path;
    lastReadSet_ = store_.loadTargetSet;
    // Both dialogs open where the file came from; names given without a
    // directory then refer to it.
    dialogDirectory_ = QFileInfo(path).absolutePath();
    for (QFileDialog* dialog : {OpenDialog1, SaveDialog1})
        if (dialog)
            dialog->setDirectory(dialogDirectory_);
    if (graphicWindow_) {
        graphicWindow_->state().imageOpenName = outcome.imageOpenName;
        graphicWindow_->state().imageFileName.clear();
    }
    showOutcome(outcome);
}

void TForm1::Speichernals1Click()
{
    QFileDialog& dialog = saveDialog();
    if (!saveFileName_.isEmpty())
        dialog.selectFile(saveFileName_);
    const QString path = chooseFile_(dialog);
    if (path.isEmpty())
        return;
    commands::saveFile(*ws_, fileSystemName(path), commands::SaveNaming::Dialog);
    saveFileName_ = path;
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (store_.unsavedChanges) {
        const auto answer = QMessageBox::question(this, QStringLiteral("Kurvix"),
                                                  QString::fromUtf8(Messages::CloseQuery.data(),
                                                                    static_cast<qsizetype>(Messages::CloseQuery.size())),
                                                  QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer != QMessageBox::Yes) {
            event->ignore();
            return;
        }
        store_.unsavedChanges = false;
    }
    event->accept();
    Stopfollowing1Click();
    // The other windows may still be shown; closing this one ends the run.
    emit closed();
}
