#pragma once
// What the nine layouts share: their settings row, the page header with the
// title under which a rule runs, and the page footer with the maker's
// address, the version caption and the date.
#include <QString>
#include <string>

#include "reports/engine/Layout.h"

namespace parlow::reports {

struct LayoutSettings {
    std::string name;
    QString title;
    QString caption;
    Orientation orientation = Orientation::Portrait;
    int width = 0;
    QString fileStem;     // what the saved file is called, before its record
    std::string fileKey;  // the column naming the record
};

inline const QString kVersionLong = "The Parlow's Log v3.1.0";
inline const QString kVersionShort = "The Parlow's Log v3.1";

struct FooterStyle {
    QString version;
    Align dateAlign = Align::Right;
    bool addressInSmallPrint = false;
};

// The maker's web address as the sheets print it.
QString MakerAddress();

// A layout holding its settings, the title page header and the footer.
Layout FramedLayout(const LayoutSettings& settings, const FooterStyle& footer);
// The settings alone, for a layout that draws its own page header and footer.
Layout BareLayout(const LayoutSettings& settings);

}  // namespace parlow::reports
