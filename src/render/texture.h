#pragma once
// JPEG files made into mipmapped GL textures.

// Exit status after a texture that cannot be read: the box says the game
// cannot go on, so the program must not report success.
constexpr int kJpegExitStatus = 3;

// Loads the JPEG at path into a texture whose name is stored in
// textures[index], and leaves it bound. A file already loaded gives the
// texture made of it the first time (each file is decoded once). A null path
// does nothing. A file that cannot be read shows "Error loading jpg file."
// and ends the program.
void LoadJpegTexture(int* textures, const char* path, int index);

// With uploads off (a run that draws nothing), files are still decoded and a
// bad one still ends the program, but no GL call is made: each texture gets a
// distinct made-up name instead.
void SetTextureUploadEnabled(bool enabled);
bool TextureUploadEnabled();

// Forgets the textures made so far, when the GL context that holds them ends.
void ForgetTextures();
