#include "ui/qt_media_device.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace tombolix {

QtMediaDevice::QtMediaDevice() = default;

QtMediaDevice::~QtMediaDevice() {
  if (player_) player_->stop();
}

void QtMediaDevice::EnsurePlayer() {
  if (player_) return;
  player_ = std::make_unique<QMediaPlayer>();
  output_ = std::make_unique<QAudioOutput>();
  player_->setAudioOutput(output_.get());
}

MediaDevice::State QtMediaDevice::CurrentState() const {
  if (!player_) return State::Stopped;
  switch (player_->playbackState()) {
    case QMediaPlayer::PlayingState:
      return State::Playing;
    case QMediaPlayer::PausedState:
      return State::Paused;
    default:
      return State::Stopped;
  }
}

bool QtMediaDevice::Open(const QString& path) {
  if (player_) {
    player_->stop();
    player_->setSource(QUrl());
  }
  open_ = false;
  const QFileInfo file(path);
  if (!file.isFile() || !file.isReadable()) return false;
  EnsurePlayer();
  player_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
  open_ = player_->error() == QMediaPlayer::NoError;
  return open_;
}

void QtMediaDevice::Play() {
  if (open_ && player_) player_->play();
}

}  // namespace tombolix
