// The end-to-end tests run in a network namespace of their own where the system allows it. The
// game allows one instance per user through an abstract socket, and such sockets belong to a
// network namespace: so a game the developer is playing, or another test run, neither stops the
// program under test nor is stopped by it.
#include <gtest/gtest.h>
#include <sched.h>

int main(int argc, char** argv) {
    // Without the right to a namespace the tests still run, sharing the user's instance.
    (void)unshare(CLONE_NEWNET);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
