#pragma once
// Drawing one frame of the game into the GL window.

// The scene renderer's Render: draw, then show the frame.
void DrawFrame();
