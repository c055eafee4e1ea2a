#pragma once

// The report of how a data file is read, in a window of its own: the text
// read-only, "Other file ..." to have another file explained, "Close".

#include <QString>
#include <QWidget>

#include <functional>

class QPlainTextEdit;
class QPushButton;

class ReadReportWindow : public QWidget {
public:
    explicit ReadReportWindow(QWidget* parent);

    // Shows the report of `path` read from set `set` on, and the window.
    // Throws FileError when the file cannot be read.
    void showReport(const QString& path, int set);

    // Asked by "Other file ..." for the file; an empty text is a cancel.
    void setFileChooser(std::function<QString()> chooser) { chooseFile_ = std::move(chooser); }

    QString reportText() const;
    void BnOtherClick();

private:
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* BnOther = nullptr;
    QPushButton* BnClose = nullptr;
    std::function<QString()> chooseFile_;
};
