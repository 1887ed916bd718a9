#include "gui/layout_tables.hpp"

#include <cmath>

namespace kv884 {
namespace {

constexpr ControlPlace kStartPlaces[] = {
    {"Image1", 1537, 240, 4170, 615, u""},
    {"Label1", 435, 1050, 6375, 375, u"帳簿劃撥配發資料查詢"},
    {"cmd_1", 1295, 1665, 4800, 700, u"配發有價證券劃撥轉帳清冊(KQD05)"},
    {"cmd_5", 1295, 2641, 4800, 700, u"帳簿劃撥配發筆數查詢"},
    {"lab_01", 1275, 3599, 750, 700, u"檔案位置"},
    {"tx_i_01", 2055, 3599, 4065, 700, u""},
    {"cmd_6", 1295, 4560, 4800, 700, u"結束作業"},
    {"lab_02", 5670, 5715, 1695, 255, u"瀚霖軟體工坊V10.0"},
};

constexpr ControlPlace kQueryPlaces[] = {
    // Header and command row.
    {"Image1", 1395, 60, 4170, 615, u""},
    {"Label1", 5565, 360, 5040, 360, u"配發有價證券劃撥轉帳清冊查詢"},
    {"Line1", 1380, 720, 10625 - 1380, 0, u""},
    {"Label2_0", 135, 975, 960, 225, u"查詢條件"},
    {"comb_1", 1080, 900, 2415, 405, u"依 統一編號"},
    {"Label2_1", 3510, 975, 960, 225, u"查詢資料"},
    {"tx_i_01", 4470, 900, 2415, 405, u""},
    {"cmd_5", 7005, 855, 600, 475, u""},
    {"cmd_6", 7605, 855, 600, 475, u""},
    {"cmd_1", 8310, 855, 875, 475, u"查詢"},
    {"cmd_2", 9180, 855, 875, 475, u"次筆"},
    {"cmd_4", 10050, 855, 875, 475, u"列印"},
    {"cmd_3", 10920, 855, 875, 475, u"結束"},
    {"Line_01", 0, 1455, 12000, 0, u""},
    // Record area.
    {"lab_01", 1980, 1740, 960, 225, u"證券代號"},
    {"tx_o_01", 3000, 1650, 4000, 405, u""},
    {"tx_o_19", 7080, 1650, 3285, 405, u""},
    {"Label9", 10770, 1650, 990, 390, u"KQD05"},
    {"lab_23", 1980, 2115, 960, 225, u"資料日期"},
    {"tx_o_23", 3000, 2025, 4000, 405, u""},
    {"lab_02", 2460, 2865, 480, 225, u"戶號"},
    {"tx_o_02", 3000, 2775, 2000, 405, u""},
    {"lab_03", 2460, 3240, 480, 225, u"戶名"},
    {"tx_o_03", 3000, 3150, 6000, 405, u""},
    {"lab_04", 180, 3630, 2760, 225, u"身分證/營利事業統一編號"},
    {"tx_o_04", 3000, 3525, 2000, 405, u""},
    {"tx_o_04_x", 4935, 3525, 400, 405, u""},
    {"lab_05", 1980, 4005, 960, 225, u"集保帳號"},
    {"tx_o_05", 3000, 3900, 2000, 405, u""},
    {"tx_o_05_1", 5025, 3930, 4000, 320, u""},
    {"lab_18", 1980, 4380, 960, 225, u"劃撥股數"},
    {"tx_o_18", 3000, 4275, 2000, 405, u""},
    {"lab_11", 180, 4755, 2760, 225, u"擔保品/全權委託撥轉股數"},
    {"tx_o_11", 3000, 4650, 2000, 405, u""},
    {"lab_12", 180, 5130, 2760, 225, u"擔保品/全權委託撥轉筆數"},
    {"tx_o_12", 3000, 5025, 2000, 405, u""},
    {"lab_09", 1980, 5520, 960, 225, u"資料類別"},
    {"tx_o_09", 3000, 5400, 2000, 405, u""},
    {"Label6", 5070, 5505, 4050, 255, u"1：無償配股、2：有償配股、空白：其他"},
    {"lab_24", 1980, 5880, 960, 225, u"逐戶配發"},
    {"tx_o_24", 3000, 5760, 1995, 405, u""},
    // Footer.
    {"Line_02", 0, 8145, 12000, 0, u""},
    {"tx_o_pnt", 9540, 8175, 2325, 210, u""},
};

constexpr ControlPlace kReportPlaces[] = {
    {"Image1", 1815, 60, 4170, 615, u""},
    {"Label1", 6090, 345, 3600, 360, u"帳簿劃撥配發筆數查詢"},
    {"Line1_0", 1575, 720, 9900 - 1575, 0, u""},
    {"Label2_0", 120, 975, 960, 225, u"查詢條件"},
    {"comb_1", 1065, 900, 2415, 405, u""},
    {"Label2_1", 3825, 975, 960, 225, u"查詢資料"},
    {"tx_i_01", 4785, 900, 2415, 405, u""},
    {"Command2", 7665, 855, 975, 475, u"查詢"},
    {"Command1", 8625, 855, 975, 475, u"次筆"},
    {"cmd_1", 9600, 855, 975, 475, u"列印"},
    {"cmd_2", 10560, 855, 975, 475, u"結束"},
    {"Line_01", 0, 1455, 12000, 0, u""},
    {"tx_o_01", 1275, 2160, 9435, 5175, u""},
    {"Line2", 0, 8145, 12000, 0, u""},
};

int toPixels(int twips) {
  return static_cast<int>(std::lround(twips / static_cast<double>(kTwipsPerPixel)));
}

}  // namespace

QRect pixelRect(const ControlPlace& place) {
  const int left = toPixels(place.left);
  const int top = toPixels(place.top);
  const int width = toPixels(place.left + place.width) - left;
  const int height = place.height == 0 ? 1 : toPixels(place.top + place.height) - top;
  return QRect(left, top, width, height);
}

std::span<const ControlPlace> startLayout() {
  return kStartPlaces;
}
std::span<const ControlPlace> queryLayout() {
  return kQueryPlaces;
}
std::span<const ControlPlace> reportLayout() {
  return kReportPlaces;
}

}  // namespace kv884
