#pragma once

// The cell editor of the data grid. It makes the editor take part in the
// grid's own key handling: Enter commits the cell and walks on (the grid's
// key-down rule), and every key release inside the editor is reported with
// the text typed so far, so the store can follow each keystroke before the
// cell is left.

#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>

class QKeyEvent;

class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit GridDelegate(QObject* parent = nullptr);

    // The editor now open, or null; and the cell it edits.
    QLineEdit* openEditor() const { return editor_; }
    QModelIndex editedIndex() const { return editedIndex_; }

    // Copies the open editor's text into its cell (no-op without an editor).
    void syncEditorText(QAbstractItemModel& model) const;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

signals:
    // Enter or Return pressed in the editor, after the cell was committed
    // and the editor closed.
    void enterPressed();
    // A key released in the editor; the cell already holds the editor's text.
    void keyReleased(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    mutable QPointer<QLineEdit> editor_;
    mutable QPersistentModelIndex editedIndex_;
};
