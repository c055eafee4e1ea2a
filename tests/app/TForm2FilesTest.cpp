#include "app/ErrorReport.h"
#include "app/TForm2.h"
#include "data/DataFilePath.h"
#include "editor/ImageFile.h"
#include "plot/PlotCanvas.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QRegularExpression>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QImage pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 5 % 256, y * 3 % 256, 40));
    return image;
}

QByteArray fileStart(const QString& path, int bytes)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
}

class TForm2Files : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    // Answers every file dialog with `answer` and counts the dialogs.
    void answerDialogs(const QString& answer)
    {
        form.setFileChooser([this, answer](QFileDialog& dialog) {
            ++dialogs;
            EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("bmp"));
            return answer;
        });
    }

    void SetUp() override
    {
        form.showNotice = [this](const std::string& message) { notices.push_back(message); };
    }

    QTemporaryDir dir;
    DataStore store;
    TForm2 form{store};
    int dialogs = 0;
    std::vector<std::string> notices;
};

TEST_F(TForm2Files, OpenedBitmapIsSavedBackWithoutADialog)
{
    writeImageFile(pattern(50, 30), path("plot.bmp").toStdString(), ImageFormat::Bmp);
    const QSize windowSize = form.size();
    form.plotCanvas().canvas().pen.width = 5;
    answerDialogs(path("plot.bmp"));
    form.Open1Click();
    EXPECT_EQ(form.plotCanvas().canvas().pen, Pen{}) << "a new picture's canvas starts afresh";
    EXPECT_EQ(form.state().imageFileName, upperAscii(path("plot.bmp").toStdString()));
    EXPECT_EQ(form.state().canvasWidth, 50);
    EXPECT_EQ(form.plotCanvas().canvas().image(), pattern(50, 30));
    EXPECT_EQ(form.size(), windowSize) << "a bitmap keeps the window's size";

    form.plotCanvas().canvas().setPixel(7, 7, qRgb(255, 0, 0));
    form.Save1Click();
    EXPECT_EQ(dialogs, 1) << "saved without asking";
    const QImage back = readImageFile(path("plot.bmp").toStdString(), ImageFormat::Bmp);
    EXPECT_EQ(back.pixel(7, 7), qRgb(255, 0, 0));
    EXPECT_FALSE(QFile::exists(path("PLOT.BMP"))) << "the file as chosen, not its upper-cased name";
}

// A name typed without an extension opens the bitmap of that name; a file
// chosen as it is opens as it is, here as a JPEG file.
TEST_F(TForm2Files, OpenAppliesTheDefaultExtensionOnlyToNewNames)
{
    writeImageFile(pattern(11, 12), path("shot.bmp").toStdString(), ImageFormat::Bmp);
    writeImageFile(pattern(13, 14), path("shot").toStdString(), ImageFormat::Jpeg);
    const std::pair<const char*, QSize> cases[] = {{"shot", {13, 14}}, {"other", {11, 12}}};
    QFile::copy(path("shot.bmp"), path("other.bmp"));
    for (const auto& [typed, size] : cases) {
        answerDialogs(path(typed));
        form.Open1Click();
        EXPECT_EQ(form.plotCanvas().canvas().image().size(), size) << typed;
    }
    EXPECT_TRUE(form.state().imageFileName.ends_with("/OTHER.BMP"));
}

TEST_F(TForm2Files, OpenedJpegSetsTheCanvasAndWindowSize)
{
    writeImageFile(pattern(200, 120), path("photo.jpg").toStdString(), ImageFormat::Jpeg);
    form.resize(900, 700);
    answerDialogs(path("photo.jpg"));
    form.Open1Click();
    EXPECT_EQ(form.plotCanvas().canvas().image().size(), QSize(200, 120));
    EXPECT_EQ(form.size(), QSize(580, 560));
}

TEST_F(TForm2Files, SaveWithoutANameAsksAndACancelWritesNothing)
{
    answerDialogs(QString());
    form.Save1Click();
    form.Saveas1Click();
    EXPECT_EQ(dialogs, 2);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(form.state().imageFileName.empty());
}

// The default extension makes a bare name a bitmap; any other name but one
// with ".bmp" in it is a JPEG file.
TEST_F(TForm2Files, SaveAsChoosesTheFormatByName)
{
    const struct {
        const char* typed;
        const char* written;
        QByteArray magic;
    } cases[] = {
        {"graph", "graph.bmp", "BM"},
        {"graph.jpg", "graph.jpg", "\xFF\xD8\xFF"},
        {"old.bmp.keep", "old.bmp.keep", "BM"},
        {"picture.png", "picture.png", "\xFF\xD8\xFF"},
        {"graph.svg", "graph.svg", "<?xml"},
        {"Graph.PDF", "Graph.PDF", "%PDF"},
        {"old.bmp.svg", "old.bmp.svg", "BM"},
    };
    for (const auto& c : cases) {
        answerDialogs(path(c.typed));
        form.findChild<QAction*>(QStringLiteral("Saveas1"))->trigger();
        EXPECT_EQ(fileStart(path(c.written), c.magic.size()), c.magic) << c.typed;
        EXPECT_EQ(form.state().imageFileName, upperAscii(path(c.written).toStdString())) << c.typed;
    }
}

// An SVG or PDF file holds the plot as shapes; the editor's drawings since
// the plot come over it as pixels, and a picture with no plot behind it is
// held as pixels alone. Both are told. With the SVG type chosen, a bare name
// becomes an SVG file.
TEST_F(TForm2Files, VectorFilesHoldThePlotAndSayWhatIsPixels)
{
    store.pointCount[1] = 3;
    for (int i = 1; i <= 3; ++i) {
        store.x(1, i) = i;
        store.y(1, i) = 2 * i;
    }
    form.BnPlotstartClick();
    // Saved with the SVG type chosen; the file's text.
    auto saveAs = [&](const char* typed, const char* written) {
        form.setFileChooser([&](QFileDialog& dialog) {
            dialog.selectNameFilter(dialog.nameFilters().value(2));
            return path(typed);
        });
        form.Saveas1Click();
        QFile file(path(written));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << written;
        return QString::fromUtf8(file.readAll());
    };
    const QString plot = saveAs("plot", "plot.svg");
    EXPECT_TRUE(notices.empty());

    form.BnLinieClick();
    form.FormMouseDown(100, 100);
    form.FormMouseUp(200, 150);
    const QString drawn = saveAs("drawn.svg", "drawn.svg");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find("drawn.svg"), std::string::npos) << notices[0];
    EXPECT_NE(notices[0].find("over the plot"), std::string::npos) << notices[0];

    form.BnclearClick();
    const QString cleared = saveAs("cleared.svg", "cleared.svg");
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_NE(notices[1].find("480 x 480"), std::string::npos) << notices[1];

    const QRegularExpression image(QStringLiteral("<image "));
    const QRegularExpression text(QStringLiteral("<text "));
    EXPECT_TRUE(plot.contains(text) && !plot.contains(image));
    EXPECT_TRUE(drawn.contains(text) && drawn.contains(image));
    EXPECT_TRUE(!cleared.contains(text) && cleared.contains(image));
}

TEST_F(TForm2Files, PrintsTheImageOrNothingWhenCancelled)
{
    auto* wait = form.findChild<QLabel*>(QStringLiteral("Pnwait"));
    ASSERT_TRUE(wait);
    for (const bool confirm : {false, true}) {
        const QString pdf = path(confirm ? "printed.pdf" : "cancelled.pdf");
        form.setPrintChooser([&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return confirm;
        });
        form.Printbitbybit1Click();
        EXPECT_FALSE(wait->isVisible());
        EXPECT_EQ(QFile::exists(pdf), confirm);
    }
    QFile file(path("printed.pdf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_TRUE(pdf.contains("/Width 1440")) << "480 pixels as 1440 device pixels";
}

TEST_F(TForm2Files, PrintingWithoutAPrinterSaysSo)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a default printer is set up here";
    std::string message;
    setFailureSink([&](const std::string& text) { message = text; });
    form.findChild<QAction*>(QStringLiteral("Printbitbybit1"))->trigger();
    setFailureSink(nullptr);
    EXPECT_EQ(message, "No default printer is set up; nothing was printed.");
}

} // namespace
