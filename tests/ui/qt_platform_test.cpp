#include "ui/qt_platform.h"
#include "support/test_files.h"
#include "ui/desktop_launcher.h"
#include "ui/event_loop_wait.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

namespace tombolix {
namespace {

using test::TempFolder;

TEST(QtPlatformTest, OnlyOneInstanceHoldsAProgramFolder) {
  TempFolder temp;
  auto first = std::make_unique<QtPlatform>();
  QtPlatform second;
  EXPECT_TRUE(first->AcquireSingleInstance(temp.Path()));
  EXPECT_FALSE(second.AcquireSingleInstance(temp.Path()));
  first.reset();  // the first instance ends
  QtPlatform third;
  EXPECT_TRUE(third.AcquireSingleInstance(temp.Path()));
}

TEST(QtPlatformTest, ALockLeftByADeadProcessDoesNotBlockTheNextStart) {
  TempFolder temp;
  // A process that has ended: its number is free.
  QProcess gone;
  gone.start(QStringLiteral("true"), {});
  ASSERT_TRUE(gone.waitForFinished(5000));
  const qint64 deadPid = gone.processId() > 0 ? gone.processId() : 999999;
  temp.Write(QStringLiteral("Recursos/Tombolix.lock"),
             QByteArray::number(deadPid) + "\ntombolix\n" + QSysInfo::machineHostName().toUtf8() + "\n");
  QtPlatform platform;
  EXPECT_TRUE(platform.AcquireSingleInstance(temp.Path()));
}

TEST(QtPlatformTest, ALiveLockNeverGoesStale) {
  TempFolder temp;
  QtPlatform first;
  ASSERT_TRUE(first.AcquireSingleInstance(temp.Path()));
  // Make the lock look old: only a dead holder may be taken over.
  QFile lock(temp.FilePath(QStringLiteral("Recursos/Tombolix.lock")));
  ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
  ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime));
  lock.close();
  QtPlatform second;
  EXPECT_FALSE(second.AcquireSingleInstance(temp.Path()));
}

TEST(QtPlatformTest, LauncherStartsTheProgramInItsFolder) {
  TempFolder temp;
  QtPlatform platform;
  platform.SetDesktopFolder(temp.FilePath(QStringLiteral("Escritorio")));
  const QString launcher = platform.DesktopLauncherPath();
  EXPECT_EQ(launcher, temp.FilePath(QStringLiteral("Escritorio/Tombolix.desktop")));
  const QString folder = temp.MakeFolder(QStringLiteral("Mi Tombolix"));
  ASSERT_TRUE(platform.CreateDesktopLauncher(launcher, folder));
  const QString text = QString::fromUtf8(test::ReadFile(launcher));
  EXPECT_TRUE(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
  EXPECT_TRUE(
      text.contains(QStringLiteral("\nExec=\"") + QCoreApplication::applicationFilePath() + QStringLiteral("\"\n")));
  EXPECT_TRUE(text.contains(QStringLiteral("\nPath=") + folder + QLatin1Char('\n')));
  EXPECT_TRUE(text.contains(QStringLiteral("\nType=Application\n")));
  EXPECT_TRUE(QFile::permissions(launcher) & QFileDevice::ExeOwner);
  EXPECT_TRUE(text.contains(QStringLiteral("\nIcon=") + folder + QStringLiteral("/Recursos/Tombolix.png\n")));
  EXPECT_FALSE(QImage(folder + QStringLiteral("/Recursos/Tombolix.png")).isNull()) << "the icon is there";
}

TEST(QtPlatformTest, LauncherQuotesPathsThatLookLikeCommands) {
  const QString text =
      DesktopEntryText(QStringLiteral("/opt/a b/$HOME/\"x\"/50%/c\\d/tombolix"), QStringLiteral("/opt/a b\nc"));
  EXPECT_TRUE(text.contains(QStringLiteral("\nExec=\"/opt/a b/\\\\$HOME/\\\\\"x\\\\\"/50%%/c\\\\\\\\d/tombolix\"\n")))
      << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("\nPath=/opt/a b\\nc\n"))) << text.toStdString();
}

TEST(QtPlatformTest, YieldingRunsTheEventLoopAtMostOncePerInterval) {
  QtPlatform platform;
  int syncs = 0;
  QWidget window;
  platform.AttachWindow(&window, [&syncs] { ++syncs; });
  int delivered = 0;
  const auto post = [&delivered] {
    QMetaObject::invokeMethod(
        qApp, [&delivered] { ++delivered; }, Qt::QueuedConnection);
  };
  test::Idle(QtPlatform::kYieldIntervalMs + 5);
  post();
  platform.ProcessEvents();
  QElapsedTimer sinceYield;
  sinceYield.start();
  EXPECT_EQ(delivered, 1);
  EXPECT_EQ(syncs, 1) << "a real yield first brings the window up to date";

  post();
  for (int i = 0; i < 100; ++i) platform.ProcessEvents();
  // (A machine too busy to make 100 calls within the interval proves nothing here.)
  if (sinceYield.elapsed() < QtPlatform::kYieldIntervalMs) {
    EXPECT_EQ(delivered, 1) << "yields inside the interval cost nothing";
    EXPECT_EQ(syncs, 1);
  }

  QThread::msleep(QtPlatform::kYieldIntervalMs + 5);
  platform.ProcessEvents();
  EXPECT_EQ(delivered, 2);
}

TEST(QtPlatformTest, QuitEndsTheProcessAtTheNextYield) {
  QtPlatform platform;
  QWidget window;
  window.show();
  platform.AttachWindow(&window, [] {});
  int loopsLeft = 0;
  int ends = 0;
  platform.SetQuitActions([&loopsLeft] { ++loopsLeft; }, [&ends] { ++ends; });
  platform.ProcessEvents();
  EXPECT_EQ(ends, 0);
  platform.Quit();
  EXPECT_TRUE(platform.QuitRequested());
  EXPECT_EQ(loopsLeft, 1);
  EXPECT_FALSE(window.isVisible());
  platform.ProcessEvents();
  EXPECT_EQ(ends, 1);
}

// Answers the next message box with a key press, as a user would.
void AnswerNextBoxWith(int key) {
  QTimer::singleShot(50, qApp, [key] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
  });
}

TEST(QtPlatformTest, MessageBoxesAnswerEscapeAndEnterThemselves) {
  QtPlatform platform;
  AnswerNextBoxWith(Qt::Key_Escape);
  EXPECT_EQ(platform.ShowMessage(QStringLiteral("¿Salir?"), QStringLiteral("Tombolix - Cerrar Aplicación"),
                                 MessageIcon::Exclamation, MessageButtons::YesNo, MessageAnswer::Yes),
            MessageAnswer::No);
  AnswerNextBoxWith(Qt::Key_Return);
  EXPECT_EQ(platform.ShowMessage(QStringLiteral("¿Salir?"), QStringLiteral("Tombolix"), MessageIcon::Exclamation,
                                 MessageButtons::YesNo, MessageAnswer::No),
            MessageAnswer::No)
      << "Enter takes the default button";
  AnswerNextBoxWith(Qt::Key_Return);
  EXPECT_EQ(platform.ShowMessage(QStringLiteral("¿Salir?"), QStringLiteral("Tombolix"), MessageIcon::Exclamation,
                                 MessageButtons::YesNo, MessageAnswer::Yes),
            MessageAnswer::Yes);
  AnswerNextBoxWith(Qt::Key_Escape);
  EXPECT_EQ(platform.ShowMessage(QStringLiteral("Hola"), QStringLiteral("Tombolix - BIENVENIDO"),
                                 MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok),
            MessageAnswer::Ok);
}

TEST(QtPlatformTest, PagesFilesAndFoldersOpenAsAddressesNeverThroughAShell) {
  QtPlatform platform;
  QList<QUrl> opened;
  platform.SetUrlOpener([&opened](const QUrl& url) {
    opened.append(url);
    return true;
  });
  platform.OpenUrl(QString());
  platform.OpenUrl(QStringLiteral("   "));
  EXPECT_TRUE(opened.isEmpty());
  platform.OpenUrl(QStringLiteral("https://example.org/ayuda?v=1"));
  platform.OpenUrl(QStringLiteral("example.org"));
  platform.OpenFile(QStringLiteral("/tmp/Loto; rm -rf x.txt"));
  ASSERT_EQ(opened.size(), 3);
  EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://example.org/ayuda?v=1")));
  EXPECT_EQ(opened[1].host(), QStringLiteral("example.org"));
  EXPECT_TRUE(opened[2].isLocalFile());
  EXPECT_EQ(opened[2].toLocalFile(), QStringLiteral("/tmp/Loto; rm -rf x.txt"));
}

TEST(QtPlatformTest, MissingClipsOpenNothingAndLeaveTheDeviceStopped) {
  QtPlatform platform;
  MediaDevice& media = platform.Media();
  EXPECT_EQ(media.CurrentState(), MediaDevice::State::Stopped);
  EXPECT_FALSE(media.Open(QStringLiteral("/nonexistent/KiRVA-1.wav")));
  media.Play();
  EXPECT_EQ(media.CurrentState(), MediaDevice::State::Stopped);
}

}  // namespace
}  // namespace tombolix
