// Data between the main window and other programs: the current set as text
// on the clipboard, text from the clipboard as data, files dropped on the
// window.

#include "app/Dialogs.h"
#include "app/FileDrop.h"
#include "app/TForm1.h"
#include "commands/TextCommands.h"
#include "data/Messages.h"

#include <QApplication>
#include <QClipboard>

void TForm1::Copysetastext1Click()
{
    QApplication::clipboard()->setText(QString::fromStdString(commands::setAsText(store_)));
}

void TForm1::Pastedata1Click()
{
    showOutcome(commands::pasteData(*ws_, QApplication::clipboard()->text().toStdString()));
}

void TForm1::acceptDroppedFiles()
{
    // Any file dropped here is a data file to open.
    new FileDrop(this, [](const QStringList&) { return true; },
                 [this](const QStringList& paths, Qt::KeyboardModifiers modifiers) {
                     openDroppedFiles(paths, modifiers);
                 });
}

void TForm1::openDroppedFiles(const QStringList& paths, Qt::KeyboardModifiers modifiers)
{
    if (paths.isEmpty())
        return;
    const int target = (modifiers & Qt::ControlModifier) ? store_.currentSet : kFirstSet;
    openDataFile(paths.front(), target);
    if (paths.size() > 1)
        showMessage(this, Messages::message(Messages::OnlyFirstFileOpened, {std::to_string(paths.size())}));
}
