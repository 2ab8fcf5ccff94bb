// An animation object's window: plays an AVI clip of the medium from its
// first frame to its last, over and over, with the clip's background
// colour (that of its first pixel) left out so the page shows through.
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <cstddef>
#include <string>
#include <vector>

namespace pages {

class AnimationControl : public QWidget {
 public:
  // How long a frame shows when the clip does not say.
  static constexpr int kDefaultFrameMilliseconds = 100;
  // The shortest time a frame shows, whatever the clip says.
  static constexpr int kMinFrameMilliseconds = 10;

  explicit AnimationControl(QWidget* parent);

  // Reads the AVI file `path` (a Windows path), sizes the window to its
  // frames and plays them while the window is shown (a page made ahead of
  // time costs no timer). False, with nothing to show, when the file
  // cannot be read or is no clip.
  bool Open(const std::string& path);
  // Shows the next frame; after the last, the first again.
  void NextFrame();

  std::size_t FrameCount() const { return frames_.size(); }
  std::size_t CurrentFrame() const { return current_; }
  bool IsPlaying() const { return timer_.isActive(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  std::vector<QImage> frames_;
  std::size_t current_ = 0;
  QTimer timer_;
};

}  // namespace pages
