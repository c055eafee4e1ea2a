#pragma once

// A raised panel with a centred caption that reports mouse clicks, like the
// colour panel of the main window, whose font colour shows the set's colour.

#include <QLabel>

class ClickPanel : public QLabel {
    Q_OBJECT
public:
    explicit ClickPanel(const QString& caption, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
