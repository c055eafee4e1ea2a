// Long random use of the real main and graphic windows: thousands of random
// but legal user actions, with the store's and the windows' invariants
// checked after every one. The run is seeded; a failure prints the seed, the
// action and those before it, so it can be replayed:
//   KURVIX_RANDOM_SEED=s KURVIX_RANDOM_ACTIONS=n test_app --gtest_filter='RandomUse.*'
//
// Every K actions (K from 1 to 200, drawn anew each time) the steps taken
// in them are undone through Edit / "&Undo", which must give back the state
// of K actions before exactly, and redone through "&Redo" back to the state
// before the undoing.
//
// A new command joins the run as one row of the action table (and, where it
// keeps something to compare, one more check).

#include "support/StoreChecks.h"

#include "app/ErrorReport.h"
#include "app/GridModel.h"
#include "app/TForm1.h"
#include "app/TForm2.h"
#include "commands/TextCommands.h"
#include "commands/UndoHistory.h"
#include "data/DataStore.h"
#include "data/Messages.h"
#include "editor/GraphicEditor.h"
#include "editor/ImageFile.h"
#include "plot/PlotCanvas.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <sstream>

namespace {

// Message boxes of the program (a refused logarithm, a set number out of
// range) are answered at once, as a user would, and their texts kept.
class MessageBoxAnswerer : public QObject {
public:
    std::vector<std::string> texts;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                texts.push_back(box->text().toStdString());
                QMetaObject::invokeMethod(box, [box] { box->done(QMessageBox::No); }, Qt::QueuedConnection);
            }
        return false;
    }
};

// Whether a text is one of the program's messages with its blanks filled.
bool isProgramMessage(const std::string& text)
{
    static const std::vector<QRegularExpression> patterns = [] {
        std::vector<QRegularExpression> out;
        for (std::string_view pattern : Messages::all) {
            const QString text = QString::fromUtf8(pattern.data(), static_cast<qsizetype>(pattern.size()));
            QStringList parts;
            for (const QString& part : text.split(QRegularExpression(QStringLiteral("%\\d"))))
                parts << QRegularExpression::escape(part);
            out.emplace_back(QStringLiteral("^") + parts.join(QStringLiteral(".*")) + QStringLiteral("$"),
                             QRegularExpression::DotMatchesEverythingOption);
        }
        // The numeric-input message with its file and line.
        out.emplace_back(QStringLiteral("^Ungültige numerische Eingabe\nDatei: .*\nZeile: \\d+$"));
        out.emplace_back(QStringLiteral("^Bitmap ist ungültig\n.*$"), QRegularExpression::DotMatchesEverythingOption);
        out.emplace_back(QStringLiteral("^JPEG-Fehler #\\d+\n.*$"), QRegularExpression::DotMatchesEverythingOption);
        return out;
    }();
    const QString q = QString::fromStdString(text);
    for (const QRegularExpression& re : patterns)
        if (re.match(q).hasMatch())
            return true;
    return false;
}

long environmentNumber(const char* name, long fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? std::strtol(text, nullptr, 10) : fallback;
}

class RandomUse {
public:
    explicit RandomUse(unsigned seed) : random_(seed)
    {
        // The offscreen platform says so at every raise and resize of a window.
        previousHandler_ = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (!text.startsWith(QStringLiteral("This plugin does not support")))
                previousHandler_(type, context, text);
        });
        setFailureSink([this](const std::string& message) { failures_.push_back(message); });
        qApp->installEventFilter(&boxes_);
        main_.setGraphicWindow(&graphic_);
        graphic_.addReplotSource(&main_);
        const auto choose = [this](QFileDialog& dialog) { return chooseFile(dialog); };
        main_.setFileChooser(choose);
        graphic_.setFileChooser(choose);
        graphic_.fontPicker = [this](const QFont& initial) -> std::optional<QFont> {
            if (coin())
                return std::nullopt;
            QFont font = initial;
            font.setFamily(QStringLiteral("Arial"));
            font.setPixelSize(6 + below(30));
            font.setBold(coin());
            return font;
        };
        graphic_.colourPicker = [this](const QColor&) -> std::optional<QColor> {
            return QColor::fromRgb(static_cast<QRgb>(random_()) | 0xFF000000u);
        };
        for (const char* name : {"THREE.KWT", "THREE_LF.KWT", "SAMPLE.VXN", "messung.csv", "expected/SMALL.KWT",
                                 "expected/SMALL.ASC", "malformed/comma_number.kwt", "malformed/count_10001.kwt",
                                 "malformed/truncated_points.kwt", "malformed/garbage.txt", "malformed/huge_count.kwt"})
            dataFiles_.push_back(copied(QStringLiteral(KURVIX_TEST_FILES "/") + QString::fromLatin1(name)));
        for (const char* name : {"solarzelle.kwt", "wetterstation.csv", "pendel.vxn"})
            dataFiles_.push_back(copied(QStringLiteral(KURVIX_EXAMPLES "/") + QString::fromLatin1(name)));
        for (const char* name : {"garbage.bmp", "truncated.jpg", "huge.bmp", "text.jpg"})
            imageFiles_.push_back(copied(QStringLiteral(KURVIX_TEST_FILES "/images/") + QString::fromLatin1(name)));
        followed_ = folder_.filePath(QStringLiteral("folge.csv"));
        std::ofstream(followed_.toStdString(), std::ios::binary) << "Zeit;Wert\r\n0;1\r\n";
        addActions();
        main_.show();
        main_.activateWindow();
        (void)QTest::qWaitForWindowActive(&main_);
        startWindow();
    }

    ~RandomUse()
    {
        dropWindowHistory();
        store_.unsavedChanges = false; // no close query on the way out
        qApp->removeEventFilter(&boxes_);
        setFailureSink(nullptr);
        qInstallMessageHandler(previousHandler_);
    }

    // Runs `count` actions; returns an empty text or what went wrong, with
    // the actions that led there.
    std::string run(long count, unsigned seed)
    {
        int total = 0;
        for (const Action& a : actions_)
            total += a.weight;
        for (long step = 0; step < count; ++step) {
            int pick = below(total);
            const Action* action = &actions_.front();
            for (const Action& a : actions_) {
                if (pick < a.weight) {
                    action = &a;
                    break;
                }
                pick -= a.weight;
            }
            lastChoice_ = QStringLiteral("-");
            noRefresh_ = false;
            // Choosing a set is no step, but its display writes the rounded
            // axis ends back: a window ends before it and begins after it.
            const bool choosesSet = std::string_view(action->name) == "step";
            if (choosesSet && sinceCheckpoint_ > 0)
                if (std::string problem = undoWindow(); !problem.empty())
                    return "seed " + std::to_string(seed) + ", before action " + std::to_string(step) + ": " + problem;
            const std::string nameBefore = store_.currentFileName;
            const size_t stepsBefore = history_->undoSteps();
            const std::string done = action->name + std::string(" ") + action->perform();
            // A save, or a read that left the data as they were, names the
            // file without a step.
            if (store_.currentFileName != nameBefore && history_->undoSteps() == stepsBefore)
                namedWithoutStep_ = true;
            if (choosesSet)
                startWindow();
            recent_.push_back(done);
            if (recent_.size() > 12)
                recent_.pop_front();
            QApplication::processEvents();
            std::string problem = check(*action);
            ++sinceCheckpoint_;
            if (problem.empty() && windowEnds())
                problem = undoWindow();
            if (!problem.empty()) {
                std::ostringstream report;
                report << "seed " << seed << ", action " << step << " (" << done << "): " << problem
                       << "\nthe last actions, oldest first:\n";
                for (const std::string& line : recent_)
                    report << "  " << line << '\n';
                return report.str();
            }
            ++counts_[action->name];
            // A long run says how far it got, so a stopped one still tells.
            if (count > 100000 && (step + 1) % 10000 == 0) {
                std::printf("%ld actions, %ld undo windows\n", step + 1, windowsChecked_);
                std::fflush(stdout);
            }
        }
        return {};
    }

    const std::map<std::string, long>& counts() const { return counts_; }
    long windowsChecked() const { return windowsChecked_; }
    long stepsUndone() const { return stepsUndone_; }

private:
    enum class Refresh { No, Yes }; // whether the action ends with a set display

    struct Action {
        const char* name;
        int weight;
        Refresh refresh;
        std::function<std::string()> perform; // returns what it did with which arguments
    };

    int below(int n) { return static_cast<int>(std::uniform_int_distribution<unsigned>(0, static_cast<unsigned>(n) - 1)(random_)); }
    bool coin() { return below(2) == 0; }
    template <typename T> const T& pickOf(const std::vector<T>& from) { return from[static_cast<size_t>(below(static_cast<int>(from.size())))]; }

    template <typename W> W* mainChild(const char* name) { return main_.findChild<W*>(QString::fromLatin1(name)); }
    template <typename W> W* graphicChild(const char* name) { return graphic_.findChild<W*>(QString::fromLatin1(name)); }
    void clickMain(const char* name) { mainChild<QAbstractButton>(name)->click(); }
    void clickGraphic(const char* name) { graphicChild<QAbstractButton>(name)->click(); }

    // A number as a user might type it: whole, decimal with point or comma,
    // with an exponent, negative, huge or tiny.
    std::string numberText()
    {
        switch (below(8)) {
        case 0: return std::to_string(below(20) - 5);
        case 1: return std::to_string(below(2000) - 1000) + "." + std::to_string(below(1000));
        case 2: return std::to_string(below(100)) + "," + std::to_string(below(10));
        case 3: return std::to_string(below(9) + 1) + "e" + std::to_string(below(600) - 300);
        case 4: return "-" + std::to_string(below(1000000));
        case 5: return "." + std::to_string(below(100));
        case 6: return std::to_string(below(10)) + "e30" + std::to_string(below(10));
        default: return std::to_string(below(50));
        }
    }

    std::string setText() { return below(12) == 0 ? numberText() : std::to_string(below(11)); }

    std::string formulaText()
    {
        static const std::vector<std::string> ops = {"+", "-", "*", "/", "L", "^", "R"};
        std::string f = coin() ? "X" : "Y";
        if (below(10) == 0)
            f = coin() ? "XY" : "";
        f += pickOf(ops);
        if (f.back() != 'L' && f.back() != '^' && f.back() != 'R')
            f += numberText();
        return coin() ? f : std::string(1, static_cast<char>(std::tolower(f[0]))) + f.substr(1);
    }

    // The fixtures are opened from copies: a failed image open keeps the
    // file's name, and the next Save writes the canvas there.
    QString copied(const QString& fixture)
    {
        const QString copy = folder_.filePath(QStringLiteral("in_") + QFileInfo(fixture).fileName());
        QFile::copy(fixture, copy);
        return copy;
    }

    QString chooseFile(QFileDialog& dialog)
    {
        lastChoice_ = chooseFileName(dialog);
        return lastChoice_;
    }

    QString chooseFileName(QFileDialog& dialog)
    {
        if (below(10) == 0)
            return {}; // cancelled
        const bool image = dialog.nameFilters().join(QString()).contains(QStringLiteral("JPEG"));
        if (dialog.acceptMode() == QFileDialog::AcceptOpen)
            return !image && below(3) == 0 ? followed_ : pickOf(image ? imageFiles_ : dataFiles_);
        static const std::vector<QString> dataNames = {QStringLiteral("daten.kwt"), QStringLiteral("DATEN2.KWT"),
                                                       QStringLiteral("punkte.asc"), QStringLiteral("ohne")};
        static const std::vector<QString> imageNames = {QStringLiteral("bild.bmp"), QStringLiteral("bild.jpg"),
                                                        QStringLiteral("BILD2.BMP")};
        const QString path = folder_.filePath(pickOf(image ? imageNames : dataNames));
        savedPaths_.push_back(path);
        return path;
    }

    // Fills the input box of an operation and confirms it.
    std::string operationBox(const char* button, const std::string& text)
    {
        clickMain(button);
        mainChild<QLineEdit>("EdGBDATOK")->setText(QString::fromStdString(text));
        clickMain("Bndatokok");
        return "'" + text + "'";
    }

    std::string typeIntoGrid()
    {
        QTableView* grid = main_.grid();
        const int rows = store_.curCount() + 1;
        const int row = 1 + below(std::min(rows, 40));
        const int column = 1 + below(2);
        grid->setFocus();
        grid->setCurrentIndex(main_.gridModel().index(row - 1, column));
        std::string keys = below(8) == 0 ? std::string(1, "x ;+"[below(4)]) : numberText();
        if (coin())
            keys += '\n';
        for (char key : keys) {
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : grid;
            if (key == '\n')
                QTest::keyClick(target, Qt::Key_Return);
            else
                QTest::keyClick(target, key);
        }
        return std::to_string(row) + "," + std::to_string(column) + " '" + keys + "'";
    }

    QPoint imagePoint()
    {
        const QImage& image = graphic_.plotCanvas().canvas().image();
        return {below(image.width() + 40) - 20, below(image.height() + 40) - 20};
    }

    std::string drag()
    {
        auto* image = graphicChild<QWidget>("Image");
        const QPoint from = imagePoint();
        const QPoint to = imagePoint();
        const Qt::MouseButton button = below(4) == 0 ? Qt::RightButton : Qt::LeftButton;
        QTest::mousePress(image, button, {}, from);
        for (int k = below(4); k > 0; --k)
            QTest::mouseMove(image, imagePoint());
        QTest::mouseMove(image, to);
        QTest::mouseRelease(image, button, {}, to);
        std::ostringstream out;
        out << from.x() << "," << from.y() << " to " << to.x() << "," << to.y();
        return out.str();
    }

    // A button of the graphic window's boxes that is shown now, clicked.
    std::string clickShown(std::initializer_list<const char*> names)
    {
        std::vector<const char*> shown;
        for (const char* name : names)
            if (graphicChild<QWidget>(name)->isVisible())
                shown.push_back(name);
        if (shown.empty())
            return "(none shown)";
        const char* name = pickOf(shown);
        clickGraphic(name);
        return name;
    }

    // Lines a writer appends to the followed file: pairs, X alone, text,
    // sometimes a line cut short that a later append completes.
    std::string appendLines()
    {
        std::string out;
        for (int k = 1 + below(6); k > 0; --k) {
            switch (below(6)) {
            case 0: out += "Messung " + std::to_string(below(100)); break;
            case 1: out += numberText(); break;
            case 2: out += numberText() + "\t" + numberText(); break;
            default: out += numberText() + ";" + numberText(); break;
            }
            out += below(4) == 0 ? "\n" : "\r\n";
        }
        if (below(4) == 0)
            out += numberText(); // no line end yet
        return out;
    }

    // Text on the clipboard as a user might paste it: the current set as
    // text, spreadsheet columns, or something that is no data at all.
    std::string clipboardText()
    {
        switch (below(4)) {
        case 0: main_.Copysetastext1Click(); return "the set";
        case 1: QApplication::clipboard()->setText(QStringLiteral("Notiz ohne Zahlen")); return "no data";
        default: {
            std::string text = coin() ? "X\tY\r\n" : "";
            for (int k = below(30); k >= 0; --k)
                text += numberText() + "\t" + numberText() + "\r\n";
            QApplication::clipboard()->setText(QString::fromStdString(text));
            return std::to_string(text.size()) + " bytes";
        }
        }
    }

    // No cell editor open: a closing editor would type one more step.
    void settle()
    {
        main_.setFocus();
        QApplication::processEvents();
    }

    // Each window gets a history of its own, attached as the window attaches
    // its own, so that every step it holds was taken in the window and the
    // oldest is never dropped: the count of steps to undo is exact.
    void dropWindowHistory()
    {
        Workspace& ws = main_.workspace();
        std::erase(ws.observers, history_.get());
        ws.history = &main_.history();
        history_.reset();
    }

    void startWindow()
    {
        settle();
        if (history_)
            dropWindowHistory();
        history_ = std::make_unique<UndoHistory>();
        commands::attachHistory(main_.workspace(), *history_);
        checkpoint_ = store_;
        window_ = 1 + below(200);
        sinceCheckpoint_ = 0;
        namedWithoutStep_ = false;
    }

    // The window ends after its actions, or earlier when its history is
    // close to full.
    bool windowEnds() const
    {
        return sinceCheckpoint_ >= window_ || history_->undoSteps() + 10 >= UndoHistory::kDefaultDepth;
    }

    // Undoes every step taken since the checkpoint through Edit / "&Undo"
    // and compares with the checkpoint, then redoes them through "&Redo" and
    // compares with the state before the undoing.
    std::string undoWindow()
    {
        settle();
        const DataStore end = store_;
        const size_t steps = history_->undoSteps();
        for (size_t k = 0; k < steps; ++k)
            main_.Undo1Click();
        // A step keeps the file name of its time, which an action that took
        // no step may have changed since the checkpoint.
        if (namedWithoutStep_)
            checkpoint_.currentFileName = store_.currentFileName;
        std::string problem = storecheck::stepDifference(store_, checkpoint_);
        if (!problem.empty())
            return "undoing " + std::to_string(steps) + " steps of " + std::to_string(sinceCheckpoint_)
                + " actions: " + problem;
        for (size_t k = 0; k < steps; ++k)
            main_.Redo1Click();
        problem = storecheck::stepDifference(store_, end);
        if (!problem.empty())
            return "redoing " + std::to_string(steps) + " steps: " + problem;
        ++windowsChecked_;
        stepsUndone_ += static_cast<long>(steps);
        startWindow();
        return {};
    }

    void addActions()
    {
        auto add = [this](const char* name, int weight, Refresh refresh, std::function<std::string()> perform) {
            actions_.push_back({name, weight, refresh, std::move(perform)});
        };
        // The main window.
        add("type", 30, Refresh::No, [this] { return typeIntoGrid(); });
        add("step", 10, Refresh::Yes, [this] {
            const char* button = coin() ? "BnSatzplus" : "Button1";
            clickMain(button);
            return std::string(button);
        });
        add("field", 6, Refresh::No, [this] {
            static const std::vector<const char*> fields = {"EdXvon", "Edxbis", "EdYvon", "EdYBis", "EdXachse",
                                                            "EdYAchse", "EdTitel", "EdBemerkung"};
            const char* name = pickOf(fields);
            const std::string text = below(3) == 0 ? std::string(static_cast<size_t>(below(100)), 'W') : numberText();
            mainChild<QLineEdit>(name)->setText(QString::fromStdString(text));
            return std::string(name) + " '" + text + "'";
        });
        add("switch", 5, Refresh::No, [this] {
            static const std::vector<const char*> boxes = {"CBSymbolzeichnen", "CBVerbinden", "CBKurve", "CBGerade",
                                                           "CBDatumzeit", "CBfilename", "BnSyminus", "BnSyplus"};
            const char* name = pickOf(boxes);
            clickMain(name);
            return std::string(name);
        });
        add("colour", 1, Refresh::No, [this] { main_.PnColorClick(); return std::string(); });
        add("grid menu", 1, Refresh::No, [this] { main_.Grid1Click(); return std::string(); });
        add("copy", 3, Refresh::No, [this] { return operationBox("BnCopy", setText()); });
        add("insert", 3, Refresh::Yes, [this] { return operationBox("BnEinf", setText()); });
        add("exchange", 3, Refresh::Yes, [this] { return operationBox("BnSatztausch", setText()); });
        add("add curve", 3, Refresh::Yes, [this] { return operationBox("BnAddY", setText()); });
        add("calculate", 8, Refresh::No, [this] { return operationBox("Bnrech", formulaText()); });
        add("slope", 2, Refresh::No, [this] { return operationBox("BnDrift", "S" + numberText()); });
        add("filter", 3, Refresh::No, [this] { return operationBox("Bn", std::to_string(below(12))); });
        add("smooth", 2, Refresh::Yes, [this] {
            noRefresh_ = store_.curCount() < 3; // too short a set is left alone, not shown
            clickMain("Bnglaett");
            return std::string();
        });
        add("derivative", 2, Refresh::No, [this] { clickMain("BnAbl"); return std::string(); });
        add("integral", 2, Refresh::No, [this] { clickMain("BnIntegral"); return std::string(); });
        add("swap", 2, Refresh::Yes, [this] { clickMain("BnTAUSCH"); return std::string(); });
        add("remove", 3, Refresh::Yes, [this] {
            clickMain("BnLoeschen");
            const bool range = coin();
            mainChild<QRadioButton>(range ? "RBrange" : "RBreduce")->setChecked(true);
            std::string what;
            if (range) {
                const std::string from = std::to_string(below(store_.curCount() + 3) - 1);
                const std::string to = std::to_string(below(store_.curCount() + 3) - 1);
                mainChild<QLineEdit>("EdClearvon")->setText(QString::fromStdString(from));
                mainChild<QLineEdit>("EdClearbis")->setText(QString::fromStdString(to));
                what = from + ".." + to;
            } else {
                what = "factor " + setText();
                mainChild<QLineEdit>("Edfactor")->setText(QString::fromStdString(what.substr(7)));
            }
            clickMain("Bnokclear");
            return what;
        });
        add("open", 2, Refresh::Yes, [this] {
            main_.ffnen1Click();
            return lastChoice_.toStdString();
        });
        add("open 2nd", 1, Refresh::Yes, [this] {
            main_.Open2nd1Click();
            const std::string set = setText();
            mainChild<QLineEdit>("Ed2nd")->setText(QString::fromStdString(set));
            lastChoice_.clear();
            clickMain("Bn2ndok");
            return set + " " + lastChoice_.toStdString();
        });
        add("save", 2, Refresh::No, [this] {
            main_.Speichernals1Click();
            return savedPaths_.empty() ? std::string() : savedPaths_.back().toStdString();
        });
        add("plot", 3, Refresh::No, [this] { clickMain("BnPlotstart"); return std::string(); });
        add("autoscale", 2, Refresh::No, [this] { main_.Autoscale1Click(); return std::string(); });
        add("paste", 2, Refresh::No, [this] {
            const std::string what = clipboardText();
            main_.Pastedata1Click();
            return what;
        });
        add("follow", 1, Refresh::No, [this] {
            main_.Followfile1Click();
            return lastChoice_.toStdString();
        });
        add("append", 3, Refresh::No, [this] {
            const std::string lines = below(15) == 0 ? "Zeit;Wert\n" : appendLines();
            // Now and then the writer starts the file anew.
            const auto mode = lines.front() == 'Z' ? std::ios::binary : std::ios::binary | std::ios::app;
            std::ofstream(followed_.toStdString(), mode) << lines;
            main_.followTick();
            return std::to_string(lines.size()) + " bytes";
        });
        add("stop following", 1, Refresh::No, [this] { main_.Stopfollowing1Click(); return std::string(); });
        add("symbols", 1, Refresh::No, [this] { main_.Symbole1Click(); return std::string(); });

        // The graphic window.
        add("tool", 6, Refresh::No, [this] {
            static const std::vector<const char*> tools = {"BnLinie", "BnBox", "BnBox2", "BnEllipse", "BnSpur", "BnText"};
            const char* name = pickOf(tools);
            if (std::string_view(name) == "BnText")
                graphicChild<QLineEdit>("Edit2")->setText(coin() ? QStringLiteral("Text") : QStringLiteral("äöü 42"));
            clickGraphic(name);
            return std::string(name);
        });
        add("draw", 14, Refresh::No, [this] { return drag(); });
        add("select", 3, Refresh::No, [this] { clickGraphic("Bnselect"); return std::string(); });
        add("selection box", 4, Refresh::No,
            [this] { return clickShown({"BnCopy", "BnInsert", "BnCut", "BnClearsel", "BnCancel"}); });
        add("memory", 4, Refresh::No, [this] {
            clickGraphic("BnMemo");
            return clickShown({"BnHold", "BnRestore", "BnMemocancel"});
        });
        add("line box", 2, Refresh::No, [this] {
            graphicChild<QAction>("Line")->trigger();
            for (int k = below(4); k > 0; --k)
                clickGraphic(coin() ? "BnWiplus" : "BnWiminus");
            static const std::vector<const char*> styles = {"RBsolid", "RBdot", "RBdash"};
            graphicChild<QRadioButton>(pickOf(styles))->setChecked(true);
            clickGraphic("Bnlineok");
            return graphicChild<QLineEdit>("EdDicke")->text().toStdString();
        });
        add("pen menu", 2, Refresh::No, [this] {
            static const std::vector<const char*> items = {"Font1", "VertHoriz", "color", "Fill1"};
            const char* name = pickOf(items);
            graphicChild<QAction>(name)->trigger();
            return std::string(name);
        });
        add("clipboard", 2, Refresh::No, [this] {
            static const std::vector<const char*> items = {"Cut1", "Copy1", "Paste1"};
            const char* name = pickOf(items);
            graphicChild<QAction>(name)->trigger();
            return std::string(name);
        });
        add("clear", 1, Refresh::No, [this] { clickGraphic("BnClear"); return std::string(); });
        add("image file", 1, Refresh::No, [this] {
            const char* name = below(3) == 0 ? "Open1" : (coin() ? "Saveas1" : "Save1");
            graphicChild<QAction>(name)->trigger();
            if (std::string_view(name) != "Open1" && !savedPaths_.empty() && savedPaths_.back().contains(QStringLiteral("ild")))
                imageFiles_.push_back(savedPaths_.back());
            return std::string(name);
        });
    }

    // The invariants after an action.
    std::string check(const Action& action)
    {
        std::string problem = storecheck::invariantBreaks(store_);
        // A set display ran unless the action was stopped by a failure or a
        // message, or its file dialog was cancelled.
        if (action.refresh == Refresh::Yes && failuresSeen_ == failures_.size() && boxesSeen_ == boxes_.texts.size()
            && !lastChoice_.isEmpty() && !noRefresh_)
            problem += storecheck::sortBreaks(store_, store_.currentSet);
        for (size_t i = failuresSeen_; i < failures_.size(); ++i)
            if (!isProgramMessage(failures_[i]))
                problem += "unexpected failure: " + failures_[i] + " ";
        failuresSeen_ = failures_.size();
        for (size_t i = boxesSeen_; i < boxes_.texts.size(); ++i)
            if (!isProgramMessage(boxes_.texts[i]))
                problem += "unexpected message: " + boxes_.texts[i] + " ";
        boxesSeen_ = boxes_.texts.size();
        const QImage& image = graphic_.plotCanvas().canvas().image();
        if (!imageSizeAllowed(static_cast<uint64_t>(image.width()), static_cast<uint64_t>(image.height())))
            problem += "canvas of " + std::to_string(image.width()) + "x" + std::to_string(image.height()) + " ";
        if (const auto& memory = graphic_.editor().imageMemory(); memory && memory->isNull())
            problem += "empty image memory ";
        return problem;
    }

    static inline QtMessageHandler previousHandler_ = nullptr;
    std::mt19937 random_;
    QTemporaryDir folder_;
    DataStore store_;
    TForm1 main_{store_, nullptr, nullptr};
    TForm2 graphic_{store_};
    MessageBoxAnswerer boxes_;
    std::vector<Action> actions_;
    std::vector<QString> dataFiles_;
    std::vector<QString> imageFiles_;
    std::vector<QString> savedPaths_;
    QString lastChoice_; // the file chosen in the last dialog, empty: cancelled
    bool noRefresh_ = false; // the action ends without a set display this time
    std::vector<std::string> failures_;
    size_t failuresSeen_ = 0;
    size_t boxesSeen_ = 0;
    std::deque<std::string> recent_;
    std::map<std::string, long> counts_;
    QString followed_; // the file a writer appends to
    // The undo window: the state at its start, the history's steps then, and
    // how many actions it spans.
    std::unique_ptr<UndoHistory> history_;
    DataStore checkpoint_;
    int window_ = 0;
    int sinceCheckpoint_ = 0;
    bool namedWithoutStep_ = false;
    long windowsChecked_ = 0;
    long stepsUndone_ = 0;
};

// In `make test` a run of a few thousand actions; `make soak` sets the count.
TEST(RandomUse, WindowsStaySaneUnderRandomActions)
{
    const auto seed = static_cast<unsigned>(environmentNumber("KURVIX_RANDOM_SEED", 20250612));
    const long count = environmentNumber("KURVIX_RANDOM_ACTIONS", 8000);
    const auto start = std::chrono::steady_clock::now();
    RandomUse use(seed);
    const std::string problem = use.run(count, seed);
    EXPECT_EQ(problem, "");
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::ostringstream summary;
    for (const auto& [name, n] : use.counts())
        summary << name << " " << n << ", ";
    std::printf("seed %u: %ld actions in %.1f s, %ld undo windows, %ld steps undone and redone: %s\n", seed, count,
                seconds, use.windowsChecked(), use.stepsUndone(), summary.str().c_str());
}

} // namespace
