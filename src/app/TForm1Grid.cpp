// The main window's data grid: Enter walks X, Y, next X; every key release
// reads the grid into the current set.

#include "app/ErrorReport.h"
#include "app/GridDelegate.h"
#include "app/GridModel.h"
#include "app/TForm1.h"
#include "commands/SetDisplay.h"
#include "commands/SettingsCommands.h"
#include "commands/UndoHistory.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>

void TForm1::readGridIntoSet()
{
    gridDelegate_->syncEditorText(*gridModel_);
    commands::readGridIntoSet(*ws_);
}

void TForm1::SGDATENKeyDown(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    const QModelIndex current = SGDATEN->currentIndex();
    if (!current.isValid())
        return;
    QModelIndex next;
    if (current.column() == 2) {
        // In the last row there is no next row: the selection stays.
        if (current.row() + 1 < gridModel_->rowCount())
            next = gridModel_->index(current.row() + 1, 1);
    } else {
        next = gridModel_->index(current.row(), 2);
    }
    if (next.isValid())
        SGDATEN->setCurrentIndex(next);
}

void TForm1::SGDATENKeyUp(const QKeyEvent& event)
{
    // After an undo the grid shows the kept points rounded to their shown
    // decimals; reading the grid on the releases of the undo keys themselves
    // would store those rounded values as a new step and lose the redo.
    if (undoChordInGrid_) {
        const int key = event.key();
        const bool modifier = key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt
            || key == Qt::Key_Meta || key == Qt::Key_AltGr;
        const bool chordKey = (key == Qt::Key_Z || key == Qt::Key_Y) && (event.modifiers() & Qt::ControlModifier);
        if (modifier || chordKey)
            return;
        undoChordInGrid_ = false;
    }
    bool typed = false;
    const QString text = event.text();
    if (text.size() == 1) {
        const QChar c = text.front();
        typed = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(',') || c == QLatin1Char('-')
            || c == QLatin1Char('.');
    } else if (text.isEmpty() && !(event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))) {
        const int key = event.key();
        typed = (key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Comma || key == Qt::Key_Minus
            || key == Qt::Key_Period;
    }
    gridDelegate_->syncEditorText(*gridModel_);
    // All keystrokes in one cell while it is edited are one undo step.
    if (gridDelegate_->openEditor())
        history_->typingInto(CommandId::GridTyping);
    commands::gridTyping(*ws_, typed ? commands::GridKey::Typed : commands::GridKey::Other);
}

// The grid's Enter and key releases, and a click anywhere on the Info box.
bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == SGDATEN) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                guarded(this, [this, key] { SGDATENKeyDown(key->key()); });
                return true;
            }
        } else if (event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(event);
            guarded(this, [this, key] { SGDATENKeyUp(*key); });
            return false;
        }
    } else if (event->type() == QEvent::MouseButtonRelease
               && (watched == GBInfo || watched == Image1 || watched == Lbinfo)) {
        GBInfo->hide();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
