#pragma once
// The library's three entry points, as a C or C++ host declares them. Each opens
// one screen inside `hostPanel` and returns at once; see docs/host-contract.md.
#include <windows.h>
#include <oaidl.h>

#ifdef __cplusplus
extern "C" {
#endif

// Approval-form auto-generation ("审批表自动生成").
void __stdcall GetFormOne(int unused, HWND hostWindow, const unsigned char* operatorShortString,
                          HWND hostPanel, IDispatch* hostService);
// Approval-form batch import ("审批表成批导入").
void __stdcall GetFormImp(int unused, HWND hostWindow, const unsigned char* operatorShortString,
                          HWND hostPanel, IDispatch* hostService);
// Payment-voucher auto-generation ("付款单自动生成").
void __stdcall GetFormExp(int unused, HWND hostWindow, const unsigned char* operatorShortString,
                          HWND hostPanel, IDispatch* hostService);

#ifdef __cplusplus
}
#endif

#ifdef __cplusplus
// The type of each entry point, for hosts that load the library at run time.
using FeeScreensEntry = decltype(&GetFormOne);
#endif
