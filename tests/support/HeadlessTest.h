#pragma once
// A fixture with the headless backend installed; a test fails when it left a modal
// form or a question unanswered.
#include <gtest/gtest.h>

#include "ui/headless/HeadlessBackend.h"

class HeadlessTest : public testing::Test {
 protected:
  void TearDown() override {
    ui_.ProcessMessages();
    for (const std::string& failure : ui_.Failures()) ADD_FAILURE() << failure;
  }

  ui::headless::HeadlessBackend ui_;
};
