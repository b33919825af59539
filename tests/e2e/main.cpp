// End-to-end tests under Wine, driving the real program from outside.
#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
  // Unbuffered, so that a run cut short still shows how far it went.
  setvbuf(stdout, nullptr, _IONBF, 0);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
