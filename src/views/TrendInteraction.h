#pragma once

#include <QObject>
#include <QPointF>
#include <QRect>
#include <cstdint>
#include <functional>
#include <optional>

#include "views/CaseDocument.h"
#include "views/PageController.h"
#include "views/TrendGraphPainter.h"

class QContextMenuEvent;
class QGestureEvent;
class QKeyEvent;
class QMouseEvent;
class QNativeGestureEvent;
class QWheelEvent;
class QWidget;

namespace vitalis {

// What the pointer, the keys and touch gestures do on the trend graph of a view: hover, select,
// zoom, pan, page by day, and drag the night band's boundaries. Watches the view's events while
// the trend page shows an open case and leaves every other event to the view. It never changes
// the case itself: it asks for exclusions and sleep periods by its signals.
class TrendInteraction : public QObject {
    Q_OBJECT

  public:
    // What the interaction reads from its view, asked anew at each event.
    struct Parts {
        std::function<bool()> active;  // the trend page shows an open case
        std::function<QRect()> area;   // where the page is drawn
        std::function<PageContext()> context;
    };

    TrendInteraction(QWidget& view, CaseDocument& doc, TrendGraphPainter& trend, Parts parts);

    // The reading a click chose last, by its place in allMeasurements.
    std::optional<int> selectedReading() const { return selected_; }
    // Narrows (factor < 1) or widens the time shown, keeping the minute at `x` where it is.
    void ZoomAt(double factor, double x);

  signals:
    void excludeReadingRequested(int measurementIndex);
    void sleepPeriodRequested(int awakeEntry, int asleepEntry);
    void readingSelected(int measurementIndex);
    void zoomChanged();  // the stretch of time shown changed

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool Press(const QMouseEvent& event);
    bool Move(const QMouseEvent& event);
    bool Release(const QMouseEvent& event);
    bool Key(const QKeyEvent& event);
    bool ZoomKey(const QKeyEvent& event);
    bool Wheel(const QWheelEvent& event);
    bool NativeGesture(const QNativeGestureEvent& event);
    bool Gesture(QGestureEvent& event);
    bool ContextMenu(const QContextMenuEvent& event);
    void Hover(const QPointF& at);
    void Leave();

    // What a held left button drags.
    enum class Drag { None, Pan, AsleepStart, AwakeStart };

    QWidget& view_;
    CaseDocument& doc_;
    TrendGraphPainter& trend_;
    Parts parts_;
    std::optional<int> selected_;
    Drag drag_ = Drag::None;
    double dragX_ = 0;  // where the pointer was at the last step of a pan
};

}  // namespace vitalis
