#pragma once
// One report written straight to a PDF file, as the command line asks for it:
//
//   Parlow --report <layout> <value>... --pdf <file>
//
// The program's command-line parser fills it; the report side checks the
// layout and its values against the report commands when it renders.
#include <string>
#include <vector>

namespace parlow::reports {

struct ReportRequest {
    // The layout by its name, e.g. "rptGameStats".
    std::string layout;
    // The values of the layout's command, in the command's order.
    std::vector<std::string> parameters;
    std::string pdfFile;
};

}  // namespace parlow::reports
