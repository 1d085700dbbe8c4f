// The test programs' entry: the thread is initialised for COM first, as every
// driver of the matcher must do, and stays so until every test has run.
#include <gtest/gtest.h>

#include "ComInitialization.h"

int main(int argc, char** argv) {
  const tavrin::ComInitialization com;
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
