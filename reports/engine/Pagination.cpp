#include "reports/engine/Pagination.h"

#include "reports/engine/BoundData.h"

namespace parlow::reports {

namespace {

class Paginator {
  public:
    explicit Paginator(const Layout& layout)
        : layout_(layout),
          bodyTop_(kVerticalMargin),
          footerTop_(PageSize(layout).height() - kVerticalMargin -
                     layout[Band::PageFooter].height) {}

    void Start() {
        NewPage();
        // The report header comes before anything else, on the first page only.
        Put(Band::ReportHeader, 0, 0);
        Put(Band::PageHeader, 0, 0);
    }

    void GroupHeader(std::size_t group, std::size_t firstRowHeight) {
        // A header never stands alone at the foot of a page.
        MakeRoom(Height(Band::GroupHeader) + firstRowHeight, group, false);
        Put(Band::GroupHeader, group, 0);
    }

    void Detail(std::size_t group, std::size_t row, bool repeatHeader) {
        MakeRoom(Height(Band::Detail), group, repeatHeader);
        Put(Band::Detail, group, row);
    }

    void Closing(Band band, std::size_t group) {
        MakeRoom(Height(band), group, false);
        Put(band, group, 0);
    }

    std::vector<Page> Finish() {
        CloseCurrentPage();
        return std::move(pages_);
    }

    int Height(Band band) const { return layout_[band].height; }

  private:
    void NewPage() {
        pages_.emplace_back();
        y_ = bodyTop_;
        bodyStart_ = 0;
    }

    void CloseCurrentPage() { pages_.back().push_back({Band::PageFooter, footerTop_, 0, 0}); }

    void Put(Band band, std::size_t group, std::size_t row) {
        pages_.back().push_back({band, y_, group, row});
        y_ += Height(band);
        if (band == Band::PageHeader || band == Band::ReportHeader) {
            bodyStart_ = y_;
        }
    }

    // Starts a new page when `height` does not fit below what this page holds
    // already; a band taller than a whole page still gets a page of its own.
    void MakeRoom(int height, std::size_t group, bool repeatHeader) {
        if (y_ + height <= footerTop_ || y_ == bodyStart_) {
            return;
        }
        CloseCurrentPage();
        NewPage();
        Put(Band::PageHeader, 0, 0);
        if (repeatHeader && Height(Band::GroupHeader) > 0) {
            Put(Band::GroupHeader, group, 0);
        }
    }

    const Layout& layout_;
    const int bodyTop_;
    const int footerTop_;
    std::vector<Page> pages_;
    int y_ = 0;
    int bodyStart_ = 0;
};

}  // namespace

std::vector<Page> Paginate(const Layout& layout, const BoundData& data) {
    Paginator pages(layout);
    pages.Start();
    const auto& groups = data.Groups();
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const Group& group = groups[g];
        const std::size_t rows = group.details.RowCount();
        if (group.hasParent) {
            pages.GroupHeader(g, rows > 0 ? pages.Height(Band::Detail) : 0);
        }
        for (std::size_t r = 0; r < rows; ++r) {
            pages.Detail(g, r, group.hasParent);
        }
        if (group.hasParent) {
            pages.Closing(Band::GroupFooter, g);
        }
    }
    pages.Closing(Band::ReportFooter, groups.empty() ? 0 : groups.size() - 1);
    return pages.Finish();
}

}  // namespace parlow::reports
