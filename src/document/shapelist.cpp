#include "document/shapelist.h"

#include "document/record.h"

#include <utility>

namespace qel {

QStringList newShapeList(int pageWidth, int pageHeight) {
    return {headerLine(pageWidth, pageHeight), kBlankBackground};
}

void clearSelectionMarks(QStringList& shapeList) {
    // Lines already unmarked are not touched: writing into a shared line would copy it.
    for (qsizetype i = 1; i < shapeList.size(); ++i) {
        const QString& item = std::as_const(shapeList)[i];
        if (!item.isEmpty() && item.front() != u'#' && item.front() != u' ') shapeList[i][0] = u' ';
    }
}

void ensureHeaderAndBackground(QStringList& shapeList, int pageWidth, int pageHeight) {
    if (shapeList.isEmpty()) shapeList.append(headerLine(pageWidth, pageHeight));
    if (shapeList.size() < 2) shapeList.append(kBlankBackground);
}

} // namespace qel

namespace qel {

QSize largestExtentOf(const QStringList& shapeList) {
    Box extent;
    for (qsizetype i = 2; i < shapeList.size(); ++i) {
        const RecordView view = splitRecord(shapeList[i]);
        if (view.keyword.isEmpty()) continue;
        const auto box = decodeBox(view.data);
        if (!box) continue;
        extent.left = std::min({extent.left, box->left, box->right});
        extent.right = std::max({extent.right, box->left, box->right});
        extent.top = std::min({extent.top, box->top, box->bottom});
        extent.bottom = std::max({extent.bottom, box->top, box->bottom});
    }
    return {extent.right - extent.left, extent.bottom - extent.top};
}

} // namespace qel
