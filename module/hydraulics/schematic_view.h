#pragma once

#include "hydraulics/schematic_buffer.h"

#include <QTimer>
#include <QWidget>

class CHydraulicsModel;

// The drawing surface of the hydraulic circuit dialog: paints the schematic of the model
// through an off-screen buffer and turns presses on the up and down arrows of the valve-
// position control into steps of the valve position, repeated while the button is held; the
// up and down keys step it as well.
class CSchematicView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRepeatTimerId = 1135;
    static constexpr int kRepeatIntervalMs = 50;

    CSchematicView(CHydraulicsModel& model, QWidget* parent = nullptr);

    // The schematic of the last paint; its rectangles are what presses are tested against.
    const Hydraulics::tSchematic& LastSchematic() const { return m_buffer.Last(); }

    // Steps the valve position when the point lies in the up or the down rectangle and
    // redraws what the step changed; answers whether the point hit a rectangle.
    bool ClickAt(QPointF point);
    // One tick of the repeat timer: the same test at the last mouse position seen.
    void OnRepeatTimer();
    QTimer& RepeatTimer() { return m_repeatTimer; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void UpdateCursor(QPointF point);
    // Brings the buffer up to the model; answers the area that changed.
    QRegion Refresh();

    CHydraulicsModel& m_model;
    Hydraulics::CSchematicBuffer m_buffer;
    QTimer m_repeatTimer;
    QPointF m_lastMouse;
};
