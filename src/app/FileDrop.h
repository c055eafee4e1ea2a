#pragma once

// Files dropped on a window, wherever on it they land: an edit field or the
// grid below the pointer would otherwise take a file's name as text. The
// filter watches every widget of the window it is made for.

#include <QObject>
#include <QStringList>

#include <functional>

class QWidget;

class FileDrop : public QObject {
public:
    // accepts: whether the window takes these files (the local paths of the
    // drag); dropped: what it does with them, run through guarded().
    using Accepts = std::function<bool(const QStringList& paths)>;
    using Dropped = std::function<void(const QStringList& paths, Qt::KeyboardModifiers modifiers)>;

    FileDrop(QWidget* window, Accepts accepts, Dropped dropped);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    Accepts accepts_;
    Dropped dropped_;
};
