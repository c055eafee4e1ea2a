// Options / "Record commands..." and "Stop recording": every command carried
// out in the main window appended to a script file as the line that replays
// it (commands/ScriptRecorder.h), ready for `kurvix --run`.

#include "app/ErrorReport.h"
#include "app/FileFilter.h"
#include "app/TForm1.h"
#include "commands/ScriptRecorder.h"
#include "data/Errors.h"
#include "data/Messages.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>

#include <algorithm>

namespace {

constexpr char kScriptFilter[] = "Command scripts|*.txt|All files|*.*";

} // namespace

void TForm1::connectRecording()
{
    showRecordingState();
    connectGuarded(Recordcommands1, &QAction::triggered, this, &TForm1::Recordcommands1Click);
    connectGuarded(Stoprecording1, &QAction::triggered, this, &TForm1::Stoprecording1Click);
    // A settings field writes through on every keystroke, the grid reads
    // itself on every key release; their lines are written once the user
    // moves on.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (!recorder_ || !old || old == now)
            return;
        const QWidget* fields[] = {EdXachse, EdXvon, Edxbis, EdTitel, EdBemerkung, EdYAchse, EdYvon, EdYBis};
        if (std::find(std::begin(fields), std::end(fields), old) != std::end(fields))
            recorder_->fieldLeft();
        auto inGrid = [this](const QWidget* w) { return w && (w == SGDATEN || SGDATEN->isAncestorOf(w)); };
        if (inGrid(old) && !inGrid(now))
            recorder_->gridLeft(store_);
    });
}

void TForm1::showRecordingState()
{
    Recordcommands1->setEnabled(!recorder_);
    Stoprecording1->setEnabled(recorder_ != nullptr);
}

void TForm1::Recordcommands1Click()
{
    if (recorder_)
        return;
    if (!RecordDialog) {
        RecordDialog = new QFileDialog(this, QStringLiteral("Record commands"));
        RecordDialog->setObjectName(QStringLiteral("RecordDialog"));
        RecordDialog->setAcceptMode(QFileDialog::AcceptSave);
        RecordDialog->setFileMode(QFileDialog::AnyFile);
        // Recording into an existing script appends to it.
        RecordDialog->setOption(QFileDialog::DontConfirmOverwrite);
        RecordDialog->setNameFilters(qtFileFilter(kScriptFilter).split(QStringLiteral(";;")));
    }
    const QString path = chooseFile_(*RecordDialog);
    if (path.isEmpty())
        return;
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append))
        throw FileError(Messages::message(Messages::CannotCreateFile,
                                          {QFile::encodeName(path).toStdString(), file->errorString().toStdString()}));
    recordFile_ = std::move(file);
    recorder_ = std::make_unique<ScriptRecorder>([this](const std::string& line) { recordLine(line); });
    ws_->observers.push_back(recorder_.get());
    showRecordingState();
}

void TForm1::Stoprecording1Click()
{
    stopRecording();
}

void TForm1::stopRecording()
{
    if (!recorder_)
        return;
    recorder_->finish(store_);
    auto& observers = ws_->observers;
    observers.erase(std::remove(observers.begin(), observers.end(), recorder_.get()), observers.end());
    recorder_.reset();
    recordFile_.reset();
    showRecordingState();
}

// Lines are written as they come, so a script holds every command done so
// far even when the program is ended abruptly. A file that cannot be written
// ends the recording with the failure's message, once the command that
// wrote the line is through.
void TForm1::recordLine(const std::string& line)
{
    if (!recordFile_)
        return;
    const QByteArray bytes = QByteArray::fromStdString(line) + '\n';
    if (recordFile_->write(bytes) == bytes.size() && recordFile_->flush())
        return;
    const std::string message = Messages::message(
        Messages::CannotWriteFile,
        {QFile::encodeName(recordFile_->fileName()).toStdString(), recordFile_->errorString().toStdString()});
    recordFile_.reset();
    QTimer::singleShot(0, this, [this, message] {
        stopRecording();
        reportFailure(this, message);
    });
}
