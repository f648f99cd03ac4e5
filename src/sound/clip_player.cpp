#include "sound/clip_player.h"

#include "files/program_paths.h"

#include <QDir>
#include <QFileInfo>

namespace tombolix {

void ClipPlayer::PlayClip(const QString& name) {
  if (!enabled_ || device_.CurrentState() != MediaDevice::State::Stopped) return;
  const QDir folder(folder_);
  const QString mp3 = folder.filePath(name + QStringLiteral(".mp3"));
  const QString path = QFileInfo(mp3).isFile() ? mp3 : folder.filePath(name + QStringLiteral(".wav"));
  if (device_.Open(path)) device_.Play();
}

void ClipPlayer::PlayClip(int clipNumber) { PlayClip(program_paths::Clip(clipNumber)); }

}  // namespace tombolix
