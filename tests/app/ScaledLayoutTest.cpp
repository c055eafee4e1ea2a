// The main window's fixed layout under Qt's high-DPI scaling: at the scale
// factors of common screens every caption still fits its control. The scale
// is fixed when the application starts, so the check runs in a child process
// of this test program for each factor, and leaves a screenshot of the
// window in the build folder.

#include "TForm1Fixture.h"

#include <QProcess>

namespace {

constexpr const char* kChildVariable = "KURVIX_SCALED_LAYOUT_CHILD";

QString captionOf(QWidget* w)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    return {};
}

void setCaption(QWidget* w, const QString& text)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(text);
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        g->setTitle(text);
    else if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(text);
}

// How many device pixels a control's caption puts on the screen: the
// control drawn with and without it, compared.
int captionInk(QWidget* w)
{
    const QString caption = captionOf(w);
    const QImage with = w->grab().toImage();
    setCaption(w, QString());
    const QImage without = w->grab().toImage();
    setCaption(w, caption);
    int ink = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            ink += with.pixel(x, y) != without.pixel(x, y) ? 1 : 0;
    return ink;
}

class ScaledLayoutChild : public TForm1Test {};

TEST_F(ScaledLayoutChild, EveryCaptionFits)
{
    const QByteArray scale = qgetenv(kChildVariable);
    if (scale.isEmpty())
        GTEST_SKIP() << "run by ScaledLayout.CaptionsFitAtCommonScales with a scale factor";
    showActive();
    const QImage shot = form->grab().toImage();
    shot.save(QStringLiteral(KURVIX_TEST_OUTPUT "/main-window-scale-") + QString::fromLatin1(scale) + ".png");
    int checked = 0;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (captionOf(w).trimmed().isEmpty() || !w->isVisibleTo(form.get()) || w->size().isEmpty())
            continue;
        // A cut caption shows more of itself in a larger control. The
        // control grows by 8 units each way, so whatever is centred moves by
        // whole device pixels at these scales and draws the same pixels.
        const int ink = captionInk(w);
        const QSize size = w->size();
        w->resize(size + QSize(8, 8));
        const int roomy = captionInk(w);
        w->resize(size);
        const std::string what = w->objectName().toStdString() + " \"" + captionOf(w).toStdString() + "\" at scale "
            + scale.toStdString();
        EXPECT_GT(ink, 0) << what;
        EXPECT_EQ(ink, roomy) << what;
        ++checked;
    }
    EXPECT_GE(checked, 30);
    // The check sees a caption cut on purpose.
    auto* equation = form->findChild<QLabel*>(QStringLiteral("LbGleichung"));
    ASSERT_TRUE(equation);
    equation->resize(equation->width() / 2, equation->height());
    const int cut = captionInk(equation);
    equation->resize(equation->size() + QSize(equation->width() + 8, 8));
    EXPECT_LT(cut, captionInk(equation));
}

TEST(ScaledLayout, CaptionsFitAtCommonScales)
{
    for (const char* scale : {"1.25", "1.5", "2"}) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(scale));
        env.insert(QString::fromLatin1(kChildVariable), QString::fromLatin1(scale));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=ScaledLayoutChild.EveryCaptionFits")});
        ASSERT_TRUE(child.waitForFinished(60000)) << scale;
        const QString out = QString::fromLocal8Bit(child.readAllStandardOutput());
        EXPECT_EQ(child.exitCode(), 0) << "scale " << scale << "\n" << out.toStdString();
        EXPECT_TRUE(out.contains(QStringLiteral("[  PASSED  ] 1 test"))) << out.toStdString();
    }
}

} // namespace
