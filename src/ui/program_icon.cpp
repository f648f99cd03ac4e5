#include "ui/program_icon.h"

#include "files/file_io.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>

namespace tombolix {

namespace {

QPixmap DrawIcon(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal s = size;
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 192));
  painter.drawRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);
  painter.setBrush(QColor(255, 128, 128));
  painter.drawEllipse(QRectF(s * 0.12, s * 0.12, s * 0.76, s * 0.76));
  painter.setBrush(Qt::white);
  painter.drawEllipse(QRectF(s * 0.28, s * 0.28, s * 0.44, s * 0.44));
  QFont font;
  font.setBold(true);
  font.setPixelSize(static_cast<int>(s * 0.3));
  painter.setFont(font);
  painter.setPen(QColor(64, 64, 64));
  painter.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, QStringLiteral("T"));
  return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 64}) icon.addPixmap(DrawIcon(size));
  return icon;
}

bool SaveProgramIcon(const QString& path, int size) {
  const QFileInfo info(path);
  if (info.exists()) return true;
  if (!QDir().mkpath(info.absolutePath())) return false;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const char* format = info.suffix().compare(QLatin1String("ico"), Qt::CaseInsensitive) == 0 ? "ICO" : "PNG";
  if (!DrawIcon(size).save(&buffer, format)) return false;
  // One that appears meanwhile is as good as the one drawn here.
  return WriteWhole(path, bytes, WriteMode::NewOnly).isEmpty() || QFileInfo::exists(path);
}

}  // namespace tombolix
