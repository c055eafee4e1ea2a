#include "print/PrinterStream.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Every character 10 pixels wide, the font 20 high.
class RecordingSurface : public PageSurface {
public:
    struct Text {
        int page, x, y;
        QString text;
        bool operator==(const Text&) const = default;
    };
    explicit RecordingSurface(QSize size) : size_(size) {}
    QSize pageSize() const override { return size_; }
    int textWidth(const QString& text) const override { return 10 * static_cast<int>(text.size()); }
    int fontHeight() const override { return 20; }
    void drawText(int x, int y, const QString& text) override { texts.push_back({page, x, y, text}); }
    void newPage() override { ++page; }

    std::vector<Text> texts;
    int page = 1;

private:
    QSize size_;
};

void PrintTo(const RecordingSurface::Text& t, std::ostream* os)
{
    *os << "page " << t.page << " (" << t.x << ", " << t.y << ") \"" << t.text.toStdString() << '"';
}

TEST(PrinterStream, LinesPagesAndWrapping)
{
    using T = RecordingSurface::Text;
    const struct {
        const char* name;
        QSize page;
        QString text;
        std::vector<T> expected;
        int pages;
    } cases[] = {
        {"text lines are 2 higher than empty ones", {1000, 1000}, QStringLiteral("a\n\nb"),
         {{1, 0, 0, "a"}, {1, 0, 42, "b"}}, 1},
        {"pieces of a line follow each other", {1000, 1000}, QStringLiteral("ab"), {{1, 0, 0, "ab"}}, 1},
        {"a form feed starts at the top of a new page", {1000, 1000}, QStringLiteral("a\f\nb\f"),
         {{1, 0, 0, "a"}, {2, 0, 20, "b"}}, 3},
        {"too long a line goes on below", {45, 1000}, QStringLiteral("abcdefghij"),
         {{1, 0, 0, "abcd"}, {1, 0, 22, "efgh"}, {1, 0, 44, "ij"}}, 1},
        {"a page narrower than a character takes one a line", {5, 1000}, QStringLiteral("ab"),
         {{1, 0, 0, "a"}, {1, 0, 22, "b"}}, 1},
        // Page 150 high, lines 22: a line at 88 would end at 110 > 150 - 44.
        {"a full page goes on by itself", {1000, 150}, QStringLiteral("1\n2\n3\n4\n5\n6\n7"),
         {{1, 0, 0, "1"}, {1, 0, 22, "2"}, {1, 0, 44, "3"}, {1, 0, 66, "4"}, {2, 0, 0, "5"},
          {2, 0, 22, "6"}, {2, 0, 44, "7"}}, 2},
    };
    for (const auto& c : cases) {
        RecordingSurface surface(c.page);
        PrinterStream stream(surface);
        stream.write(c.text);
        EXPECT_EQ(surface.texts, c.expected) << c.name;
        EXPECT_EQ(surface.page, c.pages) << c.name;
    }
}

} // namespace
