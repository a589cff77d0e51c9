#pragma once

#include <QString>
#include <functional>
#include <string>

#include "views/PageController.h"

namespace vitalis {

// Where a page tells of a failure while painting; the view shows it once painting is over.
using PaintFailureReport = std::function<void(const QString& text)>;

// A page painter that never lets a failure out of painting: it reports the system-error text
// followed by where it happened, once per run of failed paints, and leaves the page as far
// as it got.
class ChartPainter : public PagePainter {
  public:
    ChartPainter(std::string location, PaintFailureReport report);

    void Paint(QPainter& painter, const QRect& area, const PageContext& context) final;

  protected:
    virtual void Draw(QPainter& painter, const QRect& area, const PageContext& context) = 0;

  private:
    void Report(const PageContext& context);

    std::string location_;
    PaintFailureReport report_;
    bool failing_ = false;
};

}  // namespace vitalis
