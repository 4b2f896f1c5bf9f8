#pragma once
// The fixture of the end-to-end tests: a private X display and, for most tests, one running
// program on it. A failing test leaves a screenshot of the display beside the test binary.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "blokka_driver.h"

namespace blokka::e2e {

class DisplayTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (!HasFailure()) return;
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        const std::string name = std::string(info->test_suite_name()) + "." + info->name() + ".ppm";
        x.Grab({0, 0, 1280, 1024}).SavePpm(name);
    }

    XSession x;
};

class GameTest : public DisplayTest {
protected:
    void SetUp() override { game = std::make_unique<Blokka>(x); }

    // The slowest speed: a tick a second, so that a single key's effect shows well before the
    // next tick even on a busy machine.
    void Slowest() { game->Keys(std::vector<std::string>(13, "Next")); }

    std::unique_ptr<Blokka> game;
};

}  // namespace blokka::e2e
