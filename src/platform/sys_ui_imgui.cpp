// The window's menu bar and the open dialog, drawn with Dear ImGui over each
// frame just before it is shown, whoever drew the frame.

#include <backends/imgui_impl_opengl2.h>
#include <backends/imgui_impl_sdl.h>
#include <imgui.h>

#include <algorithm>
#include <cfloat>
#include <cstring>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/sys_dialog.h"
#include "platform/sys_events.h"
#include "platform/sys_headless.h"
#include "platform/sys_internal.h"
#include "platform/sys_picture_fit.h"
#include "platform/sys_video.h"

namespace {

struct UiState {
    std::string notice;
    std::string banner;
    float bannerHeight = 0.5f;
    std::set<int> checked;  // menu commands shown with a check mark
    bool started = false;
    int frameCount = 0;
    ImVec2 scriptedPos{-1.0f, -1.0f};
    bool scriptedDown = false;
};
UiState g_ui;

constexpr int kSettleFrames = 3;  // menus settle over a few frames: hover, open, close
// Dialog units in pixels, for the menu font (wider than a classic dialog font).
constexpr float kUnitX = 2.0f, kUnitY = 1.625f;
constexpr ImGuiWindowFlags kDialogFlags = ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoMove |
                                          ImGuiWindowFlags_NoSavedSettings |
                                          ImGuiWindowFlags_NoScrollbar;

std::string WithoutAccessMarks(std::string label) {
    label.erase(std::remove(label.begin(), label.end(), '&'), label.end());
    return label;
}

void Start() {
    ImGui::CreateContext();
    ImGui::GetIO().IniFilename = nullptr;
    ImGui::GetIO().ConfigFlags |= ImGuiConfigFlags_NoMouseCursorChange;
    ImGui::StyleColorsLight();
    ImGui::GetStyle().FramePadding.y = 3.5f;  // a 20-pixel menu bar strip
    ImGui::GetStyle().WindowRounding = 0.0f;
    ImGui_ImplSDL2_InitForOpenGL(SDL_GL_GetCurrentWindow(), SDL_GL_GetCurrentContext());
    ImGui_ImplOpenGL2_Init();
    g_ui.started = true;
}

// A list's choice accepted by the mouse; a recorder sees the command it
// carries out (keys that accept one are seen as keys).
void AcceptChoice(const Dialog& dialog) {
    if (Sys_CommandObserver)
        Sys_CommandObserver(dialog.choiceCommand + Sys_DialogHighlight(), false);
    Sys_AcceptDialog();
}

void Choose(int command, bool dialogOk) {
    if (Sys_CommandObserver)
        Sys_CommandObserver(command, dialogOk);
    if (dialogOk)
        Sys_CloseDialog();
    else
        Sys_PushEvent({EventType::Command, command});
}

// The choices fill the room between the text and the buttons, scrolling when
// there are more; a click highlights one, a double click accepts it.
void DrawChoices(const Dialog& dialog, float title) {
    const float top = ImGui::GetCursorPosY() + 4.0f;
    const float height = dialog.okY * kUnitY + title - top - 6.0f;
    ImGui::SetCursorPos(ImVec2(dialog.textX * kUnitX, top));
    ImGui::BeginChild("choices", ImVec2((dialog.width - 2 * dialog.textX) * kUnitX, height), true);
    const std::vector<std::string>& choices = *dialog.choices;
    bool accepted = false;
    for (size_t i = 0; i < choices.size(); ++i) {
        const bool highlighted = static_cast<int>(i) == Sys_DialogHighlight();
        if (ImGui::Selectable(choices[i].c_str(), highlighted,
                              ImGuiSelectableFlags_AllowDoubleClick)) {
            Sys_HighlightChoice(static_cast<int>(i));
            accepted = accepted || ImGui::IsMouseDoubleClicked(0);
        }
        if (highlighted && ImGui::IsWindowAppearing())
            ImGui::SetScrollHereY();
    }
    ImGui::EndChild();
    if (accepted)
        AcceptChoice(dialog);
}

void DrawButtons(const Dialog& dialog, float title) {
    const ImVec2 size(dialog.okWidth * kUnitX, dialog.okHeight * kUnitY);
    ImGui::SetCursorPos(ImVec2(dialog.okX * kUnitX, dialog.okY * kUnitY + title));
    if (ImGui::Button("OK", size)) {
        if (dialog.choices)
            return AcceptChoice(dialog);
        return Choose(0, true);
    }
    if (!dialog.choices)
        return;
    ImGui::SameLine();
    if (ImGui::Button("Cancel", size))
        Choose(kDialogCancelled, true);
}

void DrawMenuBar() {
    if (Sys_Menu().empty() || !ImGui::BeginMainMenuBar())
        return;
    for (const MenuPopup& popup : Sys_Menu()) {
        bool open = ImGui::BeginMenu(WithoutAccessMarks(popup.label).c_str());
        for (size_t i = 0; open && i < popup.items.size(); ++i) {
            const std::string label = WithoutAccessMarks(popup.items[i].label);
            const size_t tab = label.find('\t');
            const std::string shortcut = tab == std::string::npos ? "" : label.substr(tab + 1);
            const bool checked = g_ui.checked.count(popup.items[i].command) > 0;
            if (ImGui::MenuItem(label.substr(0, tab).c_str(), shortcut.c_str(), checked))
                Choose(popup.items[i].command, false);
        }
        if (open)
            ImGui::EndMenu();
    }
    ImGui::EndMainMenuBar();
}

// The text's lines as two columns: before and after each line's tab.
std::vector<std::pair<std::string, std::string>> Columns(const char* text) {
    std::vector<std::pair<std::string, std::string>> rows;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const size_t tab = std::min(line.find('\t'), line.size());
        rows.emplace_back(line.substr(0, tab), line.substr(std::min(tab + 1, line.size())));
    }
    return rows;
}

// Two columns a font height apart, the block centred across the dialog.
void DrawColumns(const Dialog& dialog, float title) {
    float keys = 0.0f, rest = 0.0f;
    const auto rows = Columns(dialog.text);
    for (const auto& row : rows) {
        keys = std::max(keys, ImGui::CalcTextSize(row.first.c_str()).x);
        rest = std::max(rest, ImGui::CalcTextSize(row.second.c_str()).x);
    }
    const float gap = ImGui::GetFontSize();
    const float left = (dialog.width * kUnitX - keys - gap - rest) / 2.0f;
    float y = dialog.textY * kUnitY + title;
    for (const auto& row : rows) {
        ImGui::SetCursorPos(ImVec2(left, y));
        ImGui::TextUnformatted(row.first.c_str());
        ImGui::SetCursorPos(ImVec2(left + keys + gap, y));
        ImGui::TextUnformatted(row.second.c_str());
        y += ImGui::GetTextLineHeightWithSpacing();
    }
}

void DrawDialogText(const Dialog& dialog, float title) {
    if (std::strchr(dialog.text, '\t'))
        return DrawColumns(dialog, title);
    ImGui::SetCursorPos(ImVec2(dialog.textX * kUnitX, dialog.textY * kUnitY + title));
    ImGui::TextUnformatted(dialog.text);
}

// A modal window without a close box: only OK (or a list's Cancel) closes it. It opens once the
// menu bar was drawn before, as a popup opened on the first frame closes again.
void DrawDialog(const Dialog& dialog) {
    std::string id = std::string(dialog.caption) + "##dialog";
    if (!ImGui::IsPopupOpen(id.c_str()) && g_ui.frameCount > 1)
        ImGui::OpenPopup(id.c_str());
    float title = ImGui::GetFrameHeight();
    ImVec2 size = ImGui::GetIO().DisplaySize;
    ImGui::SetNextWindowSize(ImVec2(dialog.width * kUnitX, dialog.height * kUnitY + title));
    ImGui::SetNextWindowPos(ImVec2(size.x / 2, size.y / 2), ImGuiCond_Always, ImVec2(0.5f, 0.5f));
    if (!ImGui::BeginPopupModal(id.c_str(), nullptr, kDialogFlags))
        return;
    DrawDialogText(dialog, title);
    if (dialog.choices)
        DrawChoices(dialog, title);
    DrawButtons(dialog, title);
    ImGui::EndPopup();
}

// Where and how large a text is shown over every frame: light text on a dark
// band, readable over any scene.
struct TextBand {
    const char* id;
    ImVec2 at, pivot;  // the band's pivot (a share of its size) stands at `at`
    float alpha;
    ImVec2 padding;
    float fontScale;
};

void DrawTextBand(const std::string& text, const TextBand& band) {
    if (text.empty())
        return;
    ImGui::SetNextWindowPos(band.at, ImGuiCond_Always, band.pivot);
    ImGui::SetNextWindowBgAlpha(band.alpha);
    ImGui::PushStyleColor(ImGuiCol_WindowBg, IM_COL32(20, 20, 28, 255));
    ImGui::PushStyleColor(ImGuiCol_Text, IM_COL32(255, 236, 140, 255));
    ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, band.padding);
    const ImGuiWindowFlags flags = ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoInputs |
                                   ImGuiWindowFlags_AlwaysAutoResize |
                                   ImGuiWindowFlags_NoSavedSettings |
                                   ImGuiWindowFlags_NoFocusOnAppearing;
    if (ImGui::Begin(band.id, nullptr, flags)) {
        ImGui::SetWindowFontScale(band.fontScale);
        ImGui::TextUnformatted(text.c_str());
    }
    ImGui::End();
    ImGui::PopStyleVar();
    ImGui::PopStyleColor(2);
}

// A line at the foot of the window.
void DrawNotice() {
    const ImVec2 size = ImGui::GetIO().DisplaySize;
    DrawTextBand(g_ui.notice, {"##notice", ImVec2(size.x / 2, size.y - 16.0f), ImVec2(0.5f, 1.0f),
                               0.75f, ImGui::GetStyle().WindowPadding, 1.0f});
}

// Twice the menu's font, centred across the window at its height.
void DrawBanner() {
    const ImVec2 size = ImGui::GetIO().DisplaySize;
    DrawTextBand(g_ui.banner, {"##banner", ImVec2(size.x / 2, size.y * g_ui.bannerHeight),
                               ImVec2(0.5f, 0.5f), 0.8f, ImVec2(24.0f, 16.0f), 2.0f});
}

// In full screen the menu and dialogs are drawn into the picture at its own
// size, and the pointer on the screen is taken to the picture's point.
void FitToPicture() {
    int width = 0, height = 0;
    ScreenRect shown;
    if (!Sys_FullScreenPicture(&width, &height, &shown))
        return;
    ImGuiIO& io = ImGui::GetIO();
    io.DisplaySize = ImVec2(static_cast<float>(width), static_cast<float>(height));
    io.DisplayFramebufferScale = ImVec2(1.0f, 1.0f);
    if (io.MousePos.x > -FLT_MAX)
        ScreenToPicture(shown, width, height, &io.MousePos.x, &io.MousePos.y);
}

}  // namespace

void Sys_SetBanner(const char* text, float height) {
    if (g_ui.banner == text && g_ui.bannerHeight == height)
        return;
    g_ui.banner = text;
    g_ui.bannerHeight = height;
    Sys_WantPaint(kSettleFrames);
}

void Sys_SetMenuChecked(int command, bool checked) {
    if (checked)
        g_ui.checked.insert(command);
    else
        g_ui.checked.erase(command);
}

void Sys_SetNotice(const char* text) {
    if (g_ui.notice == text)
        return;
    g_ui.notice = text;
    Sys_WantPaint(kSettleFrames);
}

void UI_Draw() {
    if (!g_ui.started)
        Start();
    ImGui_ImplOpenGL2_NewFrame();
    ImGui_ImplSDL2_NewFrame();
    if (Sys_Backend()->scriptedPointer) {
        ImGui::GetIO().MousePos = g_ui.scriptedPos;
        ImGui::GetIO().MouseDown[0] = g_ui.scriptedDown;
    }
    FitToPicture();
    ImGui::NewFrame();
    DrawNotice();
    DrawBanner();
    DrawMenuBar();
    if (const Dialog* dialog = Sys_ShownDialog())
        DrawDialog(*dialog);
    ImGui::Render();
    ImGui_ImplOpenGL2_RenderDrawData(ImGui::GetDrawData());
    ++g_ui.frameCount;
}

void UI_ProcessEvent(const SDL_Event& event) {
    if (g_ui.started)
        ImGui_ImplSDL2_ProcessEvent(&event);
    Sys_WantPaint(g_ui.started ? kSettleFrames : 0);
}

void Headless_Mouse(int x, int y, bool down) {
    g_ui.scriptedPos = ImVec2(static_cast<float>(x), static_cast<float>(y));
    g_ui.scriptedDown = down;
    Sys_WantPaint(kSettleFrames);
}

void UI_Shutdown() {
    if (g_ui.started) {
        ImGui_ImplOpenGL2_Shutdown();
        ImGui_ImplSDL2_Shutdown();
        ImGui::DestroyContext();
    }
    g_ui = UiState();
}
