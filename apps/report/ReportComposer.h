#pragma once

#include <QRect>
#include <QString>
#include <vector>

#include "ChartSheets.h"
#include "ReportPage.h"
#include "case/TextSource.h"
#include "shell/ReportData.h"

class QPagedPaintDevice;
class QPainter;

namespace vitalis::report {

// Lays the report out on pages in the order of the layout's page kinds, each page under the
// report title and the patient, with its number at the foot.
class ReportComposer {
  public:
    ReportComposer(ReportData data, const TextSource& texts);
    // The chart pages refer to the data held here.
    ReportComposer(const ReportComposer&) = delete;
    ReportComposer& operator=(const ReportComposer&) = delete;

    // The pages for a printable area of the given size (the measurement list takes as many
    // pages as it needs).
    std::vector<ReportPage> Pages(const QSize& printable) const;
    // Prints every page onto the device; false when the device cannot be painted on.
    bool Render(QPagedPaintDevice& device) const;

    const ReportData& data() const { return data_; }
    // The layout's title, or the language's default title when the layout has none.
    QString Title() const;

  private:
    void DrawFrame(QPainter& painter, const QRect& page, const ReportPage& content, int number,
                   int count) const;
    void DrawHead(QPainter& painter, const QRect& page, const ReportPage& content) const;
    void DrawFoot(QPainter& painter, const QRect& page, int number, int count) const;
    static QRect Body(const QRect& page);

    ReportData data_;
    const TextSource& texts_;
    ChartSheets charts_;
};

}  // namespace vitalis::report
