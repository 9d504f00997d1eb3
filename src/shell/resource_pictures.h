#pragma once
// The pictures of the program's four cursors and its icon.

void RegisterPictureResources();
