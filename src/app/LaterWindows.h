#pragma once

// The help and graphic windows of a windowed run. The main window's first
// frame needs neither, so they are built in the first idle moment after that
// frame is on screen; any input that reaches the program before then builds
// them first, so no handler ever finds them missing.

#include <QObject>

#include <memory>

class DataStore;
class TForm1;
class TForm2;
class TFormHilfe;

class LaterWindows : public QObject {
public:
    LaterWindows(TForm1& mainWindow, DataStore& store);
    ~LaterWindows() override;

    // Builds both windows and hands them to the main window; later calls do nothing.
    void build();
    bool built() const { return graphic_ != nullptr; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    TForm1& mainWindow_;
    DataStore& store_;
    std::unique_ptr<TFormHilfe> help_;
    std::unique_ptr<TForm2> graphic_;
    bool buildPosted_ = false;
};
