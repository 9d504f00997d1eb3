#include "platform/sys_resource.h"

#include <vector>

namespace {
std::vector<MenuResource> g_menus;
std::vector<DialogResource> g_dialogs;
}  // namespace

void Sys_RegisterMenuResource(const MenuResource& menu) {
    for (MenuResource& known : g_menus)
        if (known.id == menu.id) {
            known = menu;
            return;
        }
    g_menus.push_back(menu);
}

void Sys_RegisterDialogResource(const DialogResource& dialog) {
    for (DialogResource& known : g_dialogs)
        if (known.id == dialog.id) {
            known = dialog;
            return;
        }
    g_dialogs.push_back(dialog);
}

const MenuResource* Sys_FindMenuResource(int id) {
    for (const MenuResource& menu : g_menus)
        if (menu.id == id)
            return &menu;
    return nullptr;
}

const DialogResource* Sys_FindDialogResource(int id) {
    for (const DialogResource& dialog : g_dialogs)
        if (dialog.id == id)
            return &dialog;
    return nullptr;
}
