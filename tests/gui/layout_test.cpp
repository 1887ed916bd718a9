// Every control of the three windows at its place (twips, 15 to a pixel, within one pixel) with
// its caption; the fonts, colours, limits, tooltips and keyboard order that the windows show.

#include <QLabel>
#include <QPlainTextEdit>
#include <cmath>
#include <span>

#include "desktop_harness.hpp"

namespace kv884::test {
namespace {

struct Expected {
  const char* name;
  int left, top, width, height;  // twips; a line has height 0
  const char16_t* caption;
};

const Expected kStart[] = {
    {"Image1", 1537, 240, 4170, 615, u""},
    {"Label1", 435, 1050, 6375, 375, u"帳簿劃撥配發資料查詢"},
    {"cmd_1", 1295, 1665, 4800, 700, u"配發有價證券劃撥轉帳清冊(KQD05)"},
    {"cmd_5", 1295, 2641, 4800, 700, u"帳簿劃撥配發筆數查詢"},
    {"lab_01", 1275, 3599, 750, 700, u"檔案位置"},
    {"tx_i_01", 2055, 3599, 4065, 700, u""},
    {"cmd_6", 1295, 4560, 4800, 700, u"結束作業"},
    {"lab_02", 5670, 5715, 1695, 255, u"瀚霖軟體工坊V10.0"},
};

const Expected kQuery[] = {
    {"Image1", 1395, 60, 4170, 615, u""},
    {"Label1", 5565, 360, 5040, 360, u"配發有價證券劃撥轉帳清冊查詢"},
    {"Line1", 1380, 720, 9245, 0, u""},
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
    {"lab_01", 1980, 1740, 960, 225, u"證券代號"},
    {"tx_o_01", 3000, 1650, 4000, 405, u""},
    {"tx_o_19", 7080, 1650, 3285, 405, u""},
    {"Label9", 10770, 1650, 990, 390, u"KQD05"},
    {"lab_23", 1980, 2115, 960, 225, u"資料日期"},
    {"tx_o_23", 3000, 2025, 4000, 405, u"20150115"},
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
    {"Line_02", 0, 8145, 12000, 0, u""},
    {"tx_o_pnt", 9540, 8175, 2325, 210, u""},
};

const Expected kReport[] = {
    {"Image1", 1815, 60, 4170, 615, u""},
    {"Label1", 6090, 345, 3600, 360, u"帳簿劃撥配發筆數查詢"},
    {"Line1_0", 1575, 720, 8325, 0, u""},
    {"Label2_0", 120, 975, 960, 225, u"查詢條件"},
    {"comb_1", 1065, 900, 2415, 405, u""},
    {"Label2_1", 3825, 975, 960, 225, u"查詢資料"},
    {"tx_i_01", 4785, 900, 2415, 405, u""},
    {"Command2", 7665, 855, 975, 475, u"查詢"},
    {"Command1", 8625, 855, 975, 475, u"次筆"},
    {"cmd_1", 9600, 855, 975, 475, u"列印"},
    {"cmd_2", 10560, 855, 975, 475, u"結束"},
    {"Line_01", 0, 1455, 12000, 0, u""},
    {"tx_o_01", 1275, 2160, 9435, 5175, nullptr},  // the report text
    {"Line2", 0, 8145, 12000, 0, u""},
};

QString shownCaption(QWidget* widget) {
  if (auto* button = qobject_cast<QPushButton*>(widget)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->text();
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentText();
  return QString();
}

void expectLayout(QWidget* view, std::span<const Expected> table) {
  ASSERT_NE(view, nullptr);
  for (const Expected& e : table) {
    SCOPED_TRACE(e.name);
    QWidget* widget = control<QWidget>(view, e.name);
    if (!widget) continue;
    const QRect at(widget->mapTo(view, QPoint(0, 0)), widget->size());
    EXPECT_LE(std::abs(at.left() - e.left / 15.0), 1.0);
    EXPECT_LE(std::abs(at.top() - e.top / 15.0), 1.0);
    EXPECT_LE(std::abs(at.width() - e.width / 15.0), 1.0);
    EXPECT_LE(std::abs(at.height() - e.height / 15.0), 1.0);
    EXPECT_TRUE(widget->isVisibleTo(view));
    if (e.caption) {
      EXPECT_EQ(shownCaption(widget), QString::fromUtf16(e.caption));
    }
  }
}

// The widgets of the keyboard order that can take the focus, from first.
std::vector<QString> focusOrder(QWidget* first, size_t count) {
  std::vector<QString> names;
  for (QWidget* w = first; names.size() < count; w = w->nextInFocusChain()) {
    if (w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty())
      names.push_back(w->objectName());
    if (w->nextInFocusChain() == first) break;
  }
  return names;
}

class LayoutTest : public DesktopTest {
 protected:
  void openAndShowReport() {
    openFolder(copyFixture("basic", temp.path()));
    click(start(), "cmd_5");
  }
};

TEST_F(LayoutTest, StartWindow) {
  expectLayout(start(), kStart);
  EXPECT_EQ(start()->windowTitle(), QString::fromUtf16(u"帳簿劃撥配發資料 (1040203)"));
  EXPECT_EQ(start()->size(), QSize(481, 394));
  EXPECT_EQ(start()->minimumSize(), start()->maximumSize()) << "fixed size";
  EXPECT_EQ(start()->focusWidget(), control<QWidget>(start(), "tx_i_01"));
  EXPECT_EQ(focusOrder(control<QWidget>(start(), "tx_i_01"), 5),
            (std::vector<QString>{"tx_i_01", "cmd_6", "cmd_1", "cmd_5", "lab_01"}));
  QLineEdit* folder = control<QLineEdit>(start(), "tx_i_01");
  EXPECT_TRUE(folder->font().bold());
  EXPECT_DOUBLE_EQ(folder->font().pointSizeF(), 18);
  EXPECT_EQ(folder->palette().color(QPalette::Text), QColor(0xff, 0x00, 0x00));
  EXPECT_EQ(folder->palette().color(QPalette::Base), QColor(0xff, 0xff, 0xc0));
}

TEST_F(LayoutTest, QueryWindow) {
  openFolder(copyFixture("basic", temp.path()));
  expectLayout(query(), kQuery);
  EXPECT_EQ(query()->windowTitle(), QString::fromUtf16(u"配發有價證券劃撥轉帳清冊(KQD05)"));
  EXPECT_EQ(control<QPushButton>(query(), "cmd_5")->toolTip(), QString::fromUtf16(u"前一畫面"));
  EXPECT_EQ(control<QPushButton>(query(), "cmd_6")->toolTip(), QString::fromUtf16(u"下一畫面"));
  EXPECT_FALSE(control<QPushButton>(query(), "cmd_5")->icon().isNull());
  EXPECT_EQ(control<QLineEdit>(query(), "tx_i_01")->maxLength(), 12);
  QComboBox* kinds = control<QComboBox>(query(), "comb_1");
  EXPECT_TRUE(kinds->isEditable());
  QStringList items;
  for (int i = 0; i < kinds->count(); ++i) items << kinds->itemText(i);
  EXPECT_EQ(items,
            (QStringList{QString::fromUtf16(u"依 統一編號"), QString::fromUtf16(u"依 中文戶名"),
                         QString::fromUtf16(u"依 帳號"), QString::fromUtf16(u"依 戶號")}));
  for (const char* box :
       {"tx_o_01", "tx_o_23", "tx_o_02", "tx_o_18", "tx_o_11", "tx_o_12", "tx_o_09", "tx_o_24"})
    EXPECT_FALSE(control<QLineEdit>(query(), box)->isEnabled()) << box;
  for (const char* box : {"tx_o_03", "tx_o_04", "tx_o_04_x", "tx_o_05"})
    EXPECT_TRUE(control<QLineEdit>(query(), box)->isReadOnly()) << box;
  EXPECT_EQ(focusOrder(control<QWidget>(query(), "tx_i_01"), 12),
            (std::vector<QString>{"tx_i_01", "cmd_1", "comb_1", "cmd_3", "tx_o_05", "tx_o_04",
                                  "tx_o_03", "cmd_4", "tx_o_04_x"}))
      << "disabled controls (次筆 and the paging buttons at load) are skipped";
  QLineEdit* shown = control<QLineEdit>(query(), "tx_o_02");
  EXPECT_EQ(shown->palette().color(QPalette::Text), QColor(0xff, 0xff, 0x00));
  EXPECT_EQ(shown->palette().color(QPalette::Base), QColor(0x80, 0x80, 0x80));
  EXPECT_EQ(shown->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(control<QLineEdit>(query(), "tx_o_03")->alignment() & Qt::AlignHorizontal_Mask,
            Qt::AlignLeft);
}

TEST_F(LayoutTest, ReportWindow) {
  openAndShowReport();
  expectLayout(report(), kReport);
  EXPECT_EQ(report()->windowTitle(), QString::fromUtf16(u"帳簿劃撥配發筆數"));
  auto* text = control<QPlainTextEdit>(report(), "tx_o_01");
  EXPECT_TRUE(text->isReadOnly());
  EXPECT_EQ(text->lineWrapMode(), QPlainTextEdit::NoWrap);
}

TEST_F(LayoutTest, NoButtonIsADefaultButton) {
  openAndShowReport();
  for (QWidget* view : {static_cast<QWidget*>(start()), static_cast<QWidget*>(query()),
                        static_cast<QWidget*>(report())})
    for (QPushButton* button : view->findChildren<QPushButton*>()) {
      EXPECT_FALSE(button->autoDefault()) << button->objectName().toStdString();
      EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
    }
}

}  // namespace
}  // namespace kv884::test
