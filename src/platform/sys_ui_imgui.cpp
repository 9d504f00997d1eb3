// The main window's menu bar and the modal dialogs, drawn with Dear ImGui
// over every frame just before the buffers are swapped, whoever drew the
// frame (the game, or a paint of the GL window).

#include <GL/gl.h>
#include <backends/imgui_impl_opengl2.h>
#include <backends/imgui_impl_sdl.h>
#include <imgui.h>

#include <string>
#include <vector>

#include "platform/sys_backend.h"
#include "platform/sys_gl_surface.h"
#include "platform/sys_headless.h"
#include "platform/sys_native.h"

namespace {

struct ItemCenter {
    std::string label;
    ImVec2 center;
};

struct UiState {
    bool started = false;
    int framesWanted = 0;
    int frameCount = 0;
    ImVec2 scriptedPos{-1.0f, -1.0f};
    bool scriptedDown = false;
    std::vector<ItemCenter> centers;
};
UiState g_ui;

// Dialog units in pixels, sized for the menu font (wider than a classic dialog font).
constexpr float kUnitX = 2.0f;
constexpr float kUnitY = 1.625f;

std::string WithoutAccessMarks(const char* label) {
    std::string plain;
    for (const char* c = label; *c; ++c)
        if (*c != '&')
            plain += *c;
    return plain;
}

void RecordItem(const char* label) {
    ImVec2 min = ImGui::GetItemRectMin();
    ImVec2 max = ImGui::GetItemRectMax();
    g_ui.centers.push_back({label, ImVec2((min.x + max.x) / 2, (min.y + max.y) / 2)});
}

bool Start(SDL_Window* window) {
    IMGUI_CHECKVERSION();
    ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    io.ConfigFlags |= ImGuiConfigFlags_NoMouseCursorChange;
    ImGui::StyleColorsLight();
    ImGui::GetStyle().FramePadding.y = 3.5f;  // a 20-pixel menu bar strip
    ImGui::GetStyle().WindowRounding = 0.0f;
    ImGui_ImplSDL2_InitForOpenGL(window, SDL_GL_GetCurrentContext());
    ImGui_ImplOpenGL2_Init();
    g_ui.started = true;
    return true;
}

// A click on a menu item or a dialog's button: the command goes to its window.
void ClickCommand(HWND window, int command, bool dialogButton) {
    if (Sys_CommandObserver)
        Sys_CommandObserver(command, dialogButton);
    PostMessage(window, WM_COMMAND, static_cast<WPARAM>(command), 0);
}

void DrawMenuBar(HWND main) {
    const MenuResource* menu = Sys_FindMenuResource(main->menuId);
    if (!menu || !ImGui::BeginMainMenuBar())
        return;
    for (int p = 0; p < menu->popupCount; ++p) {
        const MenuPopupResource& popup = menu->popups[p];
        bool open = ImGui::BeginMenu(WithoutAccessMarks(popup.label).c_str());
        RecordItem(popup.label);
        if (!open)
            continue;
        for (int i = 0; i < popup.itemCount; ++i) {
            const MenuItemResource& item = popup.items[i];
            if (ImGui::MenuItem(WithoutAccessMarks(item.label).c_str()))
                ClickCommand(main, item.command, false);
            RecordItem(item.label);
        }
        ImGui::EndMenu();
    }
    ImGui::EndMainMenuBar();
}

// A modal window without a close box: Escape does not close it, only OK.
// It is opened only once the menu bar has been drawn on an earlier frame,
// since a popup opened on the first frame is closed again.
void DrawDialog(HWND dialog) {
    const DialogResource& res = *dialog->dialog;
    std::string id = std::string(res.caption) + "##dialog" + std::to_string(res.id);
    if (!ImGui::IsPopupOpen(id.c_str()) && g_ui.frameCount > 1)
        ImGui::OpenPopup(id.c_str());
    float title = ImGui::GetFrameHeight();
    ImGuiIO& io = ImGui::GetIO();
    ImGui::SetNextWindowSize(ImVec2(res.width * kUnitX, res.height * kUnitY + title));
    ImGui::SetNextWindowPos(ImVec2(io.DisplaySize.x / 2, io.DisplaySize.y / 2), ImGuiCond_Always,
                            ImVec2(0.5f, 0.5f));
    ImGuiWindowFlags flags = ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoMove |
                             ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_NoScrollbar;
    if (!ImGui::BeginPopupModal(id.c_str(), nullptr, flags))
        return;
    ImGui::SetCursorPos(ImVec2(res.textX * kUnitX, res.textY * kUnitY + title));
    ImGui::TextUnformatted(res.text);
    ImGui::SetCursorPos(ImVec2(res.okX * kUnitX, res.okY * kUnitY + title));
    if (ImGui::Button("OK", ImVec2(res.okWidth * kUnitX, res.okHeight * kUnitY)))
        ClickCommand(dialog, IDOK, true);
    RecordItem("OK");
    ImGui::EndPopup();
}

void ApplyScriptedPointer() {
    if (!Sys_Backend() || !Sys_Backend()->ScriptedPointer())
        return;
    ImGuiIO& io = ImGui::GetIO();
    io.MousePos = g_ui.scriptedPos;
    io.MouseDown[0] = g_ui.scriptedDown;
}

}  // namespace

void UI_BeforeSwap(GLSurface* surface) {
    HWND main = Sys_MainWindow();
    if (!surface || !surface->window || surface->owner != main || !main)
        return;
    if (!g_ui.started && !Start(surface->window))
        return;
    ImGui_ImplOpenGL2_NewFrame();
    ImGui_ImplSDL2_NewFrame();
    ApplyScriptedPointer();
    ImGui::NewFrame();
    g_ui.centers.clear();
    DrawMenuBar(main);
    if (HWND dialog = Sys_ActiveDialog())
        DrawDialog(dialog);
    ImGui::Render();
    ImGui_ImplOpenGL2_RenderDrawData(ImGui::GetDrawData());
    ++g_ui.frameCount;
    if (g_ui.framesWanted > 0 && --g_ui.framesWanted > 0)
        Sys_InvalidateAll();
}

bool UI_ProcessEvent(const SDL_Event* event) {
    if (!g_ui.started)
        return false;
    ImGui_ImplSDL2_ProcessEvent(event);
    UI_WantFrames();
    bool mouse = event->type == SDL_MOUSEMOTION || event->type == SDL_MOUSEBUTTONDOWN ||
                 event->type == SDL_MOUSEBUTTONUP || event->type == SDL_MOUSEWHEEL;
    return mouse && ImGui::GetIO().WantCaptureMouse;
}

// Menus settle over a few frames (hover, open, close), so input asks for three.
void UI_WantFrames() {
    g_ui.framesWanted = 3;
    Sys_InvalidateAll();
}

void UI_ScriptPointer(int x, int y, bool down) {
    g_ui.scriptedPos = ImVec2(static_cast<float>(x), static_cast<float>(y));
    g_ui.scriptedDown = down;
    UI_WantFrames();
}

void UI_Shutdown() {
    if (!g_ui.started)
        return;
    ImGui_ImplOpenGL2_Shutdown();
    ImGui_ImplSDL2_Shutdown();
    ImGui::DestroyContext();
    g_ui = UiState();
}

bool Sys_MenuItemCenter(const char* label, int* x, int* y) {
    for (const ItemCenter& item : g_ui.centers)
        if (item.label == label) {
            *x = static_cast<int>(item.center.x);
            *y = static_cast<int>(item.center.y);
            return true;
        }
    return false;
}
