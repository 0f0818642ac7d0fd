#include "win32/DispatchAdapter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "RecordingDispatch.h"
#include "win32/HostCallError.h"
#include "win32/WideText.h"

namespace {

using host::HostArg;
using win32test::RecordingDispatch;

TEST(DispatchAdapter, HoldsOneCountedReferenceForItsLifetime) {
  RecordingDispatch host;
  {
    auto adapter = std::make_shared<win32::DispatchAdapter>(&host);
    auto copy = adapter;
    EXPECT_EQ(host.references, 2u);
  }
  EXPECT_EQ(host.references, 1u);
}

TEST(DispatchAdapter, PassesArgumentsInDeclaredOrderAsAMethodCall) {
  RecordingDispatch host;
  host.answer = true;
  win32::DispatchAdapter adapter(&host);
  std::vector<HostArg> args{{"select f_Gysbm from tbGys"},      {base::Variant(7)},
                            {base::Variant(false)},             {base::Variant(2.5)},
                            {base::Variant(base::Null{})},      {base::Variant()},
                            {base::Variant(base::DateTime{1})}};

  EXPECT_EQ(adapter.Invoke(12, args), base::Variant(true));

  ASSERT_EQ(host.calls.size(), 1u);
  const RecordingDispatch::Call& call = host.calls[0];
  EXPECT_EQ(call.dispid, 12);
  EXPECT_EQ(call.flags, DISPATCH_METHOD);
  EXPECT_THAT(call.types, ::testing::ElementsAre(VT_BSTR, VT_I4, VT_BOOL, VT_R8, VT_NULL,
                                                 VT_EMPTY, VT_DATE));
  for (std::size_t i = 0; i < args.size(); ++i) EXPECT_EQ(call.values[i], args[i].value) << i;
}

TEST(DispatchAdapter, ByReferenceArgumentsCarryTheHostsAnswerBack) {
  RecordingDispatch host;
  host.answer = false;
  host.writeBack = [](std::size_t index, VARIANT& arg) {
    ASSERT_EQ(arg.vt, VT_BYREF | VT_VARIANT);
    // The host replaces the value it was given, as an automation server does.
    VariantClear(arg.pvarVal);
    arg.pvarVal->vt = VT_BSTR;
    arg.pvarVal->bstrVal = SysAllocString(win32::Wide("第" + std::to_string(index) + "行出错").c_str());
  };
  win32::DispatchAdapter adapter(&host);
  std::vector<HostArg> args{{base::Variant("in"), false}, {base::Variant("data"), true}};

  EXPECT_EQ(adapter.Invoke(3, args), base::Variant(false));

  EXPECT_EQ(host.calls[0].values[1], base::Variant("data"));  // the host saw the original
  EXPECT_EQ(args[0].value, base::Variant("in"));
  EXPECT_EQ(args[1].value, base::Variant("第1行出错"));
}

TEST(DispatchAdapter, AFailedCallThrowsWithTheHostsDescription) {
  struct Case {
    HRESULT failure;
    const char* description;
    const char* expectedText;
  };
  for (const Case& c : {Case{DISP_E_EXCEPTION, "数据库连接已断开", "数据库连接已断开"},
                        Case{DISP_E_MEMBERNOTFOUND, "", "0x80020003"}}) {
    RecordingDispatch host;
    host.failure = c.failure;
    host.failureDescription = c.description;
    win32::DispatchAdapter adapter(&host);
    std::vector<HostArg> args{{base::Variant(1)}};
    try {
      adapter.Invoke(41, args);
      ADD_FAILURE() << "no exception for " << c.expectedText;
    } catch (const win32::HostCallError& error) {
      EXPECT_EQ(error.Result(), c.failure);
      EXPECT_THAT(error.what(), ::testing::HasSubstr(c.expectedText));
      EXPECT_THAT(error.what(), ::testing::HasSubstr("41"));
    }
  }
}

TEST(DispatchAdapter, AnArgumentThatCannotCrossStopsTheCallBeforeTheHost) {
  RecordingDispatch host;
  win32::DispatchAdapter adapter(&host);
  std::vector<HostArg> args{{base::Variant(std::vector<std::uint8_t>{1})}};
  EXPECT_THROW(adapter.Invoke(1, args), base::VariantError);
  EXPECT_TRUE(host.calls.empty());
}

}  // namespace
