#include "views/ClinicalSummaryPainter.h"

#include <QFontMetricsF>
#include <QPainter>

#include "analysis/TimeAxis.h"
#include "analysis/clinical/ClinicalTexts.h"
#include "views/ChartStyle.h"

namespace vitalis {
namespace {

using namespace clinical;

const QColor kElevatedRed{190, 30, 30};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Text(const TextSource& texts, std::string_view key) {
    return texts.Text(kClinicalSection, key);
}

// Writes lines downwards from `top`; returns where the next line goes.
struct LineWriter {
    QPainter& painter;
    QRectF column;
    double top;

    void Line(const QString& text, double height, bool bold, const QColor& colour = Qt::black) {
        // A line too long for the column is set smaller rather than cut off.
        QFont font = ChartFont(height * 0.7, bold);
        const double width = QFontMetricsF(font).horizontalAdvance(text);
        if (width > column.width() && width > 0)
            font = ChartFont(height * 0.7 * 0.95 * column.width() / width, bold);
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(QRectF(column.left(), top, column.width(), height),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
        top += height;
    }
};

void WriteVerdict(LineWriter& out, const ClinicalBlock& block, const TextSource& texts, double t) {
    const std::vector<std::string> sentences = VerdictSentences(block, texts);
    // The guideline and quality lines, then one line per period, then the rest.
    for (size_t i = 0; i < sentences.size(); ++i) {
        bool elevated = false;
        if (i >= 2 && i < 5) elevated = block.guideline.Elevated(kPeriods[i - 2]).value_or(false);
        const bool headline = sentences[i].starts_with(Text(texts, "IDS_HYPERTENSION"));
        out.Line(Q(sentences[i]), 1.8 * t, headline || elevated,
                 elevated || (headline && block.guideline.hypertension.value_or(false))
                     ? kElevatedRed
                     : QColor(Qt::black));
    }
}

void WriteMornings(LineWriter& out, const ClinicalBlock& block, const TextSource& texts, double t) {
    out.Line(Q(Text(texts, "IDS_MORNING_SURGE")), 1.6 * t, true);
    if (block.morningSurge.empty()) out.Line(Q(Text(texts, "IDS_NO_MORNING")), 1.3 * t, false);
    for (const MorningSurge& m : block.morningSurge) {
        // The date as every other page and the trend axis write it.
        const QString date = Q(ShownDate({m.date.year, m.date.month, m.date.day, 0, 0}));
        out.Line(date + QStringLiteral(": ") + Q(Text(texts, "IDS_SLEEP_TROUGH")) + " " +
                     Q(FigureText(m.sleepTrough, 1)) + ", " + Q(Text(texts, "IDS_PREWAKING")) +
                     " " + Q(FigureText(m.prewaking, 1)) + " " + Q(Text(texts, "IDS_MMHG")),
                 1.3 * t, false);
    }
}

QString FiguresRow(const VariabilityFigures& f) {
    const std::optional<double> cvPercent =
        f.cv ? std::optional<double>(*f.cv * 100.0) : std::nullopt;
    return Q(FigureText(f.sd, 1) + "   " + FigureText(cvPercent, 1) + "   " + FigureText(f.arv, 1) +
             "   " + FigureText(f.arvTime, 1) + "   " + FigureText(f.sv, 1));
}

void WriteVariability(LineWriter& out, const ClinicalBlock& block, const TextSource& texts,
                      double t) {
    out.Line(Q(Text(texts, "IDS_VARIABILITY")) + " (" + Q(Text(texts, "IDS_SD")) + ", " +
                 Q(Text(texts, "IDS_CV")) + ", " + Q(Text(texts, "IDS_ARV")) + ", " +
                 Q(Text(texts, "IDS_ARV_TIME")) + ", " + Q(Text(texts, "IDS_SV")) + ")",
             1.6 * t, true);
    for (Period period : kPeriods) {
        const PeriodVariability& p = block.variability.Of(period);
        out.Line(Q(PeriodText(period, texts)) + "  " + Q(SystolicWord(texts)) + " " +
                     FiguresRow(p.sys) + "  |  " + Q(DiastolicWord(texts)) + " " +
                     FiguresRow(p.dia),
                 1.3 * t, false);
    }
    out.Line(Q(Text(texts, "IDS_WSD")) + ": " + Q(SystolicWord(texts)) + " " +
                 Q(FigureText(block.variability.wsdSys, 1)) + ", " + Q(DiastolicWord(texts)) + " " +
                 Q(FigureText(block.variability.wsdDia, 1)) + "    " + Q(Text(texts, "IDS_AASI")) +
                 ": " + Q(FigureText(block.aasi, 2)),
             1.3 * t, false);
}

}  // namespace

void DrawClinicalSummary(QPainter& painter, const QRect& area, const ClinicalBlock& block,
                         const TextSource& texts, bool withTitle) {
    const double t = std::max(8.0, std::min(area.width() / 50.0, area.height() / 34.0));
    LineWriter out{painter, QRectF(area).adjusted(2 * t, t, -2 * t, -t), area.top() + t};
    if (withTitle) out.Line(Q(Text(texts, "IDS_CLINICAL_SUMMARY")), 2.4 * t, true);
    WriteVerdict(out, block, texts, t);
    out.top += 0.6 * t;
    WriteMornings(out, block, texts, t);
    out.top += 0.6 * t;
    WriteVariability(out, block, texts, t);
}

ClinicalSummaryPainter::ClinicalSummaryPainter(PaintFailureReport report)
    : ChartPainter("Clinical summary in Repaint", std::move(report)) {}

void ClinicalSummaryPainter::Draw(QPainter& painter, const QRect& area,
                                  const PageContext& context) {
    painter.fillRect(area, Qt::white);
    const ClinicalBlock block = ComputeClinicalBlock(
        context.recording, GuidelineOrDefault(context.guideline), context.recording.office);
    DrawClinicalSummary(painter, area, block, context.texts);
}

}  // namespace vitalis
