#include <gtest/gtest.h>

#include <vector>

#include "solver/PathFind.h"

namespace {

class FrontierTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PathFind::mFrontierList.clear();
    PathFind::mEndCol = 0;
    PathFind::mEndRow = 0;
    start_ = std::make_shared<GridSearchNode>(2, 1);
  }
  void TearDown() override { PathFind::mFrontierList.clear(); }

  // A node whose key will be exactly `key`: it sits `key` columns right of the exit.
  std::shared_ptr<GridSearchNode> At(int key) { return std::make_shared<GridSearchNode>(key, 0, start_); }

  std::vector<double> Keys() const {
    std::vector<double> keys;
    for (const auto& n : PathFind::mFrontierList) keys.push_back(n->mHeuristicValue);
    return keys;
  }

  std::shared_ptr<GridSearchNode> start_;
};

TEST_F(FrontierTest, KeysAreStraightLineDistancesToTheExit) {
  PathFind::mEndCol = 10;
  PathFind::mEndRow = 20;
  auto node = std::make_shared<GridSearchNode>(13, 24, start_);
  PathFind::EnqueueNode(node);
  EXPECT_DOUBLE_EQ(node->mHeuristicValue, 5.0);
  ASSERT_EQ(PathFind::mFrontierList.size(), 1u);
  EXPECT_EQ(PathFind::mFrontierList[0], node) << "an empty frontier takes the node at index 0";
}

TEST_F(FrontierTest, InsertionKeepsOrderAndPutsTheNewestOfEqualKeysFirst) {
  for (int key : {1, 2, 2, 3}) PathFind::EnqueueNode(At(key));
  auto newest = At(2);
  PathFind::EnqueueNode(newest);
  EXPECT_EQ(Keys(), (std::vector<double>{1, 2, 2, 2, 3}));
  EXPECT_EQ(PathFind::mFrontierList[1], newest) << "ahead of both earlier 2.0 nodes";

  auto farthest = At(9);
  PathFind::EnqueueNode(farthest);
  EXPECT_EQ(PathFind::mFrontierList.back(), farthest);

  auto nearest = At(0);
  PathFind::EnqueueNode(nearest);
  EXPECT_EQ(PathFind::mFrontierList.front(), nearest);
}

TEST_F(FrontierTest, AmongEqualNearestKeysTheLastQueuedIsTakenFirst) {
  PathFind::EnqueueNode(At(7));
  auto a = At(5);
  auto b = At(5);
  PathFind::EnqueueNode(a);
  PathFind::EnqueueNode(b);
  EXPECT_EQ(PathFind::mFrontierList[0], b);
  EXPECT_EQ(PathFind::mFrontierList[1], a);
}

TEST_F(FrontierTest, NodesCountStepsFromTheStart) {
  auto child = std::make_shared<GridSearchNode>(2, 2, start_);
  auto grandchild = std::make_shared<GridSearchNode>(3, 2, child);
  EXPECT_EQ(start_->mCost, 0.0);
  EXPECT_EQ(start_->mHeuristicValue, 0.0);
  EXPECT_EQ(start_->mParent, nullptr);
  EXPECT_EQ(child->mCost, 1.0);
  EXPECT_EQ(grandchild->mCost, 2.0);
  EXPECT_EQ(grandchild->mCol, 3);
  EXPECT_EQ(grandchild->mRow, 2);
}

}  // namespace
