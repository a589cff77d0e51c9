#include "views/TrendInteraction.h"

#include <QContextMenuEvent>
#include <QGestureEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPinchGesture>
#include <QWheelEvent>
#include <QWidget>
#include <cmath>
#include <utility>

#include "views/ChartStyle.h"
#include "views/TrendDiaryMarkers.h"

namespace vitalis {
namespace {

constexpr double kZoomStep = 0.5;  // Ctrl + halves the time shown, Ctrl - doubles it
constexpr double kWheelStep = 0.8;

// A sleep-period entry: the half hour nearest to a minute of the day.
int EntryOf(int64_t minute) {
    return static_cast<int>(((minute % 1440 + 1440) % 1440 + 15) / 30 % 48);
}

}  // namespace

TrendInteraction::TrendInteraction(QWidget& view, CaseDocument& doc, TrendGraphPainter& trend,
                                   Parts parts)
    : QObject(&view), view_(view), doc_(doc), trend_(trend), parts_(std::move(parts)) {
    view_.setMouseTracking(true);  // the box follows the pointer
    // Touch screens deliver a pinch as a gesture; touch pads send the native zoom gesture.
    view_.grabGesture(Qt::PinchGesture);
    view_.installEventFilter(this);
}

bool TrendInteraction::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &view_) return false;
    const bool active = parts_.active();
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            return active && Press(*static_cast<QMouseEvent*>(event));
        case QEvent::MouseMove:
            // A drag goes on to its release, wherever the pointer goes.
            return (drag_ != Drag::None || active) && Move(*static_cast<QMouseEvent*>(event));
        case QEvent::MouseButtonRelease:
            return Release(*static_cast<QMouseEvent*>(event));
        case QEvent::KeyPress:
            return active && Key(*static_cast<QKeyEvent*>(event));
        case QEvent::Wheel:
            return active && Wheel(*static_cast<QWheelEvent*>(event));
        case QEvent::NativeGesture:
            return active && NativeGesture(*static_cast<QNativeGestureEvent*>(event));
        case QEvent::Gesture:
            return active && Gesture(*static_cast<QGestureEvent*>(event));
        case QEvent::ContextMenu:
            // No other page has a menu: the event ends here either way.
            if (active) ContextMenu(*static_cast<QContextMenuEvent*>(event));
            return true;
        case QEvent::Leave:
            if (active) Leave();
            return false;
        default:
            return false;
    }
}

bool TrendInteraction::Press(const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton) return true;
    const QPoint point = event.position().toPoint();
    // A plain click only chooses a reading; excluding one takes a deliberate act.
    using Edge = TrendGraphPainter::NightEdge;
    const Edge edge = trend_.NightEdgeAt(point);
    if (edge != Edge::None) {
        drag_ = edge == Edge::AsleepStart ? Drag::AsleepStart : Drag::AwakeStart;
    } else if (const auto reading = trend_.ReadingAt(point)) {
        selected_ = reading;
        emit readingSelected(*reading);
    } else if (trend_.layout().plot.contains(event.position())) {
        drag_ = Drag::Pan;
        dragX_ = event.position().x();
        view_.setCursor(Qt::ClosedHandCursor);
    }
    return true;
}

bool TrendInteraction::Move(const QMouseEvent& event) {
    if (!doc_.caseOpen()) return true;
    const QPointF at = event.position();
    if (drag_ == Drag::Pan) {
        const TrendLayout& layout = trend_.layout();
        const double perPixel = static_cast<double>(layout.window.Span()) / layout.plot.width();
        const auto minutes = static_cast<int64_t>(std::llround((dragX_ - at.x()) * perPixel));
        if (minutes != 0) {
            trend_.zoom().Pan(minutes);
            dragX_ = at.x();
            emit zoomChanged();
        }
    } else if (drag_ != Drag::None) {
        // The band follows the pointer in half hours, as the sleep-period dialog offers them.
        TrendGraphPainter::Night night = trend_.night();
        const int minute = EntryOf(trend_.layout().MinuteAt(at.x())) * 30;
        (drag_ == Drag::AsleepStart ? night.asleepStart : night.awakeStart) = minute;
        trend_.PreviewNight(night);
        view_.update();
    } else {
        Hover(at);
    }
    return true;
}

void TrendInteraction::Hover(const QPointF& at) {
    if (trend_.NightEdgeAt(at.toPoint()) != TrendGraphPainter::NightEdge::None)
        view_.setCursor(Qt::SplitHCursor);
    else
        view_.unsetCursor();
    const PageContext context = parts_.context();
    if (trend_.Hover(at.toPoint(), parts_.area(), context)) view_.update();
    view_.setToolTip(
        DiaryMarkerTip(at.toPoint(), trend_.layout(), doc_.recording(), context.texts));
}

void TrendInteraction::Leave() {
    // Nothing lies under a pointer that has left the view.
    if (trend_.Hover(QPoint(-1, -1), parts_.area(), parts_.context())) view_.update();
}

bool TrendInteraction::Release(const QMouseEvent& event) {
    const Drag drag = std::exchange(drag_, Drag::None);
    if (drag == Drag::None || event.button() != Qt::LeftButton) return false;
    view_.unsetCursor();
    if (drag == Drag::Pan) return true;
    const TrendGraphPainter::Night before{doc_.recording().asleepStart,
                                          doc_.recording().awakeStart};
    const TrendGraphPainter::Night after = trend_.night();
    trend_.PreviewNight(std::nullopt);
    view_.update();
    // Handed on only when it changed: each request is a step in the undo history.
    if (after != before && after.asleepStart != after.awakeStart)
        emit sleepPeriodRequested(after.awakeStart / 30, after.asleepStart / 30);
    return true;
}

bool TrendInteraction::Key(const QKeyEvent& event) {
    if (ZoomKey(event)) return true;
    if (event.key() != Qt::Key_Delete) return false;
    const std::optional<int> reading =
        trend_.hoveredPosition() ? trend_.hoveredPosition() : selected_;
    if (!reading) return false;
    emit excludeReadingRequested(*reading);
    return true;
}

bool TrendInteraction::ZoomKey(const QKeyEvent& event) {
    TrendZoom& zoom = trend_.zoom();
    const bool control = event.modifiers() & Qt::ControlModifier;
    const TimeWindow shown = zoom.Visible();
    const int64_t centre = shown.first + shown.Span() / 2;
    switch (event.key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            if (!control) return false;
            zoom.ZoomBy(kZoomStep, centre);
            break;
        case Qt::Key_Minus:
            if (!control) return false;
            zoom.ZoomBy(1.0 / kZoomStep, centre);
            break;
        case Qt::Key_0:
            if (!control) return false;
            zoom.Reset();
            break;
        case Qt::Key_Home:
            zoom.Reset();
            break;
        case Qt::Key_Left:
        case Qt::Key_Right:
            zoom.Pan((event.key() == Qt::Key_Left ? -1 : 1) *
                     std::max<int64_t>(1, shown.Span() / 10));
            break;
        case Qt::Key_PageDown:
        case Qt::Key_PageUp:
            if (zoom.DayCount() < 2) return false;
            zoom.PageDay(event.key() == Qt::Key_PageDown ? 1 : -1);
            break;
        default:
            return false;
    }
    emit zoomChanged();
    return true;
}

bool TrendInteraction::Wheel(const QWheelEvent& event) {
    if (event.angleDelta().y() == 0) return false;
    ZoomAt(event.angleDelta().y() > 0 ? kWheelStep : 1.0 / kWheelStep, event.position().x());
    return true;
}

bool TrendInteraction::NativeGesture(const QNativeGestureEvent& event) {
    if (event.gestureType() != Qt::ZoomNativeGesture || event.value() <= -1) return false;
    ZoomAt(1.0 / (1.0 + event.value()), event.position().x());
    return true;
}

bool TrendInteraction::Gesture(QGestureEvent& event) {
    auto* pinch = static_cast<QPinchGesture*>(event.gesture(Qt::PinchGesture));
    if (!pinch) return false;
    // The scale factor is the step since the last update: fingers apart show less time.
    if ((pinch->changeFlags() & QPinchGesture::ScaleFactorChanged) && pinch->scaleFactor() > 0) {
        const QPointF centre = view_.mapFromGlobal(pinch->centerPoint());  // given on the screen
        ZoomAt(1.0 / pinch->scaleFactor(), centre.x());
    }
    event.accept(pinch);
    return true;
}

bool TrendInteraction::ContextMenu(const QContextMenuEvent& event) {
    const auto reading = trend_.ReadingAt(event.pos());
    if (!reading) return false;
    const auto& all = doc_.recording().allMeasurements();
    if (static_cast<size_t>(*reading) >= all.size()) return false;
    const bool excluded = all[static_cast<size_t>(*reading)].valid != 1;
    QMenu menu(&view_);
    const QAction* toggle = menu.addAction(ToQString(parts_.context().texts.Text(
        kGlobalTexts, excluded ? "IDS_INCLUDE_READING" : "IDS_EXCLUDE_READING")));
    if (menu.exec(event.globalPos()) == toggle) emit excludeReadingRequested(*reading);
    return true;
}

void TrendInteraction::ZoomAt(double factor, double x) {
    trend_.zoom().ZoomBy(factor, trend_.layout().MinuteAt(x));
    emit zoomChanged();
}

}  // namespace vitalis
