#pragma once

// A group box drawn in the classic etched look: the frame's top line runs
// through the middle of the caption, which interrupts it near the left edge.
// The frame starts only half a caption height below the box's top, so the
// controls placed a few pixels below the top (the colour panel, the first
// regression line) lie inside the frame, not across its top line.

#include <QGroupBox>

class EtchedGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit EtchedGroupBox(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
