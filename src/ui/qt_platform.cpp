#include "ui/qt_platform.h"

#include "app/command_log.h"
#include "app/desktop_entry.h"
#include "app/tickets_flow.h"
#include "files/file_io.h"
#include "files/program_paths.h"
#include "ui/program_icon.h"
#include "ui/tickets_window.h"
#include "ui/web_download.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace tombolix {

namespace {

// What this system's desktop expects: its kind of launcher, and the encoding
// its text editor reads (Notepad reads 8-bit files in the system code page).
#ifdef Q_OS_WIN
constexpr LauncherKind kLauncherKind = LauncherKind::InternetShortcut;
constexpr TextEncoding kEditorEncoding = TextEncoding::Ansi;
#else
constexpr LauncherKind kLauncherKind = LauncherKind::DesktopEntry;
constexpr TextEncoding kEditorEncoding = TextEncoding::Utf8;
#endif

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Critical:
      return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButton BoxButton(MessageAnswer answer) {
  switch (answer) {
    case MessageAnswer::Yes:
      return QMessageBox::Yes;
    case MessageAnswer::No:
      return QMessageBox::No;
    case MessageAnswer::Ok:
      return QMessageBox::Ok;
  }
  return QMessageBox::Ok;
}

// Ends the process at once. Every file the program writes is committed whole
// when it is written, and nothing is saved at closing, so nothing is lost.
void EndProcessNow() {
  std::fflush(nullptr);
  std::quick_exit(0);
}

}  // namespace

QtPlatform::QtPlatform() : leaveLoop_([] { QCoreApplication::exit(0); }), endProcess_(EndProcessNow) {
  clock_.start();
  sinceYield_.start();
}

QtPlatform::~QtPlatform() = default;

void QtPlatform::AttachWindow(QWidget* window, std::function<void()> sync) {
  window_ = window;
  sync_ = std::move(sync);
}

MessageAnswer QtPlatform::ShowMessage(const QString& text, const QString& title, MessageIcon icon,
                                      MessageButtons buttons, MessageAnswer defaultAnswer) {
  SyncView();
  const bool yesNo = buttons == MessageButtons::YesNo;
  // A minimised or hidden window would hide its box with it.
  QWidget* parent = window_ && window_->isVisible() && !window_->isMinimized() ? window_.data() : nullptr;
  QMessageBox box(BoxIcon(icon), title, text, yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok, parent);
  if (!parent) box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  box.setDefaultButton(yesNo ? BoxButton(defaultAnswer == MessageAnswer::Yes ? MessageAnswer::Yes : MessageAnswer::No)
                             : QMessageBox::Ok);
  box.setEscapeButton(yesNo ? QMessageBox::No : QMessageBox::Ok);
  // The program speaks Spanish, its buttons too.
  if (yesNo) {
    box.button(QMessageBox::Yes)->setText(QString::fromUtf16(u"Sí"));
    box.button(QMessageBox::No)->setText(QStringLiteral("No"));
  } else {
    box.button(QMessageBox::Ok)->setText(QStringLiteral("Aceptar"));
  }
  const int result = box.exec();
  if (yesNo) return result == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
  return MessageAnswer::Ok;
}

int QtPlatform::AskChoice(const QString& text, const QString& title, const QStringList& choices, int cancelIndex) {
  SyncView();
  QWidget* parent = QApplication::activeModalWidget();
  if (!parent) parent = window_ && window_->isVisible() && !window_->isMinimized() ? window_.data() : nullptr;
  QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
  QList<QAbstractButton*> buttons;
  for (const QString& choice : choices) buttons.append(box.addButton(choice, QMessageBox::ActionRole));
  if (cancelIndex >= 0 && cancelIndex < buttons.size()) box.setEscapeButton(buttons[cancelIndex]);
  box.exec();
  const qsizetype chosen = buttons.indexOf(box.clickedButton());
  return chosen < 0 ? cancelIndex : static_cast<int>(chosen);
}

void QtPlatform::ProcessEvents() {
  if (quitRequested_) {
    EndIfQuitting();
    return;
  }
  // The common case costs one clock reading: most steps do not yield for real.
  if (sinceYield_.elapsed() < kYieldIntervalMs) return;
  SyncView();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  sinceYield_.restart();
  EndIfQuitting();
}

void QtPlatform::WaitForEvents(int maxMs) {
  if (quitRequested_) {
    EndIfQuitting();
    return;
  }
  SyncView();
  QEventLoop loop;
  QTimer::singleShot(std::max(maxMs, 0), &loop, &QEventLoop::quit);
  loop.exec();
  sinceYield_.restart();
  EndIfQuitting();
}

void QtPlatform::SyncView() {
  if (syncing_ || !sync_ || quitRequested_) return;
  syncing_ = true;
  sync_();
  syncing_ = false;
}

void QtPlatform::Beep() { QApplication::beep(); }

bool QtPlatform::IsMinimised() const { return window_ && window_->isMinimized(); }

void QtPlatform::Minimise() {
  if (window_) window_->showMinimized();
}

void QtPlatform::Restore() {
  if (window_ && window_->isMinimized()) window_->showNormal();
}

void QtPlatform::KeepOnTop() {
  if (!window_) return;
  if (!window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
    // Changing the flags hides a shown window; show it again as it was.
    const bool wasVisible = window_->isVisible();
    const bool wasMinimised = window_->isMinimized();
    window_->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (wasVisible) wasMinimised ? window_->showMinimized() : window_->show();
  }
  if (window_->isVisible() && !window_->isMinimized()) window_->raise();
}

// The desktop opens files, folders and pages in the user's own programs; no
// shell and no command line is ever built from a name. On Linux xdg-open runs
// with the address as its one argument: QDesktopServices answers as soon as
// it starts, while its exit status tells whether anything was opened.
void QtPlatform::Open(const QUrl& url, OpenTarget target, const QString& shown) {
  if (openUrl_) {
    if (!openUrl_(url)) OpenFailedNow(target, shown);
    return;
  }
#ifdef Q_OS_LINUX
  auto* process = new QProcess(QCoreApplication::instance());
  QObject::connect(process, &QProcess::finished, process,
                   [this, process, target, shown](int exitCode, QProcess::ExitStatus status) {
                     process->deleteLater();
                     if (status != QProcess::NormalExit || exitCode != 0) OpenFailedNow(target, shown);
                   });
  QObject::connect(process, &QProcess::errorOccurred, process,
                   [this, process, target, shown](QProcess::ProcessError error) {
                     if (error != QProcess::FailedToStart) return;
                     process->deleteLater();
                     OpenFailedNow(target, shown);
                   });
  process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process->start(QStringLiteral("xdg-open"),
                 {url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded)});
#else
  if (!QDesktopServices::openUrl(url)) OpenFailedNow(target, shown);
#endif
}

void QtPlatform::OpenFailedNow(OpenTarget target, const QString& shown) {
  if (openFailed_) {
    openFailed_(target, shown);
  } else {
    qCWarning(lcCommands) << "the desktop could not open" << shown;
  }
}

void QtPlatform::OpenFile(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  Open(QUrl::fromLocalFile(absolute), OpenTarget::File, absolute);
}

void QtPlatform::OpenFolder(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  Open(QUrl::fromLocalFile(absolute), OpenTarget::Folder, absolute);
}

void QtPlatform::OpenUrl(const QString& address) {
  if (address.trimmed().isEmpty()) return;
  QUrl url(address.trimmed(), QUrl::StrictMode);
  if (!url.isValid() || url.scheme().isEmpty()) url = QUrl::fromUserInput(address.trimmed());
  if (url.isValid()) {
    Open(url, OpenTarget::Page, address.trimmed());
  } else {
    qCWarning(lcCommands) << "not a web address:" << address;
  }
}

DownloadOutcome QtPlatform::Download(const QString& address, qint64 limitBytes, int stallMs) {
  SyncView();
  QWidget* parent = window_ && window_->isVisible() && !window_->isMinimized() ? window_.data() : nullptr;
  return DownloadWithDialog(parent, address, limitBytes, stallMs);
}

void QtPlatform::OpenTicketChecker(const TicketsRequest& request) { OpenTicketsWindow(window_, request); }

void QtPlatform::Quit() {
  quitRequested_ = true;
  if (window_) window_->hide();
  // Leaves the event loop once the current event is handled; a computation
  // that yields again before that ends the process at its yield.
  if (leaveLoop_) leaveLoop_();
}

void QtPlatform::EndIfQuitting() {
  if (quitRequested_ && endProcess_) endProcess_();
}

bool QtPlatform::AcquireSingleInstance(const QString& programFolder) {
  QDir folder(programFolder);
  folder.mkpath(program_paths::kResources);
  lock_ = std::make_unique<QLockFile>(program_paths::Lock(programFolder));
  // Only a live holder counts: a lock left by a process that died is stale and
  // taken over, however old it is, and a live one is never timed out.
  lock_->setStaleLockTime(0);
  if (lock_->tryLock(0)) return true;
  // A folder where no lock can be made (read-only) does not stop the program:
  // its own start-up reports the folder.
  return lock_->error() != QLockFile::LockFailedError;
}

QString QtPlatform::DesktopLauncherPath() const {
  QString folder = desktopFolder_;
  if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  return folder + QLatin1Char('/') + DesktopLauncherFileName(kLauncherKind);
}

bool QtPlatform::CreateDesktopLauncher(const QString& launcherPath, const QString& programFolder) {
  const QString folder = QDir(programFolder).absolutePath();
  // The launcher shows the program's icon from the Recursos folder.
  SaveProgramIcon(LauncherIconPath(kLauncherKind, folder));
  return WriteDesktopLauncher(kLauncherKind, launcherPath, QCoreApplication::applicationFilePath(), folder);
}

TextEncoding QtPlatform::EditorEncoding() const { return kEditorEncoding; }

}  // namespace tombolix
