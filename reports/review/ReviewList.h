#pragma once
// The rows of a review list: cell texts as the screen shows them, and a sort
// key per cell so that header clicks put dates and figures in their order.
#include <QStringList>
#include <QTreeWidgetItem>
#include <QVariantList>
#include <vector>

#include "reports/review/ReviewScreens.h"
#include "zeviza/RecordSet.h"

namespace parlow::reports {

// A row answers the list from its own texts and keys: a long list makes
// thousands, and giving each cell its text, alignment and key one call at a
// time cost more than reading them.
class ReviewRow : public QTreeWidgetItem {
  public:
    // Where each of the list's columns stands in the rows of `record`.
    using Places = std::vector<std::size_t>;
    static Places PlacesIn(const zeviza::RecordSet& record,
                           const std::vector<ReviewColumn>& columns);

    // The current row of `record`, in the columns of the list, which must
    // outlive the row; `places` as PlacesIn gives them.
    ReviewRow(const zeviza::RecordSet& record, const std::vector<ReviewColumn>& columns,
              const Places& places);

    QVariant data(int column, int role) const override;
    void setData(int column, int role, const QVariant& value) override;

  private:
    const std::vector<ReviewColumn>& columns_;
    QStringList texts_;
    QVariantList sortKeys_;  // invalid where a cell sorts by its text
};

// A stored date-time ("2024-05-18 00:00:00") as the lists show it.
QString ShownDate(const QString& stored);

}  // namespace parlow::reports
