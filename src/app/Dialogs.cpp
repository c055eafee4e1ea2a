#include "app/Dialogs.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileDialog>
#include <QMessageBox>

QString runFileDialog(QFileDialog& dialog)
{
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // A name typed into the dialog leaves its completion list open when
    // Enter accepts the dialog; left alone, the list would stay on screen
    // over the window below and swallow its next click.
    for (QCompleter* completer : dialog.findChildren<QCompleter*>())
        if (completer->popup())
            completer->popup()->hide();
    return accepted ? dialog.selectedFiles().value(0) : QString();
}

void showMessage(QWidget* parent, const std::string& message)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Kurvix"), QString::fromStdString(message), QMessageBox::No,
                    parent);
    box.exec();
}

void showNotice(QWidget* parent, const std::string& message)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Kurvix"), QString::fromStdString(message), QMessageBox::Ok,
                    parent);
    box.exec();
}
