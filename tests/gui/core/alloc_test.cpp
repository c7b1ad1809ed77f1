#include <gtest/gtest.h>

#include <cstring>

#include "gui/core/gui_alloc.h"
#include "tests/gui/core/gfx_fixture.h"

namespace {

class AllocTest : public GfxTest {
 protected:
  void SetUp() override {
    GfxTest::SetUp();
    GUI_ALLOC_Reset();
  }
};

void expectStats(int bytesFree, int bytesUsed, int blocksFree, int blocksUsed, int largest) {
  const GUI_ALLOC_Stats s = GUI_ALLOC_GetStats();
  EXPECT_EQ(s.bytesFree, bytesFree);
  EXPECT_EQ(s.bytesUsed, bytesUsed);
  EXPECT_EQ(s.blocksFree, blocksFree);
  EXPECT_EQ(s.blocksUsed, blocksUsed);
  EXPECT_EQ(s.largestFree, largest);
}

TEST_F(AllocTest, StatisticsCountBlocksWithTheirHeaders) {
  expectStats(988, 0, 32, 1, 988);
  const GUI_HMEM a = GUI_ALLOC_Alloc(10);  // at least 32 bytes + 12
  ASSERT_NE(a, GUI_HMEM_NULL);
  expectStats(1000 - 44 - 12, 44, 31, 2, 1000 - 44 - 12);
  const GUI_HMEM b = GUI_ALLOC_Alloc(101);  // rounded to 104 + 12
  ASSERT_NE(b, GUI_HMEM_NULL);
  expectStats(1000 - 44 - 116 - 12, 160, 30, 3, 1000 - 160 - 12);
  GUI_ALLOC_Free(a);
  GUI_ALLOC_Free(b);
  expectStats(988, 0, 32, 1, 988);  // neighbours merged again
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(AllocTest, LimitsOfSizeAndHandles) {
  EXPECT_EQ(GUI_ALLOC_Alloc(989), GUI_HMEM_NULL);
  EXPECT_EQ(GUI_ALLOC_Alloc(0xFFFFFFFFu), GUI_HMEM_NULL);
  const GUI_HMEM whole = GUI_ALLOC_Alloc(988);
  ASSERT_NE(whole, GUI_HMEM_NULL);
  expectStats(0, 1000, 31, 2, 0);
  GUI_ALLOC_Free(whole);
  // 22 blocks of 44 bytes fit; the last one takes the 32 bytes that cannot stand alone.
  int count = 0;
  while (GUI_ALLOC_Alloc(1) != GUI_HMEM_NULL) ++count;
  EXPECT_EQ(count, 22);
}

TEST_F(AllocTest, FreedBlocksAreFilledAndMisuseIsReported) {
  const GUI_HMEM h = GUI_ALLOC_Alloc(40);
  std::memset(GUI_ALLOC_h2p(h), 0x11, 40);
  GUI_ALLOC_Free(h);
  const auto* stale = static_cast<const uint8_t*>(GUI_ALLOC_h2p(h));
  ASSERT_NE(stale, nullptr);
  EXPECT_EQ(stale[0], 0xCC);
  EXPECT_EQ(stale[39], 0xCC);
  GUI_ALLOC_Free(h);
  GUI_ALLOC_Free(GUI_HMEM_NULL);
  EXPECT_EQ(GUI_ALLOC_h2p(GUI_HMEM_NULL), nullptr);
  ASSERT_EQ(host.errors.size(), 3u);
  EXPECT_EQ(host.errors[0], "Dereferencing free block");
  EXPECT_EQ(host.errors[1], "Block already free");
  EXPECT_EQ(host.errors[2], "\ngui\\core\\guialloc1 GUI_ALLOC_h2p: illegal argument (0 handle)");
  expectStats(988, 0, 32, 1, 988);
}

TEST_F(AllocTest, FragmentedPoolIsCompactedUnlessLocked) {
  GUI_HMEM blocks[5];
  for (auto& b : blocks) b = GUI_ALLOC_Alloc(188);  // 200 bytes each
  for (int i = 0; i < 5; ++i) std::memset(GUI_ALLOC_h2p(blocks[i]), 'a' + i, 188);
  GUI_ALLOC_Free(blocks[1]);
  GUI_ALLOC_Free(blocks[3]);
  EXPECT_EQ(GUI_ALLOC_GetStats().largestFree, 188);
  GUI_ALLOC_Lock();
  EXPECT_EQ(GUI_ALLOC_Alloc(300), GUI_HMEM_NULL);
  GUI_ALLOC_Unlock();
  const GUI_HMEM big = GUI_ALLOC_Alloc(300);
  ASSERT_NE(big, GUI_HMEM_NULL);
  for (int i : {0, 2, 4}) {
    const auto* p = static_cast<const char*>(GUI_ALLOC_h2p(blocks[i]));
    EXPECT_EQ(p[0], 'a' + i);
    EXPECT_EQ(p[187], 'a' + i);
  }
  EXPECT_TRUE(host.errors.empty());
}

}  // namespace
