// Searches that take up where the last walk stood (WalkResume, for batches of keys) leave the
// window exactly as searches from the leaf page's record do, in any order of keys, on a sound set
// and on one whose 統一編號 order runs in a cycle; in key order they read fewer records.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "dataset/key_kind.hpp"
#include "support/fixture_set.hpp"
#include "support/window_snapshot.hpp"

namespace kv884::test {
namespace {

// The basic set opened, maybe with a cycle, its records read counted.
struct OpenedSet : FixtureSet {
  explicit OpenedSet(bool cycle) {
    // 統一編號 24 is the last of its order; leading back to the first makes a cycle.
    if (cycle) setDetailField(24, DetailRecord::kNextById, "000002");
    open();
    program.files.setReadObserver([this](int, int64_t) { ++reads; });
  }
  int64_t reads{0};
};

// Every key field of the kind, a start of each and keys beside them, in the kind's order.
std::vector<std::u16string> keysInOrder(int kind) {
  OpenedSet sound(false);
  std::vector<std::u16string> keys{u"", u"~~~~~~~~~~~~"};
  sound.search(kind, u"");
  for (bool more = true; more; more = sound.window().cmd_2.enabled) {
    std::u16string field(keyFieldOf(keyKind(kind), sound.window().m_IdxdRec));
    keys.insert(keys.end(), {field, field.substr(0, 2), field + u"~", field + u" "});
    sound.window().cmd_2_Click();
  }
  std::sort(keys.begin(), keys.end(), [&](const std::u16string& a, const std::u16string& b) {
    return compareKeys(keyKind(kind), a, b) < 0;
  });
  return keys;
}

TEST(WalkResume, LeavesTheWindowAsAWalkFromTheStartInAnyOrderOfKeys) {
  for (int kind = 1; kind <= 4; ++kind) {
    const std::vector<std::u16string> inOrder = keysInOrder(kind);
    for (bool cycle : {false, true})
      for (bool shuffled : {false, true}) {
        SCOPED_TRACE("kind " + std::to_string(kind) + (cycle ? " cycle" : "") +
                     (shuffled ? " shuffled" : " in order"));
        std::vector<std::u16string> keys = inOrder;
        if (shuffled) std::shuffle(keys.begin(), keys.end(), std::mt19937(14));
        OpenedSet resumed(cycle), fresh(cycle);
        WalkResume resume;
        resumed.window().resumeWalksFrom(&resume);
        for (const std::u16string& key : keys) {
          resumed.search(kind, key);
          fresh.search(kind, key);
          ASSERT_TRUE(snapshot(resumed.window()) == snapshot(fresh.window())) << toUtf8(key);
          ASSERT_EQ(resumed.ui.takeMessages(), fresh.ui.takeMessages()) << toUtf8(key);
        }
        if (!shuffled) {
          EXPECT_LT(resumed.reads, fresh.reads);
        }
      }
  }
}

}  // namespace
}  // namespace kv884::test
