#include "pages/animation_control.h"

#include <QPainter>
#include <algorithm>

#include "pages/avi_reader.h"
#include "platform/files.h"

namespace pages {

namespace {

constexpr int kMicrosecondsPerMillisecond = 1000;
constexpr std::uint32_t kOpaque = 0xFF000000;

}  // namespace

AnimationControl::AnimationControl(QWidget* parent) : QWidget(parent) {
  connect(&timer_, &QTimer::timeout, this, [this] { NextFrame(); });
}

bool AnimationControl::Open(const std::string& path) {
  timer_.stop();
  frames_.clear();
  current_ = 0;
  std::string bytes;
  AviClip clip;
  if (platform::ReadWholeFile(path, bytes) != 0 || !ReadAvi(bytes, clip)) {
    update();
    return false;
  }
  const std::uint32_t background = clip.frames.front().front();
  for (std::vector<std::uint32_t>& pixels : clip.frames) {
    for (std::uint32_t& pixel : pixels) {
      if (pixel == background) pixel &= ~kOpaque;
    }
    const QImage frame(reinterpret_cast<const uchar*>(pixels.data()), clip.width, clip.height, QImage::Format_ARGB32);
    frames_.push_back(frame.copy());
  }
  resize(clip.width, clip.height);
  const int milliseconds = clip.frame_microseconds == 0
                               ? kDefaultFrameMilliseconds
                               : static_cast<int>(clip.frame_microseconds / kMicrosecondsPerMillisecond);
  timer_.setInterval(std::max(milliseconds, kMinFrameMilliseconds));
  if (isVisible()) timer_.start();
  update();
  return true;
}

void AnimationControl::showEvent(QShowEvent*) {
  if (!frames_.empty()) timer_.start();
}

void AnimationControl::hideEvent(QHideEvent*) { timer_.stop(); }

void AnimationControl::NextFrame() {
  if (frames_.empty()) return;
  current_ = (current_ + 1) % frames_.size();
  update();
}

void AnimationControl::paintEvent(QPaintEvent*) {
  if (frames_.empty()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, frames_[current_]);
}

}  // namespace pages
