#include "sound/clip_player.h"
#include "support/fake_platform.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace tombolix::test {
namespace {

class ClipPlayerTest : public ::testing::Test {
 protected:
  QString Clip(const QString& file) { return folder.FilePath(QStringLiteral("KiRVA/") + file); }

  TempFolder folder;
  test::FakeMediaDevice device;
  ClipPlayer player{device, folder.Path()};
};

TEST_F(ClipPlayerTest, PrefersMp3AndFallsBackToWav) {
  folder.Write(QStringLiteral("KiRVA/KiRVA-4.wav"), "RIFF");
  folder.Write(QStringLiteral("KiRVA/KiRVA-11.mp3"), "ID3");
  folder.Write(QStringLiteral("KiRVA/KiRVA-11.wav"), "RIFF");
  player.PlayClip(4);
  player.PlayClip(QStringLiteral("KiRVA/KiRVA-11"));
  EXPECT_EQ(device.played, (QStringList{Clip(QStringLiteral("KiRVA-4.wav")), Clip(QStringLiteral("KiRVA-11.mp3"))}));
}

// A playing or paused clip is never overlapped, nor even closed.
TEST_F(ClipPlayerTest, NeverOverlapsAPlayingOrPausedClip) {
  folder.Write(QStringLiteral("KiRVA/KiRVA-6.mp3"), "ID3");
  device.stateAfterPlay = MediaDevice::State::Playing;
  for (const MediaDevice::State state : {MediaDevice::State::Playing, MediaDevice::State::Paused}) {
    player.PlayClip(6);
    device.state = state;
    player.PlayClip(6);
    EXPECT_EQ(device.opened.size(), 1);
    device.state = MediaDevice::State::Stopped;
    device.opened.clear();
  }
  EXPECT_EQ(device.played.size(), 2);
}

TEST_F(ClipPlayerTest, MissingFilesAndSwitchedOffPlayNothing) {
  player.PlayClip(12);
  EXPECT_EQ(device.opened, QStringList{Clip(QStringLiteral("KiRVA-12.wav"))});
  EXPECT_TRUE(device.played.isEmpty());
  folder.Write(QStringLiteral("KiRVA/KiRVA-12.mp3"), "ID3");
  player.SetEnabled(false);
  player.PlayClip(12);
  EXPECT_EQ(device.opened.size(), 1);
  EXPECT_TRUE(device.played.isEmpty());
}

}  // namespace
}  // namespace tombolix::test
