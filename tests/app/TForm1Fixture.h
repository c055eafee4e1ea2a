#pragma once

// A main window on a fresh store, shown and active on the offscreen platform,
// with failures captured instead of shown in message boxes.

#include "app/ErrorReport.h"
#include "app/GridModel.h"
#include "app/TForm1.h"
#include "data/DataStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class TForm1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        setFailureSink([this](const std::string& message) { failures.push_back(message); });
        form = std::make_unique<TForm1>(store, nullptr, nullptr);
    }

    void TearDown() override
    {
        store.unsavedChanges = false; // no close query on the way out
        boxWatcher.reset();
        form.reset();
        setFailureSink(nullptr);
    }

    void showActive()
    {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    // Focus into the grid at (grid row, column), then type: '\n' is Enter,
    // every other character is its own key. Keys after the first go to the
    // focus widget, which is the cell editor once one is open.
    void typeIntoGrid(const std::string& keys, int row = 1, int column = 1)
    {
        QTableView* grid = form->grid();
        grid->setFocus();
        grid->setCurrentIndex(form->gridModel().index(row - 1, column));
        for (char key : keys) {
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : grid;
            if (key == '\n')
                QTest::keyClick(target, Qt::Key_Return);
            else
                QTest::keyClick(target, key);
            QApplication::processEvents();
        }
    }

    // Answers the next message box with `answer`, remembering its text. The
    // watcher belongs to the test, so it never answers another test's box.
    void answerNextMessageBox(QMessageBox::StandardButton answer)
    {
        boxWatcher = std::make_unique<QTimer>();
        boxWatcher->setInterval(5);
        QObject::connect(boxWatcher.get(), &QTimer::timeout, [this, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            boxWatcher->stop();
            messageBoxShown = true;
            messageBoxText = box->text();
            box->button(answer)->click();
        });
        boxWatcher->start();
    }

    template <typename W>
    W* child(const char* name)
    {
        W* w = form->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    QString text(const char* name)
    {
        if (auto* edit = form->findChild<QLineEdit*>(QString::fromLatin1(name)))
            return edit->text();
        if (auto* label = form->findChild<QLabel*>(QString::fromLatin1(name)))
            return label->text();
        ADD_FAILURE() << "no text control " << name;
        return {};
    }

    void click(const char* name) { child<QAbstractButton>(name)->click(); }

    std::string cell(int column, int row) { return form->gridModel().cellText(column, row); }

    DataStore store;
    std::unique_ptr<TForm1> form;
    std::vector<std::string> failures;
    QString messageBoxText;
    bool messageBoxShown = false;

    std::unique_ptr<QTimer> boxWatcher;
};
