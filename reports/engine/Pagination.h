#pragma once
// Where each band lands: the page header and footer on every page, detail
// rows flowing onto new pages whole (never cut), a group's header again at
// the top of a page its group continues on, the report footer once at the
// end. Pagination only needs the bands' heights, so a report knows its pages
// before any page is drawn.
#include <vector>

#include "reports/engine/Layout.h"

namespace parlow::reports {

class BoundData;

struct PlacedBand {
    Band band = Band::Detail;
    int top = 0;  // from the page's top edge
    std::size_t group = 0;
    std::size_t row = 0;  // the detail row within its group
};

using Page = std::vector<PlacedBand>;

std::vector<Page> Paginate(const Layout& layout, const BoundData& data);

}  // namespace parlow::reports
