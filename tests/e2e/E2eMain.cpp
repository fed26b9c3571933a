#include <memory>

#include <gtest/gtest.h>
#include <QCoreApplication>

#include "VirtualDisplay.h"

VirtualDisplay* TheDisplay = nullptr;

namespace {

// Each test runs in a process of its own with a display of its own; none is
// started when the tests are only listed.
class DisplayEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    display_ = std::make_unique<VirtualDisplay>();
    TheDisplay = display_.get();
  }
  void TearDown() override {
    TheDisplay = nullptr;
    display_.reset();
  }

 private:
  std::unique_ptr<VirtualDisplay> display_;
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QCoreApplication application(argc, argv);
  ::testing::AddGlobalTestEnvironment(new DisplayEnvironment);
  return RUN_ALL_TESTS();
}
