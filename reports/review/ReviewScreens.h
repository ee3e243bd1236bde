#pragma once
// The six review and selection screens: one shared form, each screen a row
// of the table in ReviewScreens.cpp.
#include <Qt>
#include <string>
#include <vector>

#include "reports/review/ReportWindows.h"
#include "zeviza/Putt.h"

class QWidget;

namespace parlow::reports {

enum class SortAs { Text, Number, Date };

// A list column: the read's column, its header, alignment and sort order.
struct ReviewColumn {
    const char* column;
    const char* header;
    Qt::Alignment alignment = Qt::AlignLeft;
    SortAs sortAs = SortAs::Text;
};

// A display field: its caption and the list column it shows.
struct ReviewField {
    const char* caption;
    const char* column;
};

struct ReviewReport {
    const char* command = nullptr;  // for a made report, the key of its window
    const char* layout = nullptr;
    ReportMaker make = nullptr;  // rows worked out rather than read by the command
};

struct ReviewScreen {
    const char* name;     // "frmGameStats"
    const char* caption;  // the window caption
    const char* heading;  // "&&" shows a single "&"
    const char* listName;
    zeviza::RecordSetPtr (zeviza::Putt::*read)();
    std::vector<ReviewColumn> columns;  // the identifier first
    std::vector<ReviewField> fields;    // the identifier first
    const char* missingSelection;
    ReviewReport report;               // on the golfer screens: of 18-hole games
    ReviewReport nineHoleReport = {};  // golfer screens only; they offer 18 / 9
    std::vector<const char*> values;   // the columns the command takes, in order
    const char* reportButton = "&Report";
    bool characterKeyChooses = false;  // any character key copies the row
    bool showsHandicap = false;        // the chosen golfer's estimated index under the fields

    bool HasHoleOptions() const { return nineHoleReport.command != nullptr; }
};

const std::vector<ReviewScreen>& ReviewScreens();
const ReviewScreen* FindReviewScreen(const std::string& name);

// The named screen ("frmGameStats", ...), or nullptr for another name.
QWidget* CreateReviewScreen(const std::string& name, QWidget* parent = nullptr);

}  // namespace parlow::reports
