#include "TForm1Fixture.h"

#include <QAction>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

using TForm1Print = TForm1Test;

// The menu item prints the current set's listing: 100 points make two pages.
TEST_F(TForm1Print, MenuItemPrintsTheListing)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
    store.currentSet = 3;
    store.pointCount[3] = 100;
    for (int i = 1; i <= 100; ++i) {
        store.x(3, i) = i;
        store.y(3, i) = i % 7;
    }
    form->setPrinterSetup([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    });
    form->findChild<QAction*>(QStringLiteral("Drucken1"))->trigger();
    EXPECT_TRUE(failures.empty());
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString content = QString::fromLatin1(file.readAll());
    EXPECT_EQ(content.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 2);
}

TEST_F(TForm1Print, NoPrinterIsReported)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a default printer is set up here";
    form->findChild<QAction*>(QStringLiteral("Drucken1"))->trigger();
    EXPECT_EQ(failures, std::vector<std::string>{"No default printer is set up; nothing was printed."});
}

} // namespace
