#pragma once
// The rows of a review list: cell texts as the screen shows them, and a sort
// key per cell so that header clicks put dates and figures in their order.
#include <QTreeWidgetItem>

#include "reports/review/ReviewScreens.h"
#include "zeviza/RecordSet.h"

namespace parlow::reports {

class ReviewRow : public QTreeWidgetItem {
  public:
    // The current row of `record`, in the columns of the list.
    ReviewRow(const zeviza::RecordSet& record, const std::vector<ReviewColumn>& columns);
};

// A stored date-time ("2024-05-18 00:00:00") as the lists show it.
QString ShownDate(const QString& stored);

}  // namespace parlow::reports
