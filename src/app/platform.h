#pragma once

#include "codec/ansi_codec.h"
#include "sound/clip_player.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tombolix {

enum class MessageIcon { Information, Exclamation, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// What a download brought: the bytes, or why there are none.
struct DownloadOutcome {
  QByteArray bytes;
  QString error;           // Spanish, for the user; empty on success (a cancelled download has one too)
  bool cancelled = false;  // the user pressed Cancelar or Escape
  QString contentType;     // as the server named it, when it did
};

// Everything the program asks of the outside world. The Qt view implements it
// for real; tests use a fake that records calls and answers from a script.
// What the desktop was asked to open.
enum class OpenTarget { File, Folder, Page };

struct TicketsRequest;

class Platform {
 public:
  virtual ~Platform() = default;

  // A modal message box; returns the button pressed.
  virtual MessageAnswer ShowMessage(const QString& text, const QString& title, MessageIcon icon, MessageButtons buttons,
                                    MessageAnswer defaultAnswer) = 0;
  // A modal question with buttons of its own; returns the index of the one
  // pressed, or `cancelIndex` when the box is closed.
  virtual int AskChoice(const QString& text, const QString& title, const QStringList& choices, int cancelIndex) = 0;
  // Lets pending events run (throttled; always brings the view up to date when it runs).
  virtual void ProcessEvents() = 0;
  // Lets events run for up to `maxMs` milliseconds, sleeping while none come.
  virtual void WaitForEvents(int /*maxMs*/) { ProcessEvents(); }
  // Brings the view up to date with the window model now.
  virtual void SyncView() = 0;
  virtual void Beep() = 0;
  // Milliseconds of a monotonic clock.
  virtual qint64 NowMs() const = 0;

  virtual bool IsMinimised() const = 0;
  virtual void Minimise() = 0;
  // Brings a minimised window back to its normal state.
  virtual void Restore() = 0;
  // Makes the window topmost again (after a restore).
  virtual void KeepOnTop() = 0;

  // Opens a file in the text editor, a folder in the file manager, a page in the browser.
  // The desktop answers later; a failure comes back as TombolixApp::OpenFailed.
  virtual void OpenFile(const QString& path) = 0;
  virtual void OpenFolder(const QString& path) = 0;
  virtual void OpenUrl(const QString& address) = 0;

  // Downloads an http or https address with a modal progress dialog (progress bar, Cancelar). Gives up after
  // `stallMs` without any data, and refuses more than `limitBytes`.
  virtual DownloadOutcome Download(const QString& address, qint64 limitBytes, int stallMs) = 0;

  // Ends the process as soon as control returns to the event loop; no question is asked.
  virtual void Quit() = 0;

  // Single instance: false when another instance of the program holds the program folder.
  virtual bool AcquireSingleInstance(const QString& programFolder) = 0;
  // The user's desktop folder and the launcher file the program keeps there.
  virtual QString DesktopLauncherPath() const = 0;
  // Writes the launcher; false when it could not be written.
  virtual bool CreateDesktopLauncher(const QString& launcherPath, const QString& programFolder) = 0;

  // How text files meant for the user's text editor are encoded.
  virtual TextEncoding EditorEncoding() const { return TextEncoding::Utf8; }

  virtual MediaDevice& Media() = 0;

  // Opens the ticket checker's window (a window of its own, not modal).
  virtual void OpenTicketChecker(const TicketsRequest& /*request*/) {}
};

}  // namespace tombolix
