#include "layout/layout_tables.hpp"

#include <cmath>
#include <stdexcept>

namespace kv884 {
namespace {

constexpr ControlPlace kStartPlaces[] = {
    {"Image1", 1537, 240, 4170, 615}, {"Label1", 435, 1050, 6375, 375},
    {"cmd_1", 1295, 1665, 4800, 700}, {"cmd_5", 1295, 2641, 4800, 700},
    {"lab_01", 1275, 3599, 750, 700}, {"tx_i_01", 2055, 3599, 4065, 700},
    {"cmd_6", 1295, 4560, 4800, 700}, {"lab_02", 5670, 5715, 1695, 255},
};

constexpr ControlPlace kQueryPlaces[] = {
    // Header and command row.
    {"Image1", 1395, 60, 4170, 615},
    {"Label1", 5565, 360, 5040, 360},
    {"Line1", 1380, 720, 10625 - 1380, 0},
    {"Label2_0", 135, 975, 960, 225},
    {"comb_1", 1080, 900, 2415, 405},
    {"Label2_1", 3510, 975, 960, 225},
    {"tx_i_01", 4470, 900, 2415, 405},
    {"cmd_5", 7005, 855, 600, 475},
    {"cmd_6", 7605, 855, 600, 475},
    {"cmd_1", 8310, 855, 875, 475},
    {"cmd_2", 9180, 855, 875, 475},
    {"cmd_4", 10050, 855, 875, 475},
    {"cmd_3", 10920, 855, 875, 475},
    {"Line_01", 0, 1455, 12000, 0},
    // Record area.
    {"lab_01", 1980, 1740, 960, 225},
    {"tx_o_01", 3000, 1650, 4000, 405},
    {"tx_o_19", 7080, 1650, 3285, 405},
    {"Label9", 10770, 1650, 990, 390},
    {"lab_23", 1980, 2115, 960, 225},
    {"tx_o_23", 3000, 2025, 4000, 405},
    {"lab_02", 2460, 2865, 480, 225},
    {"tx_o_02", 3000, 2775, 2000, 405},
    {"lab_03", 2460, 3240, 480, 225},
    {"tx_o_03", 3000, 3150, 6000, 405},
    {"lab_04", 180, 3630, 2760, 225},
    {"tx_o_04", 3000, 3525, 2000, 405},
    {"tx_o_04_x", 4935, 3525, 400, 405},
    {"lab_05", 1980, 4005, 960, 225},
    {"tx_o_05", 3000, 3900, 2000, 405},
    {"tx_o_05_1", 5025, 3930, 4000, 320},
    {"lab_18", 1980, 4380, 960, 225},
    {"tx_o_18", 3000, 4275, 2000, 405},
    {"lab_11", 180, 4755, 2760, 225},
    {"tx_o_11", 3000, 4650, 2000, 405},
    {"lab_12", 180, 5130, 2760, 225},
    {"tx_o_12", 3000, 5025, 2000, 405},
    {"lab_09", 1980, 5520, 960, 225},
    {"tx_o_09", 3000, 5400, 2000, 405},
    {"Label6", 5070, 5505, 4050, 255},
    {"lab_24", 1980, 5880, 960, 225},
    {"tx_o_24", 3000, 5760, 1995, 405},
    // Footer.
    {"Line_02", 0, 8145, 12000, 0},
    {"tx_o_pnt", 9540, 8175, 2325, 210},
};

constexpr ControlPlace kReportPlaces[] = {
    {"Image1", 1815, 60, 4170, 615},        {"Label1", 6090, 345, 3600, 360},
    {"Line1_0", 1575, 720, 9900 - 1575, 0}, {"Label2_0", 120, 975, 960, 225},
    {"comb_1", 1065, 900, 2415, 405},       {"Label2_1", 3825, 975, 960, 225},
    {"tx_i_01", 4785, 900, 2415, 405},      {"Command2", 7665, 855, 975, 475},
    {"Command1", 8625, 855, 975, 475},      {"cmd_1", 9600, 855, 975, 475},
    {"cmd_2", 10560, 855, 975, 475},        {"Line_01", 0, 1455, 12000, 0},
    {"tx_o_01", 1275, 2160, 9435, 5175},    {"Line2", 0, 8145, 12000, 0},
};

int toPixels(int twips, int dpi) {
  return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / kTwipsPerInch));
}

constexpr WindowLayout kStart{7215, 5910, kStartPlaces};
constexpr WindowLayout kQuery{12000, 8400, kQueryPlaces};
constexpr WindowLayout kReport{12105, 8160, kReportPlaces};

}  // namespace

PixelRect pixelRect(const ControlPlace& place, int dpi) {
  const int left = toPixels(place.left, dpi);
  const int top = toPixels(place.top, dpi);
  const int width = toPixels(place.left + place.width, dpi) - left;
  const int height = place.height == 0 ? 1 : toPixels(place.top + place.height, dpi) - top;
  return {left, top, width, height};
}

PixelSize WindowLayout::pixelSize(int dpi) const {
  return {toPixels(width, dpi), toPixels(height, dpi)};
}

const ControlPlace& WindowLayout::place(std::string_view name) const {
  for (const ControlPlace& p : places)
    if (p.name == name) return p;
  throw std::logic_error("control missing from its layout table");
}

const WindowLayout& startLayout() {
  return kStart;
}
const WindowLayout& queryLayout() {
  return kQuery;
}
const WindowLayout& reportLayout() {
  return kReport;
}

}  // namespace kv884
