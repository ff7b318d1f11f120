// The level map's art and routes, made from content/map/chart.txt.
#pragma once

#include <string>
#include <vector>

namespace Art {

// Checks the routes against the chart first and throws with every fault
// when one runs over land or across another; then writes "map.jpg", the
// route marks and "path_segments.object".
std::vector<std::string> WriteMap(const std::string& strSourceDir, const std::string& strOutDir);
// The chart with every route's dots over it, and its faults on stderr.
void WriteMapPreview(const std::string& strSourceDir, const std::string& strPngPath);

}  // namespace Art
