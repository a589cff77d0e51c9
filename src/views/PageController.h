#pragma once

#include <QRect>
#include <map>
#include <memory>
#include <string_view>

#include "analysis/PeriodSummary.h"
#include "case/Period.h"
#include "case/Recording.h"
#include "case/TextSource.h"
#include "case/ThresholdSettings.h"

class QPainter;

namespace vitalis {

// The pages of the main view, by the numbers the view and the report use.
enum class PageKind { Trend = 0, Histogram = 2, Pie = 3, Correlation = 4, Clinical = 5 };

// What a page draws from.
struct PageContext {
    const Recording& recording;
    const PeriodSummary& summary;
    Period period;
    const ThresholdSettings& thresholds;
    const TextSource& texts;
    RangeBounds ranges{};                    // the pie page's bounds, for its legend
    std::string_view guideline = "esh2023";  // the clinical summary's profile
};

// Draws one page into any painter and rectangle: the screen, a printed page or a PDF.
class PagePainter {
  public:
    virtual ~PagePainter() = default;
    virtual void Paint(QPainter& painter, const QRect& area, const PageContext& context) = 0;
    // A click on the page; true when it changed the recording (the view then re-divides).
    virtual bool Click(const QPoint&, const QRect&, Recording&) { return false; }
    // The pointer moved over the page; true when the page must be painted again.
    virtual bool Hover(const QPoint&, const QRect&, const PageContext&) { return false; }
};

// Chooses the page the view shows and hands painting and clicks to its painter.
class PageController {
  public:
    void SetPainter(PageKind kind, std::unique_ptr<PagePainter> painter);
    bool HasPage(PageKind kind) const { return painters_.count(kind) != 0; }
    PageKind kind() const { return kind_; }
    void SetKind(PageKind kind) { kind_ = kind; }
    // Paints the current page; a page without painter stays empty.
    void Draw(QPainter& painter, const QRect& area, const PageContext& context) const;
    bool Click(const QPoint& point, const QRect& area, Recording& recording) const;
    bool Hover(const QPoint& point, const QRect& area, const PageContext& context) const;

  private:
    std::map<PageKind, std::unique_ptr<PagePainter>> painters_;
    PageKind kind_ = PageKind::Trend;
};

}  // namespace vitalis
