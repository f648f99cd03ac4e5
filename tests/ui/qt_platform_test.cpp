#include "ui/qt_platform.h"
#include "support/log_capture.h"
#include "support/test_files.h"
#include "ui/event_loop_wait.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <optional>
#include <utility>

#include <gtest/gtest.h>

namespace tombolix {
namespace {

using test::TempFolder;

// One live holder per program folder, never timed out however old its lock
// looks; the holder's end, or a lock left by a process that died, frees it.
TEST(QtPlatformTest, OnlyOneLiveInstanceHoldsAProgramFolder) {
  TempFolder temp;
  auto first = std::make_unique<QtPlatform>();
  ASSERT_TRUE(first->AcquireSingleInstance(temp.Path()));
  QFile lock(temp.FilePath(QStringLiteral("Recursos/Tombolix.lock")));
  ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
  ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime));
  lock.close();
  EXPECT_FALSE(QtPlatform().AcquireSingleInstance(temp.Path()));
  first.reset();
  EXPECT_TRUE(QtPlatform().AcquireSingleInstance(temp.Path()));

  QProcess gone;
  gone.start(QStringLiteral("true"), {});
  ASSERT_TRUE(gone.waitForFinished(5000));
  const qint64 deadPid = gone.processId() > 0 ? gone.processId() : 999999;
  temp.Write(QStringLiteral("Recursos/Tombolix.lock"),
             QByteArray::number(deadPid) + "\ntombolix\n" + QSysInfo::machineHostName().toUtf8() + "\n");
  EXPECT_TRUE(QtPlatform().AcquireSingleInstance(temp.Path()));
}

TEST(QtPlatformTest, LauncherStartsTheProgramInItsFolder) {
  TempFolder temp;
  QtPlatform platform;
  platform.SetDesktopFolder(temp.FilePath(QStringLiteral("Escritorio")));
  const QString launcher = platform.DesktopLauncherPath();
  const QString folder = temp.MakeFolder(QStringLiteral("Mi Tombolix"));
  ASSERT_TRUE(platform.CreateDesktopLauncher(launcher, folder));
  const QByteArray written = test::ReadFile(launcher);
  EXPECT_TRUE(written.contains(QCoreApplication::applicationFilePath().toUtf8()));
  EXPECT_TRUE(QFile::permissions(launcher) & QFileDevice::ExeOwner);
  EXPECT_FALSE(QImage(folder + QStringLiteral("/Recursos/Tombolix.png")).isNull()) << "the icon is there";
  // A launcher already there is the user's: it is never written over.
  test::WriteFile(launcher, "mine");
  EXPECT_FALSE(platform.CreateDesktopLauncher(launcher, folder));
  EXPECT_EQ(test::ReadFile(launcher), QByteArray("mine"));
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

// Answers the next message box with a key press, as a user would, after
// noting the captions of its buttons.
QStringList lastButtons;
void AnswerNextBoxWith(int key) {
  QTimer::singleShot(50, qApp, [key] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    lastButtons.clear();
    for (const QPushButton* button : box->findChildren<QPushButton*>()) lastButtons.append(button->text());
    lastButtons.sort();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
  });
}

// Escape answers No (even when Yes is the default); Enter takes the default.
TEST(QtPlatformTest, MessageBoxesAnswerEscapeAndEnterThemselves) {
  QtPlatform platform;
  AnswerNextBoxWith(Qt::Key_Escape);
  EXPECT_EQ(platform.ShowMessage(QStringLiteral("¿Salir?"), QStringLiteral("Tombolix - Cerrar Aplicación"),
                                 MessageIcon::Exclamation, MessageButtons::YesNo, MessageAnswer::Yes),
            MessageAnswer::No);
  EXPECT_EQ(lastButtons, (QStringList{QStringLiteral("No"), QString::fromUtf16(u"Sí")}));
  AnswerNextBoxWith(Qt::Key_Return);
  EXPECT_EQ(platform.ShowMessage(QStringLiteral("¿Salir?"), QStringLiteral("Tombolix"), MessageIcon::Exclamation,
                                 MessageButtons::YesNo, MessageAnswer::No),
            MessageAnswer::No);
}

// Blank addresses open nothing; a file name that looks like a command stays a
// file; a desktop that cannot open something is only noted in the log.
TEST(QtPlatformTest, PagesAndFilesOpenAsAddressesNeverThroughAShell) {
  QtPlatform platform;
  QList<QUrl> opened;
  bool opens = true;
  platform.SetUrlOpener([&](const QUrl& url) {
    opened.append(url);
    return opens;
  });
  platform.OpenUrl(QStringLiteral("   "));
  platform.OpenUrl(QStringLiteral("example.org"));
  platform.OpenFile(QStringLiteral("/tmp/Loto; rm -rf x.txt"));
  ASSERT_EQ(opened.size(), 2);
  EXPECT_EQ(opened[0].host(), QStringLiteral("example.org"));
  EXPECT_EQ(opened[1].toLocalFile(), QStringLiteral("/tmp/Loto; rm -rf x.txt"));

  opens = false;
  test::LogCapture log;
  platform.OpenFile(QStringLiteral("/tmp/no-such-history.txt"));
  platform.OpenFolder(QStringLiteral("/tmp/no-such-folder"));
  platform.OpenUrl(QStringLiteral("https://tombolix.test/"));
  EXPECT_EQ(log.Matching(QStringLiteral("could not open")).size(), 3);
}

#ifdef Q_OS_LINUX
// xdg-open runs with the path as its one argument; a non-zero exit, or no
// xdg-open at all, comes back as a failure naming what was asked for.
TEST(QtPlatformTest, XdgOpenFailureIsReported) {
  TempFolder temp;
  const QString argumentsFile = temp.FilePath(QStringLiteral("argumentos"));
  const QString script = temp.Write(QStringLiteral("bin/xdg-open"), "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" > '" +
                                                                        argumentsFile.toUtf8() + "'\nexit 4\n");
  QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeOwner);
  const QByteArray path = qgetenv("PATH");
  for (const QString& searched : {temp.FilePath(QStringLiteral("bin")), temp.FilePath(QStringLiteral("vacia"))}) {
    qputenv("PATH", QFile::encodeName(searched));
    QtPlatform platform;
    std::optional<std::pair<OpenTarget, QString>> failed;
    platform.SetOpenFailureHandler([&](OpenTarget target, const QString& what) { failed.emplace(target, what); });
    platform.OpenFile(QStringLiteral("/tmp/Loto; rm -rf x.txt"));
    EXPECT_TRUE(test::WaitFor([&] { return failed.has_value(); })) << searched.toStdString();
    if (failed) {
      EXPECT_EQ(failed->first, OpenTarget::File);
      EXPECT_EQ(failed->second, QStringLiteral("/tmp/Loto; rm -rf x.txt"));
    }
  }
  qputenv("PATH", path);
  EXPECT_EQ(test::ReadFile(argumentsFile), "1\n/tmp/Loto; rm -rf x.txt\n");
}
#endif

}  // namespace
}  // namespace tombolix
