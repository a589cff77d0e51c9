#include "views/PageController.h"

namespace vitalis {

void PageController::SetPainter(PageKind kind, std::unique_ptr<PagePainter> painter) {
    painters_[kind] = std::move(painter);
}

void PageController::Draw(QPainter& painter, const QRect& area, const PageContext& context) const {
    const auto found = painters_.find(kind_);
    if (found != painters_.end()) found->second->Paint(painter, area, context);
}

bool PageController::Click(const QPoint& point, const QRect& area, Recording& recording) const {
    const auto found = painters_.find(kind_);
    return found != painters_.end() && found->second->Click(point, area, recording);
}

bool PageController::Hover(const QPoint& point, const QRect& area,
                           const PageContext& context) const {
    const auto found = painters_.find(kind_);
    return found != painters_.end() && found->second->Hover(point, area, context);
}

}  // namespace vitalis
