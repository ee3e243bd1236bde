// The report door's PDF output: a layout by name, bound and written.
#include "reports/Reports.h"
#include "reports/engine/PagedOutput.h"
#include "reports/engine/Report.h"
#include "reports/layouts/LayoutCatalog.h"

namespace parlow::reports {

bool RenderReportPdf(const std::string& layout, const ReportData& data, const QString& file,
                     QString* error) {
    std::optional<Layout> made = MakeLayout(layout);
    if (!made) {
        if (error != nullptr) {
            *error = QString("Unknown report layout: %1").arg(QString::fromStdString(layout));
        }
        return false;
    }
    const Report report(std::move(*made), data);
    return WritePdf(report, file, error);
}

}  // namespace parlow::reports
