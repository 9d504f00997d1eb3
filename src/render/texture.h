#pragma once
// JPEG files made into mipmapped GL textures.

// Loads the JPEG at path into a texture whose name is stored in
// textures[index], and leaves it bound. A file already loaded gives the
// texture made of it the first time (each file is decoded once). A null path
// does nothing. A file that cannot be read is reported as a fatal picture
// error ("Error loading jpg file."), which ends the game; where the handler
// returns, the entry is left as it was.
void LoadJpegTexture(int* textures, const char* path, int index);

// With uploads off (a run that draws nothing), files are still decoded and a
// bad one is still reported, but no GL call is made: each texture gets a
// distinct made-up name instead.
void SetTextureUploadEnabled(bool enabled);

// Forgets the textures made so far, when the GL context that holds them ends.
void ForgetTextures();
