#include "app/ReadReportWindow.h"

#include "app/ErrorReport.h"
#include "data/ReadExplain.h"
#include "widgets/Controls.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace controls;

ReadReportWindow::ReadReportWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FormReport"));
    setWindowTitle(QStringLiteral("How the file was read"));
    resize(780, 560);
    Memo1 = make<QPlainTextEdit>(this, "Memo1", {});
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The report lines up its columns: a fixed-pitch font.
    Memo1->setFont(pixelFont(QStringLiteral("DejaVu Sans Mono"), 13));
    BnOther = button(this, "BnOther", QStringLiteral("Other file ..."), {0, 0, 110, 25});
    BnClose = button(this, "BnClose", QStringLiteral("Close"), {0, 0, 110, 25});
    // Unlike the fixed forms, the report grows with its window.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BnOther);
    buttons->addStretch();
    buttons->addWidget(BnClose);
    auto* column = new QVBoxLayout(this);
    column->addWidget(Memo1);
    column->addLayout(buttons);
    connectGuarded(BnOther, &QPushButton::clicked, this, &ReadReportWindow::BnOtherClick);
    connect(BnClose, &QPushButton::clicked, this, &QWidget::hide);
}

void ReadReportWindow::showReport(const QString& path, int set)
{
    const ReadExplanation report = explainDataFile(QFile::encodeName(path).toStdString(), set);
    Memo1->setPlainText(QString::fromStdString(report.text));
    setWindowTitle(QStringLiteral("How the file was read - ") + QFileInfo(path).fileName());
    show();
    raise();
    activateWindow();
}

QString ReadReportWindow::reportText() const
{
    return Memo1->toPlainText();
}

void ReadReportWindow::BnOtherClick()
{
    const QString path = chooseFile_ ? chooseFile_() : QString();
    if (!path.isEmpty())
        showReport(path, 1);
}
