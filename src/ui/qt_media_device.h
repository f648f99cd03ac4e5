#pragma once

#include "sound/clip_player.h"

#include <memory>

class QAudioOutput;
class QMediaPlayer;

namespace tombolix {

// The clip device on Qt Multimedia. The player is made on the first Open, so a
// run that plays no clip never starts the media framework (it is slow to start).
// An audio output stays attached: without one, playback never ends.
class QtMediaDevice : public MediaDevice {
 public:
  QtMediaDevice();
  ~QtMediaDevice() override;

  State CurrentState() const override;
  bool Open(const QString& path) override;
  void Play() override;

 private:
  void EnsurePlayer();

  // The output outlives the player it is attached to.
  std::unique_ptr<QAudioOutput> output_;
  std::unique_ptr<QMediaPlayer> player_;
  bool open_ = false;
};

}  // namespace tombolix
