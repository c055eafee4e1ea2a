#include "app/GridDelegate.h"

#include <QKeyEvent>

GridDelegate::GridDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    editor_ = edit;
    editedIndex_ = index;
    return edit;
}

void GridDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const
{
    if (editor == editor_) {
        editor_ = nullptr;
        editedIndex_ = QPersistentModelIndex();
    }
    QStyledItemDelegate::destroyEditor(editor, index);
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
        model->setData(index, edit->text(), Qt::EditRole);
}

void GridDelegate::syncEditorText(QAbstractItemModel& model) const
{
    if (editor_ && editedIndex_.isValid())
        setModelData(editor_, &model, editedIndex_);
}

bool GridDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(object);
    if (edit && edit == editor_) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                // Committed here and now rather than queued as the base
                // delegate does, so the walk to the next cell sees the text.
                emit commitData(edit);
                emit closeEditor(edit, QAbstractItemDelegate::NoHint);
                emit enterPressed();
                return true;
            }
        } else if (event->type() == QEvent::KeyRelease) {
            // The editor has already taken the key press, so its text is the
            // typed-so-far text of the cell.
            if (editedIndex_.isValid())
                setModelData(edit, const_cast<QAbstractItemModel*>(editedIndex_.model()), editedIndex_);
            emit keyReleased(*static_cast<QKeyEvent*>(event));
            // Taken here: passed on, the release would reach the grid too
            // and be handled twice.
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
