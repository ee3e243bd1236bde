#include "reports/layouts/Frame.h"

#include "reports/layouts/LayoutBuilder.h"
#include "ui/MakerSite.h"

namespace parlow::reports {

using namespace build;

QString MakerAddress() {
    QString address(kMakerSite);
    return address.remove("https://");
}

Layout BareLayout(const LayoutSettings& settings) {
    Layout layout;
    layout.name = settings.name;
    layout.title = settings.title;
    layout.caption = settings.caption;
    layout.orientation = settings.orientation;
    layout.width = settings.width;
    layout.fileStem = settings.fileStem;
    layout.fileKey = settings.fileKey;
    return layout;
}

Layout FramedLayout(const LayoutSettings& settings, const FooterStyle& footer) {
    Layout layout = BareLayout(settings);
    const int width = settings.width;

    Section& header = layout[Band::PageHeader];
    header.height = 640;
    Add(header, {Caption(QRect(0, 0, width, 460), settings.title, Align::Centre, style::kTitle),
                 Line(0, 520, width, 520, style::kRulePen)});

    Section& foot = layout[Band::PageFooter];
    foot.height = 300;
    const FontSpec& addressFont = footer.addressInSmallPrint ? style::kSmallPrint : style::kBody;
    Add(foot,
        {Caption(QRect(0, 30, 4000, style::kRow), MakerAddress(), Align::Left, addressFont),
         Caption(QRect(width / 2 - 2000, 30, 4000, style::kRow), footer.version, Align::Centre),
         Today(QRect(width - 3000, 30, 3000, style::kRow), footer.dateAlign)});
    return layout;
}

}  // namespace parlow::reports
