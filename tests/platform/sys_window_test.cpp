#include "platform/sys_window.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/sys_clock.h"
#include "platform/sys_dialog.h"
#include "platform/sys_headless.h"
#include "platform/sys_main.h"
#include "platform/sys_resource.h"

namespace {

std::vector<MSG> g_seen;

LRESULT RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    g_seen.push_back(MSG{window, message, wParam, lParam});
    return DefWindowProc(window, message, wParam, lParam);
}

LRESULT RefusingProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_CREATE ? -1 : 0;
}

class SysWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        g_seen.clear();
        Sys_StartHeadless(HeadlessOptions());
        Register("Recorder", RecordingProc, 2);
    }
    void TearDown() override { Sys_Stop(); }

    static void Register(const char* name, WNDPROC proc, int extra) {
        WNDCLASSEX cls{};
        cls.lpfnWndProc = proc;
        cls.cbWndExtra = extra;
        cls.lpszClassName = name;
        ASSERT_TRUE(RegisterClassEx(&cls));
    }
    static HWND Make(HWND parent = nullptr, uint32_t style = WS_OVERLAPPED) {
        return CreateWindowEx(0, "Recorder", "t", style, 0, 0, 100, 50, parent, 0, nullptr,
                              nullptr);
    }
    static std::vector<UINT> Drain() {
        std::vector<UINT> got;
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            got.push_back(msg.message);
            if (msg.message == WM_QUIT)
                break;
            DispatchMessage(&msg);
        }
        return got;
    }
};

TEST_F(SysWindowTest, ClassesAreRegisteredOnceByName) {
    WNDCLASSEX again{};
    again.lpfnWndProc = RefusingProc;
    again.lpszClassName = "Recorder";
    EXPECT_FALSE(RegisterClassEx(&again));
    WNDCLASSEX found{};
    ASSERT_TRUE(GetClassInfoEx(nullptr, "Recorder", &found));
    EXPECT_EQ(found.lpfnWndProc, RecordingProc);
    EXPECT_EQ(CreateWindowEx(0, "Nobody", "", 0, 0, 0, 1, 1, nullptr, 0, nullptr, nullptr),
              nullptr);
}

TEST_F(SysWindowTest, CreationSendsCreateThenSizeAndCanBeRefused) {
    HWND window = Make();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(g_seen.size(), 2u);
    EXPECT_EQ(g_seen[0].message, WM_CREATE);
    EXPECT_EQ(g_seen[1].message, WM_SIZE);
    EXPECT_EQ(g_seen[1].lParam, MAKELPARAM(100, 50));
    Register("Refuser", RefusingProc, 0);
    EXPECT_EQ(CreateWindowEx(0, "Refuser", "", 0, 0, 0, 1, 1, nullptr, 0, nullptr, nullptr),
              nullptr);
}

TEST_F(SysWindowTest, QuitKeepsItsPlaceAndPaintComesLast) {
    HWND window = Make();
    ShowWindow(window, SW_SHOW);
    PostMessage(window, WM_KEYDOWN, 'A', 0);
    PostQuitMessage(0);
    PostMessage(window, WM_KEYDOWN, 'B', 0);
    EXPECT_EQ(Drain(), (std::vector<UINT>{WM_KEYDOWN, WM_QUIT}));
    EXPECT_EQ(Drain(), (std::vector<UINT>{WM_KEYDOWN, WM_PAINT}));
    EXPECT_TRUE(Drain().empty());
}

TEST_F(SysWindowTest, DestroyingTakesChildrenAndTheirQueuedMessages) {
    HWND parent = Make();
    HWND child = Make(parent, WS_CHILD | WS_VISIBLE);
    PostMessage(child, WM_KEYDOWN, 'C', 0);
    g_seen.clear();
    EXPECT_TRUE(DestroyWindow(parent));
    EXPECT_FALSE(IsWindow(child));
    ASSERT_EQ(g_seen.size(), 2u);
    EXPECT_EQ(g_seen[0].hwnd, parent);  // the parent hears WM_DESTROY first
    EXPECT_TRUE(Drain().empty());
    EXPECT_EQ(SendMessage(child, WM_KEYDOWN, 'D', 0), 0);
    EXPECT_FALSE(PostMessage(child, WM_KEYDOWN, 'D', 0));
}

TEST_F(SysWindowTest, ExtraMemoryOutsideItsSlotsIsNeitherReadNorWritten) {
    HWND window = Make();
    EXPECT_EQ(SetWindowLongPtr(window, 1, 42), 0);
    EXPECT_EQ(GetWindowLongPtr(window, 1), 42);
    EXPECT_EQ(SetWindowLongPtr(window, 2, 7), 0);
    EXPECT_EQ(SetWindowLongPtr(window, -1, 7), 0);
    EXPECT_EQ(GetWindowLongPtr(window, 2), 0);
}

TEST_F(SysWindowTest, ChildGeometryAndResizeMessages) {
    HWND parent = Make();
    HWND child = Make(parent, WS_CHILD | WS_VISIBLE);
    g_seen.clear();
    SetWindowPos(child, nullptr, 0, 0, 30, 0, 0);
    RECT rect;
    ASSERT_TRUE(GetWindowRect(child, &rect));
    EXPECT_EQ(rect.right, 30);
    EXPECT_EQ(rect.bottom, 0);
    ASSERT_EQ(g_seen.size(), 1u);
    EXPECT_EQ(g_seen[0].lParam, MAKELPARAM(30, 0));
    SetWindowPos(child, nullptr, 5, 5, 30, 0, 0);  // a move alone is no resize
    EXPECT_EQ(g_seen.size(), 1u);
}

TEST_F(SysWindowTest, AltF4ClosesThroughTheDefaultProcedure) {
    HWND window = Make();
    Headless_Key(VK_F4, true, false, true);
    g_seen.clear();
    Drain();
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(SysWindowTest, KeysOutsideTheTableAreNotDelivered) {
    WNDCLASSEX cls{};
    cls.lpfnWndProc = RecordingProc;
    cls.menuId = 7;  // the main window is the one with a menu
    cls.lpszClassName = "Main";
    ASSERT_TRUE(RegisterClassEx(&cls));
    CreateWindowEx(0, "Main", "", 0, 0, 0, 10, 10, nullptr, 0, nullptr, nullptr);
    Headless_Key(0x100, true);
    Headless_Key(-1, true);
    Headless_Key(VK_LEFT, true, true);
    g_seen.clear();
    Drain();
    ASSERT_EQ(g_seen.size(), 1u);
    EXPECT_EQ(g_seen[0].wParam, WPARAM(VK_LEFT));
    EXPECT_NE(g_seen[0].lParam & KF_REPEAT_BIT, 0);
}

TEST_F(SysWindowTest, VirtualClockMovesOnlyWhenWaitingOrTold) {
    Headless_SetClock(1000);
    EXPECT_EQ(GetTickCount(), 1000u);
    Headless_AdvanceClock(27);
    EXPECT_EQ(GetTickCount(), 1027u);
    Sys_WaitMessage(5);  // no script, nothing to close: time passes
    EXPECT_EQ(GetTickCount(), 1032u);
    HWND window = Make();
    PostMessage(window, WM_KEYDOWN, 'A', 0);
    Sys_WaitMessage(5);  // a message waits: no sleep
    EXPECT_EQ(GetTickCount(), 1032u);
}

// The dialog procedure: OK ends the dialog, everything else is refused.
std::vector<WPARAM> g_dialogCommands;
intptr_t OkOnlyProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_COMMAND)
        return 0;
    g_dialogCommands.push_back(wParam);
    if (LOWORD(wParam) != IDOK)
        return 0;
    EndDialog(dialog, 7);
    return 1;
}

TEST_F(SysWindowTest, ModalDialogTakesKeysAndEndsOnlyOnOk) {
    static const char kText[] = "Line one\nLine two";
    Sys_RegisterDialogResource({900, "Test", 100, 50, 5, 5, 90, 20, kText, 25, 30, 50, 14});
    HWND owner = Make();
    g_dialogCommands.clear();
    g_seen.clear();
    Headless_AddStep([] {
        Headless_Key(VK_ESCAPE, true);
        Headless_Key('A', true);
    });
    Headless_AddStep([] {
        EXPECT_NE(Sys_ActiveDialog(), nullptr);
        Headless_Key(VK_RETURN, true);
    });
    EXPECT_EQ(DialogBoxParam(nullptr, 900, owner, OkOnlyProc, 0), 7);
    EXPECT_EQ(g_dialogCommands, (std::vector<WPARAM>{IDCANCEL, IDOK}));
    for (const MSG& msg : g_seen)
        EXPECT_NE(msg.message, WM_KEYDOWN);  // no key reached the window behind
    ASSERT_EQ(Headless_Shown().size(), 1u);
    EXPECT_EQ(Headless_Shown()[0].caption, "Test");
    EXPECT_EQ(Sys_ActiveDialog(), nullptr);
    EXPECT_EQ(DialogBoxParam(nullptr, 901, owner, OkOnlyProc, 0), -1);
}

TEST_F(SysWindowTest, HeadlessAnswersBoxesAndIdleDialogsWithOk) {
    Sys_RegisterDialogResource({902, "Idle", 100, 50, 5, 5, 90, 20, "x", 25, 30, 50, 14});
    EXPECT_EQ(Sys_MessageBox("Boom", "ERROR", MB_OK | MB_ICONHAND), IDOK);
    g_dialogCommands.clear();
    EXPECT_EQ(DialogBoxParam(nullptr, 902, Make(), OkOnlyProc, 0), 7);
    ASSERT_EQ(Headless_Shown().size(), 2u);
    EXPECT_EQ(Headless_Shown()[0].type, unsigned(MB_ICONHAND));
    EXPECT_FALSE(Headless_Shown()[0].dialog);
    EXPECT_TRUE(Headless_Shown()[1].dialog);
}

}  // namespace
