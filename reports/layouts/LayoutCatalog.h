#pragma once
// The nine layouts by name, made from the one table of their settings.
#include <optional>
#include <string>
#include <vector>

#include "reports/engine/Layout.h"

namespace parlow::reports {

std::vector<std::string> LayoutNames();
std::optional<Layout> MakeLayout(const std::string& name);

}  // namespace parlow::reports
