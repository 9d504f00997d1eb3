#pragma once
// Keeps a copy of the last frame shown on screen, so that a picture of the
// screen at a given time can be written as PNG.

#include <string>
#include <vector>

constexpr int kShotWidth = 800;
constexpr int kShotHeight = 600;

class ScreenGrabber {
  public:
    // Copies every frame just before it is shown while installed and wanted.
    void Install(bool on);
    void SetWanted(bool wanted) { wanted_ = wanted; }
    // Writes the last frame (black before the first); false when the file
    // cannot be written.
    bool WritePng(const std::string& path) const;

    void Grab();

  private:
    std::vector<unsigned char> pixels_;  // bottom row first, as GL reads them
    bool wanted_ = false;
};
