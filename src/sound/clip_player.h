#pragma once

#include <QString>

namespace tombolix {

// The one media device the program plays clips on (the "med" alias).
class MediaDevice {
 public:
  enum class State { Stopped = 0, Playing = 1, Paused = 2 };
  virtual ~MediaDevice() = default;
  virtual State CurrentState() const = 0;
  // Closes whatever is open, then opens the file; false when it could not be opened.
  virtual bool Open(const QString& path) = 0;
  // Starts playing what is open; returns at once. Does nothing when nothing is open.
  virtual void Play() = 0;
};

// Plays voice clips "KiRVA/KiRVA-n" (mp3 preferred, wav as fall-back) without
// ever overlapping: a request while a clip plays or is paused is ignored.
class ClipPlayer {
 public:
  ClipPlayer(MediaDevice& device, QString programFolder) : device_(device), folder_(std::move(programFolder)) {}
  // name: relative path without extension, e.g. "KiRVA/KiRVA-11".
  void PlayClip(const QString& name);
  void PlayClip(int clipNumber);  // "KiRVA/KiRVA-<n>"
  void SetEnabled(bool enabled) { enabled_ = enabled; }

 private:
  MediaDevice& device_;
  QString folder_;
  bool enabled_ = true;
};

}  // namespace tombolix
